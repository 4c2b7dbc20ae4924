// zovactl firmware, through the download window's operations.
#include "cli/cmd_firmware.h"

#include <cstdio>
#include <string>

#include "cli/interrupt.h"
#include "firmware/flash_download.h"
#include "link/translation.h"

namespace zova::cli {

namespace {

// The state line of the download window, on standard error while the download runs.
class StateLines final : public DownloadDisplay {
 public:
  explicit StateLines(bool quiet) : quiet_(quiet) {}
  void setLabel(DownloadLabel label, const std::string& text) override {
    if (!quiet_ && label == DownloadLabel::State) std::fprintf(stderr, "%s\n", text.c_str());
  }
  void setStoppable(bool stoppable) override { InterruptWatch::setStoppable(stoppable); }

 private:
  bool quiet_;
};

}  // namespace

int RunFirmware(Context& ctx, const Args& args) {
  if (args.size() != 1) {
    ctx.ui->messageBox(Tr("usage: zovactl {1}", {"firmware FILE"}));
    return kExitUsage;
  }
  StateLines display(ctx.options.quiet);
  FirmwareDownload download(*ctx.link, display);
  switch (download.FileChosen(args[0])) {
    case FirmwareDownload::Choice::Chosen:
      break;
    case FirmwareDownload::Choice::NotHexName:
      ctx.ui->messageBox(Tr("the firmware file's name must end in .hex (lower case)"));
      return kExitUsage;
    case FirmwareDownload::Choice::CannotRead:
    case FirmwareDownload::Choice::Damaged:
      return kExitFile;
  }
  const FirmwareDownload::Outcome outcome = download.DownClick();
  if (outcome == FirmwareDownload::Outcome::FileRefused) return kExitFile;
  if (outcome == FirmwareDownload::Outcome::Cancelled) return kExitInterrupted;
  std::fprintf(ctx.out, "%s\n", download.StateText.c_str());
  if (download.RefusedAcks > 0) {
    ctx.ui->messageBox(Tr("refused acknowledgements: {1}", {std::to_string(download.RefusedAcks)}));
  }
  return outcome == FirmwareDownload::Outcome::Success ? kExitOk : kExitLink;
}

}  // namespace zova::cli
