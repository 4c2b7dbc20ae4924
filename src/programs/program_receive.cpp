// Receiving programs: the program block closed by its checksum and SYN, then the comment block, answered EOT
// when all of it is in; an empty program arrives as the single byte 0x00.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "language/listing.h"
#include "programs/program_files.h"
#include "programs/program_transfer.h"
#include "programs/program_wire.h"
#include "link/commands.h"
#include "link/link_error.h"

namespace zova::programs {

namespace {

constexpr int kBlockBytes = static_cast<int>(kProgramBlockBytes);
// Index of the top byte of word 0: 0xFF there makes word 0 the end record.
constexpr std::size_t kWordZeroTopByte = 5;
// After a DLE the controller's comment block is still on its way; it must not be taken for the answer to
// the next handshake. The line counts as clear after this much quiet.
constexpr auto kDrainQuiet = milliseconds(200);

}  // namespace

Outcome ProgramTransfer::receiveOne(Link& link, int program, int mode, std::string* listing,
                                    std::vector<std::uint8_t>* received) {
  Ui& ui = link.ui();
  auto fail = [&](Outcome why) {
    ShowOutcome(link.ui(), why);
    return why;
  };
  // The program block as it arrives; an empty program leaves the rest zero.
  std::vector<std::uint8_t> block(kProgramBlockBytes, 0);
  auto finish = [&](std::size_t blockBytes) {
    link.SendByte(EOT);
    if (received != nullptr) received->assign(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(blockBytes));
    if (blockBytes == 1) block[kWordZeroTopByte] = 0xFF;  // the image of an empty program is the end record alone
    UnpackProgramBlock(std::span<const std::uint8_t, kProgramBlockBytes>(block), store_, program);
    bool saved = true;
    if (listing != nullptr) {
      *listing = language::ListProgram(store_, config_.machineType);
    } else if (received == nullptr) {
      saved = WriteProgramListing(ui, program, mode);
    }
    return saved ? Outcome() : Outcome(Outcome::FileFailed, "program " + std::to_string(program));
  };

  store_.clearComments();
  if (Outcome o = link.StartCommand(cmd::kReceiveProgram); !o) {
    return link.HandshakeTimedOut ? Outcome(Outcome::LineDead, to_string(o)) : fail(o);
  }
  if (Outcome o = link.SendTwoOperands(program, program); !o) return fail(o);

  ui.setProgressMaximum(receiveJob_, kProgramBarIndex, kBlockBytes);
  std::uint32_t sum = 0;
  for (int count = 0; count < kBlockBytes;) {
    std::uint8_t byte = 0;
    if (Outcome o = link.NextByte(byte); !o) return fail(o);
    block[static_cast<std::size_t>(count)] = byte;
    sum += byte;
    ++count;
    ui.setProgressValue(receiveJob_, kProgramBarIndex, count);
    if (count == 1 && byte == 0) {
      // An empty program: nothing more comes.
      ui.setProgressValue(receiveJob_, kProgramBarIndex, kBlockBytes);
      const Outcome outcome = finish(1);
      ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
      return outcome;
    }
  }
  ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
  if (Outcome o = link.ReceiveChecksumSyn(sum); !o) {
    if (o != Outcome::BadChecksum) return fail(o);
    // Answered DLE; the comment block the controller still sends must not meet the next handshake.
    Settle(link, kDrainQuiet);
    return {Outcome::BadChecksum, "program " + std::to_string(program)};
  }

  ui.setProgressMaximum(receiveJob_, kCommentBarIndex, language::kCommentRows);
  for (int r = 0; r < language::kCommentRows; ++r) {
    for (std::uint16_t& cell : store_.comments[static_cast<std::size_t>(r)]) {
      std::uint8_t byte = 0;
      if (Outcome o = link.NextByte(byte); !o) return fail(o);
      cell = byte;
    }
    ui.setProgressValue(receiveJob_, kCommentBarIndex, r);
  }
  ui.setProgressValue(receiveJob_, kCommentBarIndex, 0);
  return finish(kProgramBlockBytes);
}

TransferReport ProgramTransfer::ReceivePrograms(Link& link, int mode) {
  TransferReport report;
  Ui& ui = link.ui();
  const bool all = mode == kModeAll;
  if (!all && RecvFileName.empty()) {
    ui.messageBox(Tr(kMsgNoRecvFile));
    report.refused = true;
  } else if (!all && (RxProgramNo < kFirstProgram || RxProgramNo > kLastProgram)) {
    ui.messageBox(Tr(kMsgProgramNumberRange));
    report.refused = true;
  } else if (all && RecvFolder.empty()) {
    ui.messageBox(Tr(kMsgNoRecvFolder));
    report.refused = true;
  }
  if (report.refused) return report;

  notCompilingBack_.clear();
  const int first = all ? kFirstProgram : RxProgramNo;
  const int last = all ? kLastProgram : RxProgramNo;
  for (int n = first; n <= last; ++n) {
    if (ui.cancelRequested()) {
      report.cancelled = true;
      break;
    }
    if (all) {
      RxProgramNo = n;  // as the "TEV File #" box does when it shows n
      if (onProgramNumber) onProgramNumber(n);
    }
    if (!GoOn(link, receiveOne(link, n, mode), report, n < last)) break;
  }
  // Both bars rest at 0 on every way out, a failed exchange included.
  ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
  ui.setProgressValue(receiveJob_, kCommentBarIndex, 0);
  report.notCompilingBack = std::move(notCompilingBack_);
  notCompilingBack_.clear();
  return report;
}

TransferReport ProgramTransfer::ReceiveSource(Link& link, std::string& source) {
  const ReportAs editor(receiveJob_, Job::SourceReceive);
  TransferReport report;
  Ui& ui = link.ui();
  if (!singleMayStart(ui, RxProgramNo, report)) return report;
  (void)GoOn(link, receiveOne(link, RxProgramNo, kModeSingle, &source), report, false);
  ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
  ui.setProgressValue(receiveJob_, kCommentBarIndex, 0);
  return report;
}

TransferReport ProgramTransfer::ReceiveStoredProgram(Link& link, int program, std::vector<std::uint8_t>& block) {
  TransferReport report;
  Ui& ui = link.ui();
  RxProgramNo = program;
  if (!singleMayStart(ui, program, report)) return report;
  (void)GoOn(link, receiveOne(link, program, kModeSingle, nullptr, &block), report, false);
  ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
  ui.setProgressValue(receiveJob_, kCommentBarIndex, 0);
  return report;
}

}  // namespace zova::programs
