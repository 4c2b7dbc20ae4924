// Program transfer: the state the window sets, unpacking a received block, and writing the listing file.
#include "programs/program_transfer.h"

#include <span>

#include "language/listing.h"
#include "programs/listing_check.h"
#include "programs/program_files.h"
#include "programs/program_wire.h"
#include "base/atomic_file.h"

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

bool ProgramTransfer::GoOn(Link& link, const Outcome& outcome, TransferReport& report, bool more) {
  switch (outcome.code) {
    case Outcome::Ok:
      ++report.transferred;
      return true;
    case Outcome::BadChecksum:
      ++report.rejected;
      return true;
    case Outcome::FileFailed:
      ++report.notSaved;
      return true;
    default:
      break;
  }
  ++report.failed;
  report.failure = outcome;
  if (outcome == Outcome::LineDead) {
    report.lineDead = true;
    return false;
  }
  // The controller may still be sending, or waiting for bytes that will not come: a whole quiet reply
  // bound lets it give the request up, so the next handshake is not taken for part of this one.
  if (more) Settle(link, link.timeouts.reply);
  return true;
}

Outcome TransferReport::outcome() const {
  if (refused) return Outcome::Refused;
  if (cancelled) return Outcome::Cancelled;
  if (failed > 0) return failure;
  if (rejected > 0) return {Outcome::BadChecksum, std::to_string(rejected) + " program blocks"};
  if (notCompiled > 0) return {Outcome::FileDamaged, std::to_string(notCompiled) + " programs did not compile"};
  if (notSaved > 0) return {Outcome::FileFailed, std::to_string(notSaved) + " listings not written"};
  if (!notCompilingBack.empty()) return {Outcome::Different, notCompilingBack.front()};
  return {};
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
