// Saving over what is already there: links are followed, mode and group kept, what the user could not write
// refused, and a failed save leaves the old file and no debris. Reading a stream is bounded. On Windows
// the cases of links, FIFOs, groups and modes other than read-only are left out: they are POSIX's.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "base/atomic_file.h"
#include "support/language_guard.h"
#include "support/scratch_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;

struct SaveCase {
  const char* name;
  const char* before;  // "f:640" a file holding "old", "l>t" a link to t ("l>%t": to t by its full path),
                       // "d/" a folder, "p|" a FIFO
  std::string target;  // the name saved to
  std::string holder;  // the file that holds the text afterwards: the target or where its links lead
  std::string error;   // empty: the save succeeds
  int mode = 0644;     // of `holder` afterwards
  bool posixOnly = false;
};

#ifdef _WIN32
constexpr bool kPosix = false;
using gid_t = int;
#else
constexpr bool kPosix = true;
#endif

class AtomicSave : public test::ScratchDir {
 protected:
  // Every file made here is given a group other than the user's where the user may: the save must keep it.
  void build(const std::string& before, gid_t group) const {
    std::istringstream entries(before);
    for (std::string e; entries >> e;) {
      const std::size_t at = e.find_first_of(":>");
      const fs::path p = dir / e.substr(0, at == std::string::npos ? e.size() - 1 : at);
      if (at != std::string::npos && e[at] == ':') {
        write(p.string(), "old");
#ifndef _WIN32
        ASSERT_EQ(::chown(p.c_str(), static_cast<uid_t>(-1), group), 0);
#endif
        // On Windows only the owner's write bit counts: without it the file is read-only.
        fs::permissions(p, static_cast<fs::perms>(std::stoi(e.substr(at + 1), nullptr, 8)));
        continue;
      }
#ifndef _WIN32
      if (at == std::string::npos) {
        e.back() == '/' ? (void)fs::create_directory(p) : (void)::mkfifo(p.c_str(), 0600);
      } else {
        fs::create_symlink(e[at + 1] == '%' ? dir / e.substr(at + 2) : fs::path(e.substr(at + 1)), p);
      }
#else
      (void)group;
      fs::create_directory(p);  // the only other kind among the cases that run here
#endif
    }
  }
};

TEST_F(AtomicSave, ReplacesWhatTheUserMayWriteAndKeepsItsKind) {
  const test::LanguageGuard english(Language::English);  // it checks the English texts
#ifdef _WIN32
  const bool root = false;
  const gid_t group = 0;
#else
  const bool root = ::geteuid() == 0;
  const mode_t mask = ::umask(022);
  gid_t groups[64];
  gid_t group = root ? 1 : ::getegid();  // root may give any group, a user one of their own
  for (int i = root ? 0 : ::getgroups(64, groups); i > 0; --i)
    group = groups[i - 1] != ::getegid() ? groups[i - 1] : group;
#endif
  const std::string longest(255, 'n');  // NAME_MAX, and Windows' limit of a name too
  const SaveCase cases[] = {
      {"new file", "", "a.dat", "a.dat", ""},
      {"mode kept", "a.dat:640", "a.dat", "a.dat", "", 0640},
      {"chain of links through folders", "real.dat:600 sub/ a>sub/b sub/b>../real.dat", "a", "real.dat", "", 0600,
       true},
      {"absolute link", "real.dat:644 link>%real.dat", "link", "real.dat", "", 0644, true},
      {"dangling link creates its target", "link>made.dat", "link", "made.dat", "", 0644, true},
      // Root may write any file: there the mode is what must survive.
      {"read-only file", "a.dat:444", "a.dat", "a.dat", root ? "" : std::strerror(EACCES), 0444},
      {"name at the system's limit", "", longest, longest, ""},
      {"folder", "a/", "a", "", std::strerror(EISDIR)},
      {"FIFO", "a|", "a", "", std::string(kMsgNotRegularFile), 0644, true},
      {"missing folder", "", "none/a.dat", "", std::strerror(ENOENT)},
      {"link loop", "a>b b>a", "a", "", std::strerror(ELOOP), 0644, true},
  };
  for (const SaveCase& c : cases) {
    if (c.posixOnly && !kPosix) continue;
    SCOPED_TRACE(c.name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    build(c.before, group);
    const bool existed = fs::exists(dir / c.holder);
    const long entries = filesInDir() + (c.error.empty() && !existed ? 1 : 0);
    const bool wasLink = fs::is_symlink(fs::symlink_status(dir / c.target));
    std::string error;
    EXPECT_EQ(SaveFileAtomically((dir / c.target).string(), "new", error), c.error.empty());
    EXPECT_EQ(error, c.error);
    if (!c.holder.empty() && fs::exists(dir / c.holder)) {
      EXPECT_EQ(read((dir / c.holder).string()), c.error.empty() ? "new" : "old");
#ifndef _WIN32
      struct stat st {};
      ASSERT_EQ(::stat((dir / c.holder).c_str(), &st), 0);
      EXPECT_EQ(static_cast<int>(st.st_mode & 07777), c.mode);
      EXPECT_EQ(st.st_gid, existed ? group : ::getegid());
#endif
      // Windows deletes no read-only file, not even to clean up.
      fs::permissions(dir / c.holder, fs::perms::owner_write, fs::perm_options::add);
    }
    EXPECT_EQ(fs::is_symlink(fs::symlink_status(dir / c.target)), wasLink);
    EXPECT_EQ(filesInDir(), entries) << "no temporary file left";
  }
#ifndef _WIN32
  ::umask(mask);
#endif
}

class ReadStream : public test::ScratchDir {};

TEST_F(ReadStream, ReadsUpToItsBoundAndNoFurther) {
  write(path("in"), "01234\r\n789");  // the CR LF stays as it is, on Windows too
  for (const std::size_t bound : {9u, 10u}) {
    std::FILE* in = std::fopen(path("in").c_str(), "r");
    ASSERT_NE(in, nullptr);
    std::string content = "kept";
    std::string error;
    EXPECT_EQ(ReadWholeStream(in, bound, content, error), bound == 10);
    EXPECT_EQ(content, bound == 10 ? "01234\r\n789" : "kept");
    EXPECT_EQ(error, bound == 10 ? "" : std::strerror(EFBIG));
    std::fclose(in);
  }
}

// A folder whose content must not lead elsewhere reads its file, but not a link to one.
TEST_F(ReadStream, APlainReadTakesAFileButNotALinkToIt) {
  const test::LanguageGuard english(Language::English);  // it checks the English texts
#ifdef _WIN32
  GTEST_SKIP() << "links need privileges on Windows";
#else
  write(path("in"), "data");
  fs::create_symlink(path("in"), path("link"));
  for (const char* name : {"in", "link"}) {
    std::string content;
    std::string error;
    EXPECT_EQ(ReadPlainFile(path(name), 10, content, error), name == std::string("in")) << name;
    EXPECT_EQ(error, name == std::string("in") ? "" : kMsgNotRegularFile) << name;
  }
#endif
}

// The temporary folder of a target, and only that, is recognised; a long name is cut to leave it room,
// never inside a UTF-8 character.
TEST(TemporaryFolder, NamesItsTargetWithinTheNameLimit) {
  std::string korean;
  for (int i = 0; i < 83; ++i) korean += "한";  // 249 bytes
  const struct {
    std::string target;
    std::string name;
    bool ours;
  } cases[] = {
      {"b", ".b.zova-AbC123", true},
      {"b", ".b.zova-AbC12", false},
      {"b", ".b.zova-AbC12-", false},
      {"b", ".bb.zova-AbC123", false},
      {"b", "b.zova-AbC123", false},
      {"b", ".b.zova-AbC1234", false},
      {std::string(250, 'n'), "." + std::string(242, 'n') + ".zova-abc123", true},
      {korean, "." + korean.substr(0, 240) + ".zova-abc123", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsTemporaryFolderName(c.name, c.target), c.ours) << c.name;
}

}  // namespace
}  // namespace zova
