// Saving over what is already there: links are followed, modes and groups kept, what the user could not
// write refused, and a failed save leaves the old file and no debris. Reading a stream is bounded.
#include <gtest/gtest.h>

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "link/atomic_file.h"
#include "support/scratch_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;

struct SaveCase {
  const char* name;
  std::function<void(const fs::path& dir)> setup;
  std::string target;  // the name saved to
  std::string holder;  // the file that holds the text afterwards: the target, or where its links lead
  std::string error;   // empty: the save succeeds
  mode_t mode = 0644;  // of `holder` afterwards
};

class AtomicSave : public test::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    savedMask_ = ::umask(022);
  }
  void TearDown() override {
    ::umask(savedMask_);
    ScratchDir::TearDown();
  }
  static void make(const fs::path& file, mode_t mode) {
    write(file, "old");
    fs::permissions(file, static_cast<fs::perms>(mode));
  }
  static mode_t modeOf(const fs::path& file) { return static_cast<mode_t>(fs::status(file).permissions()); }

 private:
  mode_t savedMask_ = 0;
};

TEST_F(AtomicSave, ReplacesWhatTheUserMayWriteAndKeepsItsKind) {
  const bool root = ::geteuid() == 0;
  const std::string longest(NAME_MAX, 'n');
  const SaveCase cases[] = {
      {"new file", [](const fs::path&) {}, "a.dat", "a.dat", ""},
      {"mode kept", [](const fs::path& d) { make(d / "a.dat", 0640); }, "a.dat", "a.dat", "", 0640},
      {"relative link",
       [](const fs::path& d) {
         make(d / "real.dat", 0600);
         fs::create_symlink("real.dat", d / "link");
       },
       "link", "real.dat", "", 0600},
      {"chain of links through folders",
       [](const fs::path& d) {
         make(d / "real.dat", 0644);
         fs::create_directory(d / "sub");
         fs::create_symlink("sub/b", d / "a");
         fs::create_symlink("../real.dat", d / "sub" / "b");
       },
       "a", "real.dat", ""},
      {"absolute link",
       [](const fs::path& d) {
         make(d / "real.dat", 0644);
         fs::create_symlink(d / "real.dat", d / "link");
       },
       "link", "real.dat", ""},
      {"dangling link creates its target", [](const fs::path& d) { fs::create_symlink("made.dat", d / "link"); },
       "link", "made.dat", ""},
      // Root may write any file: there the mode is what must survive.
      {"read-only file", [](const fs::path& d) { make(d / "a.dat", 0444); }, "a.dat", "a.dat",
       root ? "" : std::strerror(EACCES), 0444},
      {"name at the system's limit", [](const fs::path&) {}, longest, longest, ""},
      {"folder", [](const fs::path& d) { fs::create_directory(d / "a"); }, "a", "", std::strerror(EISDIR)},
      {"FIFO", [](const fs::path& d) { ::mkfifo((d / "a").c_str(), 0600); }, "a", "", std::string(kMsgNotRegularFile)},
      {"missing folder", [](const fs::path&) {}, "none/a.dat", "", std::strerror(ENOENT)},
      {"link loop",
       [](const fs::path& d) {
         fs::create_symlink("b", d / "a");
         fs::create_symlink("a", d / "b");
       },
       "a", "", std::strerror(ELOOP)},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    c.setup(dir);
    const long before = filesInDir() + (c.error.empty() && !fs::exists(dir / c.holder) ? 1 : 0);
    const bool wasLink = fs::is_symlink(fs::symlink_status(dir / c.target));
    std::string error;
    EXPECT_EQ(SaveFileAtomically((dir / c.target).string(), "new", error), c.error.empty());
    EXPECT_EQ(error, c.error);
    if (!c.holder.empty()) {
      EXPECT_EQ(read((dir / c.holder).string()), c.error.empty() ? "new" : "old");
      EXPECT_EQ(modeOf(dir / c.holder), c.mode);
    }
    EXPECT_EQ(fs::is_symlink(fs::symlink_status(dir / c.target)), wasLink);
    EXPECT_EQ(filesInDir(), before) << "no temporary file left";
  }
}

TEST_F(AtomicSave, KeepsTheGroupWherePermitted) {
  // A group other than the user's own: any for root, else one the user belongs to.
  gid_t groups[64];
  const int count = ::getgroups(64, groups);
  gid_t other = ::getegid();
  if (::geteuid() == 0) other = other == 1 ? 2 : 1;
  for (int i = 0; i < count && other == ::getegid(); ++i) other = groups[i];
  if (other == ::getegid()) GTEST_SKIP() << "the user belongs to one group only";
  const std::string file = path("a.dat");
  make(file, 0660);
  ASSERT_EQ(::chown(file.c_str(), static_cast<uid_t>(-1), other), 0);
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(file, "new", error)) << error;
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_gid, other);
  EXPECT_EQ(st.st_mode & 07777, 0660u);
}

TEST(ReadStream, ReadsUpToItsBoundAndNoFurther) {
  for (const std::size_t bound : {9u, 10u}) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "0123456789", 10), 10);
    ::close(ends[1]);
    std::string content = "kept";
    std::string error;
    const bool fits = bound == 10;
    EXPECT_EQ(ReadWholeStream(ends[0], bound, content, error), fits);
    EXPECT_EQ(content, fits ? "0123456789" : "kept");
    EXPECT_EQ(error, fits ? "" : std::strerror(EFBIG));
    ::close(ends[0]);
  }
}

}  // namespace
}  // namespace zova
