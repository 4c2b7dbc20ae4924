// A Ui for the command line: messages on standard error, one per line; progress on a terminal only.
#pragma once

#include <cstdio>
#include <string>

#include "base/ui.h"

namespace zova {

class TerminalUi : public Ui {
 public:
  explicit TerminalUi(std::FILE* err = stderr, bool showProgress = true);
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override;
  // A line like a message's, but no report of a failure: it does not count in messageCount.
  void note(std::string_view text) override;

  int messageCount = 0;

  // Ends the progress line on the terminal, so what follows starts on a line of its own.
  void clearProgressLine();

 protected:
  void showProgressMaximum(Job job, int bar, int maximum) override;
  void showProgressValue(Job job, int bar, int value) override;
  void progressEnded(Job) override { clearProgressLine(); }

 private:
  std::FILE* err_;
  bool progress_;
  int maximum_ = 0;
  int lastPercent_ = -1;
  bool lineOpen_ = false;
};

}  // namespace zova
