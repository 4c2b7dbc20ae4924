// A test fixture with a fresh scratch folder per test, and whole-file reads and writes in it.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace zova::test {

class ScratchDir : public ::testing::Test {
 protected:
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("zova_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_suite()->name() +
       "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

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
};

}  // namespace zova::test
