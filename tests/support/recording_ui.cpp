// Recording Ui.
#include "support/recording_ui.h"

namespace zova {

MessageResult RecordingUi::messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                                      MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), buttons, icon});
  return MessageResult::Ok;
}

void RecordingUi::showProgressMaximum(Job job, int index, int maximum) {
  if (recordProgress) progress.push_back({job, index, true, maximum});
}

void RecordingUi::showProgressValue(Job job, int index, int value) {
  if (recordProgress) progress.push_back({job, index, false, value});
}

std::vector<std::string> RecordingUi::texts() const {
  std::vector<std::string> out;
  out.reserve(messages.size());
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

void RecordingUi::clear() {
  messages.clear();
  progress.clear();
  notes.clear();
  yields = 0;
}

}  // namespace zova
