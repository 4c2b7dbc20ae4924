// A Ui that records every message and progress step, for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/ui.h"

namespace zova {

struct RecordedMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
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
                           MessageIcon) override {
    messages.push_back({std::string(text), std::string(title), buttons});
    return MessageResult::Ok;
  }
  bool stopAsked() override { return cancelWhen && cancelWhen(); }
  void note(std::string_view text) override { notes.emplace_back(text); }
  void yield() override {
    if (onYield) onYield();
  }

  // Message texts only, in order.
  [[nodiscard]] std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }
  void clear() {
    messages.clear();
    progress.clear();
    notes.clear();
  }

  std::vector<RecordedMessage> messages;
  std::vector<RecordedProgress> progress;
  std::vector<std::string> notes;
  // Answers stopAsked(); unset: never.
  std::function<bool()> cancelWhen;
  // Runs where the event loop would (a window's clicks arrive there).
  std::function<void()> onYield;

 protected:
  void showProgressMaximum(Job job, int index, int maximum) override {
    progress.push_back({job, index, true, maximum});
  }
  void showProgressValue(Job job, int index, int value) override { progress.push_back({job, index, false, value}); }
};

}  // namespace zova
