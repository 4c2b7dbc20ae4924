// A Ui that records every message and progress step, for tests and for scripted runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/ui.h"

namespace zova {

struct RecordedMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
  MessageIcon icon;
};

struct RecordedProgress {
  std::string bar;
  int index;
  bool maximum;  // true: setProgressMaximum, false: setProgressValue
  int value;
};

class RecordingUi : public Ui {
 public:
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override;
  void setProgressMaximum(std::string_view bar, int index, int maximum) override;
  void setProgressValue(std::string_view bar, int index, int value) override;
  void yield() override {
    ++yields;
    if (onYield) onYield();
  }

  bool cancelRequested() override { return cancelWhen && cancelWhen(); }
  void note(std::string_view text) override { notes.emplace_back(text); }

  // Message texts only, in order.
  [[nodiscard]] std::vector<std::string> texts() const;
  void clear();

  std::vector<RecordedMessage> messages;
  std::vector<RecordedProgress> progress;
  std::vector<std::string> notes;
  bool recordProgress = true;
  int yields = 0;
  // Runs inside every yield, as a timer tick or a click would.
  std::function<void()> onYield;
  // Answers cancelRequested(); unset: never.
  std::function<bool()> cancelWhen;
};

}  // namespace zova
