// A scratch folder made fresh for its owner and removed with it, and whole-file reads and writes in it;
// and the test fixture that has one per test.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include <gtest/gtest.h>

namespace zova::test {

class ScratchFolder {
 public:
  explicit ScratchFolder(std::filesystem::path folder) : dir(std::move(folder)) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    // ZOVA_KEEP=1 keeps a failed test's folder (traces, backups) for a look afterwards.
    if (std::getenv("ZOVA_KEEP") != nullptr && ::testing::Test::HasFailure()) return;
    std::filesystem::remove_all(dir, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  [[nodiscard]] std::string path(const std::string& name) const { return (dir / name).string(); }
  static std::string read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void write(const std::string& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
  }
  [[nodiscard]] long filesInDir() const { return std::distance(std::filesystem::directory_iterator(dir), {}); }

  std::filesystem::path dir;
};

// Named after the test, so that tests running side by side never share a file.
class ScratchDir : public ::testing::Test, public ScratchFolder {
 protected:
  ScratchDir()
      : ScratchFolder(std::filesystem::temp_directory_path() /
                      ("zova_" + std::to_string(::getpid()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_suite()->name() + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name())) {}
};

}  // namespace zova::test
