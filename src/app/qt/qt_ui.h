// The Ui of the desktop program: Qt message boxes, the progress of each operation on the bars its window
// gives it, event-loop yield.
#pragma once

#include <QPointer>
#include <QProgressBar>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

#include "base/ui.h"

namespace zova::app {

class QtUi final : public Ui {
 public:
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override;
  void yield() override;
  bool stopAsked() override { return cancel_; }

  // A Cancel button asks the running operation to end at its next exchange boundary; whoever starts a
  // long operation clears the request first.
  void requestCancel() { cancel_ = true; }
  void clearCancel() { cancel_ = false; }

  // A window shows the progress of `job` on its own bars: bar `index` (0 or 1) of the operation on `bar`.
  void showProgressOn(Job job, int index, QProgressBar* bar) { bars_[{job, index}] = bar; }

  // Sees the text of every message box, shown or intercepted (the status bar keeps the last).
  std::function<void(std::string_view text)> onMessage;
  // When set, message boxes are handed here instead of shown (tests capture them).
  std::function<MessageResult(std::string_view text, MessageIcon icon)> interceptor;

 protected:
  void showProgressMaximum(Job job, int index, int maximum) override;
  void showProgressValue(Job job, int index, int value) override;

 private:
  QProgressBar* find(Job job, int index);
  std::map<std::pair<Job, int>, QPointer<QProgressBar>> bars_;
  bool cancel_ = false;
};

}  // namespace zova::app
