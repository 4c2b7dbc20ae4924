// Saving files: new content replaces the old whole, a failed save leaves the old file and no debris.
// Reading a stream is bounded.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "link/atomic_file.h"
#include "support/scratch_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public test::ScratchDir {};

TEST_F(AtomicFile, ReplacesTheTargetAndLeavesNoTemporary) {
  const std::string file = path("ZOVALOC.dat");
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(file, "old\r\n", error)) << error;
  ASSERT_TRUE(SaveFileAtomically(file, "new\r\n", error)) << error;
  EXPECT_EQ(read(file), "new\r\n");
  EXPECT_EQ(filesInDir(), 1);
}

TEST_F(AtomicFile, FailureKeepsTheOldFileAndSaysWhy) {
  std::string error;
  EXPECT_FALSE(SaveFileAtomically((dir / "missing" / "x.dat").string(), "data", error));
  EXPECT_FALSE(error.empty());
  // A target that is a folder cannot be replaced by a file.
  fs::create_directories(dir / "folder");
  EXPECT_FALSE(SaveFileAtomically((dir / "folder").string(), "data", error));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_EQ(filesInDir(), 1) << "no temporary file left behind";
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
