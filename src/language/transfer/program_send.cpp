// Transmitting programs: compile the source file, then the program block (answered SYN) and the comment
// block (answered EOT); an empty program is the single byte 0x00.
#include <cstdint>

#include "language/transfer/program_files.h"
#include "language/transfer/program_transfer.h"
#include "language/transfer/program_wire.h"
#include "link/commands.h"
#include "link/link_error.h"

namespace zova::programs {

namespace {

// Passes everything on and counts the message boxes: a compile that showed any message is not sent.
class MessageCountingUi final : public Ui {
 public:
  explicit MessageCountingUi(Ui& inner) : inner_(inner) {}
  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override {
    ++count;
    return inner_.messageBox(text, title, buttons, icon);
  }
  void setProgressMaximum(std::string_view bar, int index, int maximum) override {
    inner_.setProgressMaximum(bar, index, maximum);
  }
  void setProgressValue(std::string_view bar, int index, int value) override {
    inner_.setProgressValue(bar, index, value);
  }
  void yield() override { inner_.yield(); }
  bool cancelRequested() override { return inner_.cancelRequested(); }

  int count = 0;

 private:
  Ui& inner_;
};

constexpr int kWordsPerBlock = language::kImageWords;

}  // namespace

bool ProgramTransfer::compileForSending(Ui& ui, const std::string& name,
                                        const std::function<bool(language::Compiler&)>& compile) {
  MessageCountingUi counting(ui);
  language::Compiler compiler(store_, counting, config_);
  const bool reachedEnd = compile(compiler);
  if (!reachedEnd && counting.count == 0 && explainCompileEnds) {
    ui.messageBox(name + ": " + language::CompileEndProblem(compiler.end()));
  }
  return reachedEnd && counting.count == 0;
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

ProgramTransfer::Outcome ProgramTransfer::sendOne(Link& link, int program) {
  Ui& ui = link.ui();
  auto fail = [&] {
    ShowLinkFailure(link);
    return Outcome::Failed;
  };
  if (!link.StartCommand(cmd::kSendProgram)) return link.HandshakeTimedOut ? Outcome::LineDead : fail();
  if (!link.SendTwoOperands(program, program)) return fail();

  const ProgramBlock block = PackProgramBlock(store_, program);
  ui.setProgressMaximum(kTransBar, kProgramBarIndex, kWordsPerBlock);
  std::uint32_t sum = block[0];
  link.SendByte(block[0]);
  if (block[0] == 0) {
    ui.setProgressValue(kTransBar, kProgramBarIndex, kWordsPerBlock);
    const bool acknowledged = link.WaitEot();
    ui.setProgressValue(kTransBar, kProgramBarIndex, 0);
    return acknowledged ? Outcome::Done : fail();
  }
  link.SendByte(block[1]);
  sum += block[1];
  for (int w = 0; w < kWordsPerBlock; ++w) {
    for (std::size_t i = 0; i < 4; ++i) {
      const std::uint8_t byte = block[2 + 4 * static_cast<std::size_t>(w) + i];
      link.SendByte(byte);
      sum += byte;
    }
    ui.setProgressValue(kTransBar, kProgramBarIndex, w);
  }
  ui.setProgressValue(kTransBar, kProgramBarIndex, 0);
  if (!link.SendChecksumSyn(Link::ChecksumFor(sum))) return fail();

  ui.setProgressMaximum(kTransBar, kCommentBarIndex, language::kCommentRows);
  for (int r = 0; r < language::kCommentRows; ++r) {
    for (std::uint16_t cell : store_.comments[static_cast<std::size_t>(r)]) {
      link.SendByte(static_cast<std::uint8_t>(cell & 0xFF));
    }
    ui.setProgressValue(kTransBar, kCommentBarIndex, r);
  }
  ui.setProgressValue(kTransBar, kCommentBarIndex, 0);
  return link.WaitEot() ? Outcome::Done : fail();
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
    if (!compileForSending(ui, path, [&](language::Compiler& c) { return c.compileFile(n, path); })) {
      // The compiler has said what is wrong; in all mode the operator also learns which program stayed behind.
      if (all) ui.messageBox(Tr(kMsgNotCompiled) + path);
      ++report.notCompiled;
      continue;
    }
    if (!GoOn(link, sendOne(link, n), report, n < last)) break;
  }
  // Both bars rest at 0 on every way out, a failed exchange included.
  ui.setProgressValue(kTransBar, kProgramBarIndex, 0);
  ui.setProgressValue(kTransBar, kCommentBarIndex, 0);
  return report;
}

TransferReport ProgramTransfer::SendSource(Link& link, std::string_view source) {
  TransferReport report;
  Ui& ui = link.ui();
  const int n = TxProgramNo;
  if (!singleMayStart(ui, n, report)) return report;
  if (!compileForSending(ui, Tr("program {1}", {std::to_string(n)}),
                         [&](language::Compiler& c) { return c.compileSource(n, source); })) {
    ++report.notCompiled;
    return report;
  }
  (void)GoOn(link, sendOne(link, n), report, false);
  ui.setProgressValue(kTransBar, kProgramBarIndex, 0);
  ui.setProgressValue(kTransBar, kCommentBarIndex, 0);
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
  ui.setProgressValue(kTransBar, kProgramBarIndex, 0);
  ui.setProgressValue(kTransBar, kCommentBarIndex, 0);
  return report;
}

}  // namespace zova::programs
