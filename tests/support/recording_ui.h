// A Ui that records every message and progress step, for tests.
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
  Job job;
  int index;
  bool maximum;  // true: setProgressMaximum, false: setProgressValue
  int value;
};

class RecordingUi : public Ui {
 public:
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override;
  void yield() override {
    ++yields;
    if (onYield) onYield();
  }

  bool stopAsked() override { return cancelWhen && cancelWhen(); }
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
  // Answers stopAsked(); unset: never.
  std::function<bool()> cancelWhen;

 protected:
  void showProgressMaximum(Job job, int index, int maximum) override;
  void showProgressValue(Job job, int index, int value) override;
};

}  // namespace zova
