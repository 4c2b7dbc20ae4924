// Saving over what is already there: links are followed, mode and group kept, what the user could not write
// refused, and a failed save leaves the old file and no debris. Reading a stream is bounded.
#include <gtest/gtest.h>

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "link/atomic_file.h"
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
  mode_t mode = 0644;  // of `holder` afterwards
};

class AtomicSave : public test::ScratchDir {
 protected:
  // Every file made here is given a group other than the user's where the user may: the save must keep it.
  void build(const std::string& before, gid_t group) const {
    std::istringstream entries(before);
    for (std::string e; entries >> e;) {
      const std::size_t at = e.find_first_of(":>");
      const fs::path p = dir / e.substr(0, at == std::string::npos ? e.size() - 1 : at);
      if (at == std::string::npos) {
        e.back() == '/' ? (void)fs::create_directory(p) : (void)::mkfifo(p.c_str(), 0600);
      } else if (e[at] == '>') {
        fs::create_symlink(e[at + 1] == '%' ? dir / e.substr(at + 2) : fs::path(e.substr(at + 1)), p);
      } else {
        write(p, "old");
        ASSERT_EQ(::chown(p.c_str(), static_cast<uid_t>(-1), group), 0);
        ASSERT_EQ(::chmod(p.c_str(), static_cast<mode_t>(std::stoi(e.substr(at + 1), nullptr, 8))), 0);
      }
    }
  }
};

TEST_F(AtomicSave, ReplacesWhatTheUserMayWriteAndKeepsItsKind) {
  const bool root = ::geteuid() == 0;
  const mode_t mask = ::umask(022);
  gid_t groups[64];
  gid_t group = root ? 1 : ::getegid();  // root may give any group, a user one of their own
  for (int i = root ? 0 : ::getgroups(64, groups); i > 0; --i)
    group = groups[i - 1] != ::getegid() ? groups[i - 1] : group;
  const std::string longest(NAME_MAX, 'n');
  const SaveCase cases[] = {
      {"new file", "", "a.dat", "a.dat", ""},
      {"mode kept", "a.dat:640", "a.dat", "a.dat", "", 0640},
      {"relative link", "real.dat:600 link>real.dat", "link", "real.dat", "", 0600},
      {"chain of links through folders", "real.dat:644 sub/ a>sub/b sub/b>../real.dat", "a", "real.dat", ""},
      {"absolute link", "real.dat:644 link>%real.dat", "link", "real.dat", ""},
      {"dangling link creates its target", "link>made.dat", "link", "made.dat", ""},
      // Root may write any file: there the mode is what must survive.
      {"read-only file", "a.dat:444", "a.dat", "a.dat", root ? "" : std::strerror(EACCES), 0444},
      {"name at the system's limit", "", longest, longest, ""},
      {"folder", "a/", "a", "", std::strerror(EISDIR)},
      {"FIFO", "a|", "a", "", std::string(kMsgNotRegularFile)},
      {"missing folder", "", "none/a.dat", "", std::strerror(ENOENT)},
      {"link loop", "a>b b>a", "a", "", std::strerror(ELOOP)},
  };
  for (const SaveCase& c : cases) {
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
    struct stat st {};
    if (!c.holder.empty() && ::stat((dir / c.holder).c_str(), &st) == 0) {
      EXPECT_EQ(read((dir / c.holder).string()), c.error.empty() ? "new" : "old");
      EXPECT_EQ(st.st_mode & 07777, c.mode);
      EXPECT_EQ(st.st_gid, existed ? group : ::getegid());
    }
    EXPECT_EQ(fs::is_symlink(fs::symlink_status(dir / c.target)), wasLink);
    EXPECT_EQ(filesInDir(), entries) << "no temporary file left";
  }
  ::umask(mask);
}

TEST(ReadStream, ReadsUpToItsBoundAndNoFurther) {
  for (const std::size_t bound : {9u, 10u}) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "0123456789", 10), 10);
    ::close(ends[1]);
    std::string content = "kept";
    std::string error;
    EXPECT_EQ(ReadWholeStream(ends[0], bound, content, error), bound == 10);
    EXPECT_EQ(content, bound == 10 ? "0123456789" : "kept");
    EXPECT_EQ(error, bound == 10 ? "" : std::strerror(EFBIG));
    ::close(ends[0]);
  }
}

}  // namespace
}  // namespace zova
