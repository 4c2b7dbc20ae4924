// Receiving programs: the program block closed by its checksum and SYN, then the comment block, answered EOT
// when all of it is in; an empty program arrives as the single byte 0x00.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "language/listing.h"
#include "language/transfer/program_files.h"
#include "language/transfer/program_transfer.h"
#include "language/transfer/program_wire.h"
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

Outcome ProgramTransfer::receiveOne(Link& link, int program, int mode, std::string* listing) {
  Ui& ui = link.ui();
  auto fail = [&](Outcome why) {
    ShowOutcome(link.ui(), why);
    return why;
  };
  auto finish = [&](std::size_t blockBytes) {
    link.SendByte(EOT);
    UnpackProgram(link);
    bool saved = false;
    if (listing != nullptr) {
      *listing = language::ListProgram(store_, config_.machineType);
      saved = true;
    } else if (onReceived) {
      saved = onReceived(program, std::span<const std::uint8_t>(link.BlockBuffer.data(), blockBytes));
    } else {
      saved = WriteProgramListing(ui, program, mode);
    }
    return saved ? Outcome() : Outcome(Outcome::FileFailed, "program " + std::to_string(program));
  };

  std::fill_n(link.BlockBuffer.begin(), kProgramBlockBytes + 1, std::uint8_t{0});
  store_.clearComments();
  if (Outcome o = link.StartCommand(cmd::kReceiveProgram); !o) {
    return link.HandshakeTimedOut ? Outcome(Outcome::LineDead, to_string(o)) : fail(o);
  }
  link.BlockLength = kBlockBytes;
  if (Outcome o = link.SendTwoOperands(program, program); !o) return fail(o);

  ui.setProgressMaximum(receiveJob_, kProgramBarIndex, kBlockBytes);
  std::uint32_t sum = 0;
  for (int count = 0; count < kBlockBytes;) {
    std::uint8_t byte = 0;
    if (Outcome o = link.NextByte(byte); !o) return fail(o);
    link.BlockBuffer[static_cast<std::size_t>(count)] = byte;
    sum += byte;
    ++count;
    ui.setProgressValue(receiveJob_, kProgramBarIndex, count);
    if (count == 1 && byte == 0) {
      // An empty program: nothing more comes; its image is the end record alone.
      link.BlockBuffer[kWordZeroTopByte] = 0xFF;
      ui.setProgressValue(receiveJob_, kProgramBarIndex, kBlockBytes);
      const Outcome outcome = finish(1);
      ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
      return outcome;
    }
  }
  ui.setProgressValue(receiveJob_, kProgramBarIndex, 0);
  if (Outcome o = link.ReceiveChecksumSyn(); !o) return fail(o);
  if (((sum + static_cast<std::uint32_t>(link.RxChecksum)) & 0xFFu) != 0) {
    link.SendByte(DLE);
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
  if (!all && RecvFileName.empty() && !onReceived) {
    ui.messageBox(Tr(kMsgNoRecvFile));
    report.refused = true;
  } else if (!all && (RxProgramNo < kFirstProgram || RxProgramNo > kLastProgram)) {
    ui.messageBox(Tr(kMsgProgramNumberRange));
    report.refused = true;
  } else if (all && RecvFolder.empty() && !onReceived) {
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

}  // namespace zova::programs
