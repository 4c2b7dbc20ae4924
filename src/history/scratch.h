// What the history's readers share: a temporary folder for folders written out of the repository, and a
// Ui that keeps the diff engine's messages as the reason of a failure.
#pragma once

#include <filesystem>
#include <string>

#include "base/atomic_file.h"
#include "base/ui.h"

namespace zova::history {

// A temporary folder, removed with what it holds.
struct Scratch {
  std::string path = (std::filesystem::temp_directory_path() / "zova-history-").string();
  bool made = false;
  Scratch() {
    std::string error;
    made = MakeTemporaryFolder(path, error);
  }
  ~Scratch() {
    std::error_code ignored;
    if (made) std::filesystem::remove_all(path, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
};

class QuietUi final : public Ui {
 public:
  MessageResult messageBox(std::string_view text, std::string_view, MessageButtons, MessageIcon) override {
    if (!text_.empty()) text_ += "; ";
    text_ += text;
    return MessageResult::Ok;
  }
  std::string text_;
};

}  // namespace zova::history
