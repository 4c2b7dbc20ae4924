// Saving files: new content replaces the old whole, a failed save leaves the old file and no debris.
#include <gtest/gtest.h>

#include <filesystem>

#include "link/atomic_file.h"

namespace zova {
namespace {

namespace fs = std::filesystem;

struct AtomicFile : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("zova_atomic_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(AtomicFile, ReplacesTheTargetAndLeavesNoTemporary) {
  const std::string path = (dir / "ZOVALOC.dat").string();
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(path, "old\r\n", error)) << error;
  ASSERT_TRUE(SaveFileAtomically(path, "new\r\n", error)) << error;
  std::string content;
  ASSERT_TRUE(ReadWholeFile(path, content, error));
  EXPECT_EQ(content, "new\r\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, FailureKeepsTheOldFileAndSaysWhy) {
  std::string error;
  EXPECT_FALSE(SaveFileAtomically((dir / "missing" / "x.dat").string(), "data", error));
  EXPECT_FALSE(error.empty());
  // A target that is a folder cannot be replaced by a file.
  fs::create_directories(dir / "folder");
  EXPECT_FALSE(SaveFileAtomically((dir / "folder").string(), "data", error));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_EQ(entries(), 1u) << "no temporary file left behind";
}

TEST_F(AtomicFile, ReadingAMissingFileFails) {
  std::string content = "kept";
  std::string error;
  EXPECT_FALSE(ReadWholeFile((dir / "none.dat").string(), content, error));
  EXPECT_EQ(content, "kept");
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace zova
