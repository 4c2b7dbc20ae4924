// Program transfer: the state the window sets, unpacking a received block, and writing the listing file.
#include "language/transfer/program_transfer.h"

#include <span>

#include "language/listing.h"
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

void ProgramTransfer::UnpackProgram(const Link& link) {
  UnpackProgramBlock(std::span<const std::uint8_t, kProgramBlockBytes>(link.BlockBuffer.data(), kProgramBlockBytes),
                     store_, RxProgramNo);
}

bool ProgramTransfer::WriteProgramListing(Ui& ui, int program, int mode) {
  const std::string path = mode == kModeSingle ? RecvFileName : AllModeFileName(RecvFolder, program);
  const std::string text = language::ListProgram(store_, config_.machineType);
  std::string error;
  SaveFailure where;
  if (SaveFileAtomically(path, text, error, where)) return true;
  ui.messageBox(ListingWriteErrorText(where.errorNumber, kErrorComponent, error), kListingErrorTitle);
  return false;
}

}  // namespace zova::programs
