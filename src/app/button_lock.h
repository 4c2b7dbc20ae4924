// Disables a window's action buttons for the length of one handler and enables them again on every
// way out, so a second press cannot start a second exchange while the first one waits.
#pragma once

#include <QPointer>
#include <QPushButton>
#include <utility>
#include <vector>

namespace zova::app {

class ButtonLock {
 public:
  ButtonLock(const std::vector<QPushButton*>& buttons, bool& running) : running_(running) {
    running_ = true;
    for (QPushButton* b : buttons) {
      held_.emplace_back(b, b->isEnabled());
      b->setEnabled(false);
    }
  }
  ~ButtonLock() {
    for (auto& [button, wasEnabled] : held_) {
      if (button) button->setEnabled(wasEnabled);
    }
    running_ = false;
  }
  ButtonLock(const ButtonLock&) = delete;
  ButtonLock& operator=(const ButtonLock&) = delete;

 private:
  bool& running_;
  std::vector<std::pair<QPointer<QPushButton>, bool>> held_;
};

}  // namespace zova::app
