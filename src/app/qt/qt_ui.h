// The Ui of the desktop program: Qt message boxes, progress bars registered by name, event-loop yield.
#pragma once

#include <QPointer>
#include <QProgressBar>
#include <functional>
#include <map>
#include <string>

#include "link/recording_ui.h"
#include "link/ui.h"

namespace zova::app {

class QtUi final : public Ui {
 public:
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override;
  void setProgressMaximum(std::string_view bar, int index, int maximum) override;
  void setProgressValue(std::string_view bar, int index, int value) override;
  void yield() override;
  bool cancelRequested() override { return cancel_; }

  // A Cancel button asks the running operation to end at its next exchange boundary; whoever starts a
  // long operation clears the request first.
  void requestCancel() { cancel_ = true; }
  void clearCancel() { cancel_ = false; }

  // Windows register their bars under the names the operations use. Returns the bar registered before, so
  // a window that lends its own bars for one operation can give the names back.
  QProgressBar* registerProgressBar(const std::string& name, int index, QProgressBar* bar);

  // Sees the text of every message box, shown or intercepted (the status bar keeps the last).
  std::function<void(std::string_view text)> onMessage;
  // When set, message boxes are handed here instead of shown (tests capture them).
  std::function<MessageResult(const RecordedMessage&)> interceptor;

 private:
  QProgressBar* find(std::string_view bar, int index);
  std::map<std::pair<std::string, int>, QPointer<QProgressBar>> bars_;
  bool cancel_ = false;
};

}  // namespace zova::app
