// zovactl firmware, through the download window's operations.
#include <array>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "firmware/flash_download.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

// The state line of the download window, on standard error while the download runs. The result goes to
// standard output once, after the download.
class StateLines final : public firmware::DownloadDisplay {
 public:
  explicit StateLines(bool quiet) : quiet_(quiet) {}
  void setLabel(firmware::DownloadLabel label, const std::string& text) override {
    if (label != firmware::DownloadLabel::State || text == Tr(firmware::kStateSuccess) ||
        text == Tr(firmware::kStateError))
      return;
    say(text);
  }
  void setStoppable(bool stoppable) override { InterruptWatch::setStoppable(stoppable); }
  // The command line was the operator's answer; what goes where is still said before the erase.
  bool confirmErase(const std::string& summary) override {
    say(summary);
    return true;
  }

 private:
  void say(const std::string& text) const {
    if (!quiet_) std::fprintf(stderr, "%s\n", text.c_str());
  }
  bool quiet_;
};

}  // namespace

int RunFirmware(Context& ctx, const Args& args) {
  if (args.size() != 1) {
    ctx.ui->messageBox(Tr("usage: zovactl {1}", {"firmware FILE"}));
    return kExitUsage;
  }
  StateLines display(ctx.options.quiet);
  firmware::FirmwareDownload download(*ctx.link, display);
  switch (download.FileChosen(args[0])) {
    case firmware::FirmwareDownload::Choice::Chosen:
      break;
    case firmware::FirmwareDownload::Choice::NotHexName:
      ctx.ui->messageBox(Tr("the firmware file's name must end in .hex"));
      return kExitUsage;
    case firmware::FirmwareDownload::Choice::CannotRead:
    case firmware::FirmwareDownload::Choice::Damaged:
      return kExitFile;
  }
  const Outcome outcome = download.DownClick();
  if (outcome == Outcome::FileFailed || outcome == Outcome::FileDamaged || outcome == Outcome::Cancelled) {
    return ExitFor(outcome);
  }
  std::fprintf(ctx.out, "%s\n", download.StateText.c_str());
  if (download.RefusedAcks > 0) {
    ctx.ui->messageBox(Tr("refused acknowledgements: {1}", {std::to_string(download.RefusedAcks)}));
  }
  return ExitFor(outcome);
}

std::span<const Command> FirmwareCommands() {
  static const std::array commands = {
      Command{.name = "firmware",
              .synopsis = "firmware FILE",
              .help = TrMark("download an Intel HEX file into the controller's flash"),
              .run = RunFirmware,
              .needsPort = true},
  };
  return commands;
}

}  // namespace zova::cli
