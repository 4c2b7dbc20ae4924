// Command-line Ui.
#include "cli/terminal_ui.h"

#include "base/system.h"
#include "base/translation.h"

namespace zova {
namespace {

// How the progress line names an operation: the desktop's name of its bar, or (for the read before a send
// and the whole-controller operations) a few words in the chosen language.
std::string JobLabel(Job job) {
  switch (job) {
    case Job::ProgramSend:
    case Job::SourceSend:
      return "ProgressBarTrans";
    case Job::ProgramReceive:
    case Job::SourceReceive:
      return "ProgressBarReceive";
    case Job::LocationSend:
      return "ProgressBarLocTrans";
    case Job::LocationReceive:
      return "ProgressBarLocReceive";
    case Job::ShiftSend:
      return "ProgressBarSftLocTrans";
    case Job::ShiftReceive:
      return "ProgressBarSftLocReceive";
    case Job::SysPara:
      return "ProgressSysBar";
    case Job::SysParaReadFirst:
      return Tr("reading the controller's system parameters first");
    case Job::AxPara:
      return "AxProgressBar";
    case Job::AxParaReadFirst:
      return Tr("reading the controller's axis parameters first");
    case Job::Firmware:
      return "PrgBarWRI";
    case Job::Backup:
      return Tr("backup");
    case Job::Restore:
      return Tr("restore");
    case Job::Compare:
      return Tr("compare");
  }
  return {};
}

}  // namespace

TerminalUi::TerminalUi(std::FILE* err, bool showProgress)
    : err_(err), progress_(PrepareTerminal(err) && showProgress) {}

void TerminalUi::clearProgressLine() {
  if (lineOpen_) {
    std::fputs("\r\033[K", err_);
    lineOpen_ = false;
  }
}

MessageResult TerminalUi::messageBox(std::string_view text, std::string_view, MessageButtons, MessageIcon) {
  TerminalUi::note(text);
  ++messageCount;
  return MessageResult::Ok;
}

void TerminalUi::note(std::string_view text) {
  clearProgressLine();
  // A message box breaks lines at a lone CR; a terminal would overwrite the line instead.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool lineBreak = text[i] == '\r';
    if (lineBreak && i + 1 < text.size() && text[i + 1] == '\n') continue;
    std::fputc(lineBreak ? '\n' : text[i], err_);
  }
  std::fputc('\n', err_);
  std::fflush(err_);
}

void TerminalUi::showProgressMaximum(Job, int, int maximum) {
  maximum_ = maximum;
  lastPercent_ = -1;
}

void TerminalUi::showProgressValue(Job job, int index, int value) {
  if (!progress_ || maximum_ <= 0) return;
  int percent = static_cast<int>(100LL * value / maximum_);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  const std::string name = JobLabel(job);
  std::fprintf(err_, "\r%s(%d) %3d%%", name.c_str(), index, percent);
  std::fflush(err_);
  lineOpen_ = true;
}

}  // namespace zova
