// Transmitting programs: compile the source file, then the program block (answered SYN) and the comment
// block (answered EOT); an empty program is the single byte 0x00.
#include <cstdint>
#include <memory>
#include <string>

#include "language/source_check.h"

#include "programs/program_files.h"
#include "programs/program_transfer.h"
#include "programs/program_wire.h"
#include "link/commands.h"
#include "base/atomic_file.h"
#include "link/link_error.h"
#include "base/text_lines.h"

namespace zova::programs {

namespace {

constexpr int kWordsPerBlock = language::kImageWords;

}  // namespace

std::string ProgramTransfer::problemText(std::string_view name, int line, std::string_view message) const {
  if (line <= 0) return std::string(message);
  if (problemsAsFileLine) return std::string(name) + ":" + std::to_string(line) + ": " + std::string(message);
  // The window keeps the compiler's own words, which operators know, and says where they belong.
  return std::string(message) + "\n\n" + Tr("{1}, line {2}", {std::string(name), std::to_string(line)});
}

bool ProgramTransfer::compileForSending(Ui& ui, language::ProgramStore& store, int program, const std::string& name,
                                        std::string_view source) {
  const language::SourceCheck check = language::CheckSource(source, config_, store, program);
  for (const language::SourceProblem& p : check.problems) ui.messageBox(problemText(name, p.line, p.message));
  return check.problems.empty();
}

bool ProgramTransfer::compileFileForSending(Ui& ui, language::ProgramStore& store, int program,
                                            const std::string& path) {
  std::string source;
  std::string error;
  if (!ReadTextFile(path, language::kSourceFileMaxBytes, source, error)) {
    ui.messageBox(FormatFileFault(path, error));
    return false;
  }
  return compileForSending(ui, store, program, path, source);
}

bool ProgramTransfer::singleMayStart(Ui& ui, int program, TransferReport& report) {
  if (program < kFirstProgram || program > kLastProgram) {
    ui.messageBox(Tr(kMsgProgramNumberRange));
    report.refused = true;
    return false;
  }
  if (ui.cancelRequested()) {
    report.cancelled = true;
    return false;
  }
  return true;
}

Outcome ProgramTransfer::sendOne(Link& link, int program) {
  Ui& ui = link.ui();
  auto fail = [&](Outcome why) {
    ShowOutcome(link.ui(), why);
    return why;
  };
  // A handshake with no answer (or stopped) shows only its own message and ends the transfer.
  if (Outcome o = link.StartCommand(cmd::kSendProgram); !o) {
    return link.HandshakeTimedOut ? Outcome(Outcome::LineDead, to_string(o)) : fail(o);
  }
  if (Outcome o = link.SendTwoOperands(program, program); !o) return fail(o);

  const ProgramBlock block = PackProgramBlock(store_, program);
  ui.setProgressMaximum(sendJob_, kProgramBarIndex, kWordsPerBlock);
  std::uint32_t sum = block[0];
  link.SendByte(block[0]);
  if (block[0] == 0) {
    ui.setProgressValue(sendJob_, kProgramBarIndex, kWordsPerBlock);
    const Outcome acknowledged = link.WaitEot();
    ui.setProgressValue(sendJob_, kProgramBarIndex, 0);
    return acknowledged ? acknowledged : fail(acknowledged);
  }
  link.SendByte(block[1]);
  sum += block[1];
  for (int w = 0; w < kWordsPerBlock; ++w) {
    for (std::size_t i = 0; i < 4; ++i) {
      const std::uint8_t byte = block[2 + 4 * static_cast<std::size_t>(w) + i];
      link.SendByte(byte);
      sum += byte;
    }
    ui.setProgressValue(sendJob_, kProgramBarIndex, w);
  }
  ui.setProgressValue(sendJob_, kProgramBarIndex, 0);
  if (Outcome o = link.SendChecksumSyn(Link::ChecksumFor(sum)); !o) return fail(o);

  ui.setProgressMaximum(sendJob_, kCommentBarIndex, language::kCommentRows);
  for (int r = 0; r < language::kCommentRows; ++r) {
    for (std::uint16_t cell : store_.comments[static_cast<std::size_t>(r)]) {
      link.SendByte(static_cast<std::uint8_t>(cell & 0xFF));
    }
    ui.setProgressValue(sendJob_, kCommentBarIndex, r);
  }
  ui.setProgressValue(sendJob_, kCommentBarIndex, 0);
  const Outcome acknowledged = link.WaitEot();
  return acknowledged ? acknowledged : fail(acknowledged);
}

TransferReport ProgramTransfer::SendPrograms(Link& link, int mode) {
  TransferReport report;
  Ui& ui = link.ui();
  const bool all = mode == kModeAll;
  if (!all && TransFileName.empty()) {
    ui.messageBox(Tr(kMsgNoTransFile));
    report.refused = true;
  } else if (!all && (TxProgramNo < kFirstProgram || TxProgramNo > kLastProgram)) {
    ui.messageBox(Tr(kMsgProgramNumberRange));
    report.refused = true;
  } else if (all && TransFolder.empty()) {
    ui.messageBox(Tr(kMsgNoTransFolder));
    report.refused = true;
  }
  if (report.refused) return report;

  if (all) {
    // A controller left with some programs new and some old runs a mix nobody wrote: every file must
    // compile before the first program goes.
    const auto scratch = std::make_unique<language::ProgramStore>();
    int failing = 0;
    for (int n = kFirstProgram; n <= kLastProgram; ++n) {
      if (!compileFileForSending(ui, *scratch, n, AllModeFileName(TransFolder, n))) ++failing;
    }
    if (failing > 0) {
      ui.messageBox(Tr("nothing was sent: {1} of the 32 programs have problems", {std::to_string(failing)}));
      report.notCompiled = failing;
      return report;
    }
  }
  const int first = all ? kFirstProgram : TxProgramNo;
  const int last = all ? kLastProgram : TxProgramNo;
  for (int n = first; n <= last; ++n) {
    if (ui.cancelRequested()) {
      report.cancelled = true;
      break;
    }
    std::string path = TransFileName;
    if (all) {
      TxProgramNo = n;
      if (onProgramNumber) onProgramNumber(n);
      path = AllModeFileName(TransFolder, n);
    }
    if (!compileFileForSending(ui, store_, n, path)) {
      // Changed since the first pass: the compiler has said what is wrong, and which program stayed behind.
      if (all) ui.messageBox(Tr(kMsgNotCompiled) + path);
      ++report.notCompiled;
      continue;
    }
    if (!GoOn(link, sendOne(link, n), report, n < last)) break;
  }
  // Both bars rest at 0 on every way out, a failed exchange included.
  ui.setProgressValue(sendJob_, kProgramBarIndex, 0);
  ui.setProgressValue(sendJob_, kCommentBarIndex, 0);
  return report;
}

TransferReport ProgramTransfer::SendSource(Link& link, std::string_view source) {
  const ReportAs editor(sendJob_, Job::SourceSend);
  TransferReport report;
  Ui& ui = link.ui();
  const int n = TxProgramNo;
  if (!singleMayStart(ui, n, report)) return report;
  if (!compileForSending(ui, store_, n, Tr("program {1}", {std::to_string(n)}), source)) {
    ++report.notCompiled;
    return report;
  }
  (void)GoOn(link, sendOne(link, n), report, false);
  ui.setProgressValue(sendJob_, kProgramBarIndex, 0);
  ui.setProgressValue(sendJob_, kCommentBarIndex, 0);
  return report;
}

TransferReport ProgramTransfer::SendStoredProgram(Link& link, int program) {
  TransferReport report;
  Ui& ui = link.ui();
  if (program < kFirstProgram || program > kLastProgram) {
    ui.messageBox(Tr(kMsgProgramNumberRange));
    report.refused = true;
  } else if (ui.cancelRequested()) {
    report.cancelled = true;
  } else {
    (void)GoOn(link, sendOne(link, program), report, false);
  }
  ui.setProgressValue(sendJob_, kProgramBarIndex, 0);
  ui.setProgressValue(sendJob_, kCommentBarIndex, 0);
  return report;
}

}  // namespace zova::programs
