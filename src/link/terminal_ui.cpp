// Command-line Ui.
#include "link/terminal_ui.h"

#include "link/system.h"
#include "link/translation.h"

namespace zova {

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

void TerminalUi::setProgressMaximum(std::string_view, int, int maximum) {
  maximum_ = maximum;
  lastPercent_ = -1;
}

void TerminalUi::setProgressValue(std::string_view bar, int index, int value) {
  if (!progress_ || maximum_ <= 0) return;
  int percent = static_cast<int>(100LL * value / maximum_);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  // A bar named in words (a backup's) reads in the chosen language; a control's name stays as it is.
  const std::string name = Tr(bar);
  std::fprintf(err_, "\r%s(%d) %3d%%", name.c_str(), index, percent);
  std::fflush(err_);
  lineOpen_ = true;
}

}  // namespace zova
