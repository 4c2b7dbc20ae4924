// Program transfer: the state the window sets, unpacking a received block, and writing the listing file.
#include "language/transfer/program_transfer.h"

#include <span>

#include "language/listing.h"
#include "language/transfer/listing_check.h"
#include "language/transfer/program_files.h"
#include "language/transfer/program_wire.h"
#include "link/atomic_file.h"

namespace zova::programs {

ProgramTransfer::ProgramTransfer(language::ProgramStore& store, language::LanguageConfig config)
    : store_(store), config_(config) {}

void ProgramTransfer::ChooseTransFile(std::string_view chosen) {
  TransFolder = FolderOf(chosen);
  TransFileName = PcFileNameFor(chosen);
}

void ProgramTransfer::ChooseRecvFile(std::string_view chosen) {
  RecvFolder = FolderOf(chosen);
  RecvFileName = PcFileNameFor(chosen);
}

void ProgramTransfer::Settle(Link& link, Duration quiet) {
  std::uint8_t byte = 0;
  for (std::size_t n = 0; n < kCommentBlockBytes + 16 && link.WaitByte(byte, quiet); ++n) {
  }
}

bool ProgramTransfer::GoOn(Link& link, Outcome outcome, TransferReport& report, bool more) {
  switch (outcome) {
    case Outcome::Done:
      ++report.transferred;
      break;
    case Outcome::NotCompiled:
      ++report.notCompiled;
      break;
    case Outcome::Rejected:
      ++report.rejected;
      break;
    case Outcome::NotSaved:
      ++report.notSaved;
      break;
    case Outcome::Failed:
      ++report.failed;
      // The controller may still be sending, or waiting for bytes that will not come: a whole quiet reply
      // bound lets it give the request up, so the next handshake is not taken for part of this one.
      if (more) Settle(link, link.timeouts.reply);
      break;
    case Outcome::LineDead:
      ++report.failed;
      report.lineDead = true;
      return false;
  }
  return true;
}

void ProgramTransfer::UnpackProgram(const Link& link) {
  UnpackProgramBlock(std::span<const std::uint8_t, kProgramBlockBytes>(link.BlockBuffer.data(), kProgramBlockBytes),
                     store_, RxProgramNo);
}

bool ProgramTransfer::WriteProgramListing(Ui& ui, int program, int mode) {
  const std::string path = mode == kModeSingle ? RecvFileName : AllModeFileName(RecvFolder, program);
  const std::string text = language::ListProgram(store_, config_.machineType);
  std::string error;
  SaveFailure where;
  if (SaveFileAtomically(path, text, error, where)) {
    for (const TextFault& fault : ListingMismatches(store_, config_)) {
      notCompilingBack_.push_back(FormatTextFault(path, fault));
    }
    return true;
  }
  ui.messageBox(ListingWriteErrorText(where.errorNumber, kErrorComponent, error), Tr(kListingErrorTitle));
  return false;
}

}  // namespace zova::programs
