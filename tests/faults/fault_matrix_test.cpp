// Every operation against the simulated controller under every line fault. Each case checks the
// message, the busy flag, the time taken, that tables and files are whole (old or new, never torn),
// and that the next exchange on a healthy line succeeds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "firmware/flash_download.h"
#include "firmware/hex_builder.h"
#include "language/program_store.h"
#include "programs/program_files.h"
#include "programs/program_transfer.h"
#include "link/commands.h"
#include "link/connection.h"
#include "link/requests.h"
#include "parameters/ax_para_transfer.h"
#include "parameters/sys_para_transfer.h"
#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/table_jobs.h"
#include "support/program_samples.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova {
namespace {

namespace fs = std::filesystem;
constexpr int kAxes = 4;
constexpr const char* kOldFileText = "old contents\r\n";

template <class Range>
std::string Join(const Range& values) {
  std::string s;
  for (auto v : values) s += std::to_string(v) + ",";
  return s;
}

// One simulated controller, one host and a scratch folder: everything an operation may touch.
struct Env : test::ScratchFolder {
  Env()
      : ScratchFolder(fs::temp_directory_path() /
                      ("zova_faults_" + std::to_string(::getpid()) + "_" + std::to_string(++count))) {}
  static inline int count = 0;
  test::SimRig rig{kAxes};
  positions::PositionData data;
  parameters::SysPara sys;
  parameters::AxPara ax;
  language::ProgramStore store;
  programs::ProgramTransfer transfer{store, language::LanguageConfig{6, 0}};
  firmware::DownloadDisplay display;
  firmware::FirmwareDownload firmware{rig.link, display};
  IoImage image;
  std::array<std::int32_t, 6> positions{};
  std::array<std::uint32_t, 6> sensors{};
  ErrorReport report;
};

enum class Result { Ok, BadChecksum, Failed, Cancelled };

struct Operation {
  std::string name;
  bool receivesBlocks;   // reply blocks come back: checksum, terminator and short-block faults apply
  bool announces;        // a reply block's length is announced
  Duration longestWait;  // the longest wait after the handshake
  std::function<void(Env&)> prepare;
  std::function<Result(Env&)> run;
  // The state the operation may change, in units that must each stay whole: old or as a healthy run leaves them.
  std::function<std::vector<std::string>(Env&)> units;
  bool controllerSyn = true;  // the controller accepts something with SYN (else a DLE-for-SYN fault has no effect)
  // True when the operation, failing where it stopped, ends without the error box by design (the firmware
  // download before its data: after a failed handshake or a refused erase).
  std::function<bool(Env&)> endsSilently = [](Env&) { return false; };
  bool cancellable = false;  // looks for the operator's request to stop before each exchange
};

Result Classify(const Outcome& o) {
  return o.ok()                      ? Result::Ok
         : o == Outcome::BadChecksum ? Result::BadChecksum
         : o == Outcome::Cancelled   ? Result::Cancelled
                                     : Result::Failed;
}

// --- location and shift tables ---

void FillController(std::vector<sim::StoredPosition>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t a = 0; a < 6; ++a) rows[r][a] = a < kAxes ? static_cast<std::int32_t>(r * 10 + a + 1) : 0;
  }
}

void FillHost(positions::PositionTable& table, std::int32_t value) {
  for (int r = 0; r <= table.layout().lastNumber; ++r) table[r].fill(value);
}

// The file a fetch merges into: every row -7, as the host table starts.
std::string OldTableFile(const positions::TableLayout& layout) {
  positions::PositionTable old(layout);
  FillHost(old, -7);
  return positions::FormatTableFile(old);
}

std::vector<std::string> TableUnits(const positions::PositionTable& table, const std::vector<sim::StoredPosition>& ctl,
                                    const std::string* file) {
  std::vector<std::string> units;
  for (int r = 0; r <= table.layout().lastNumber; ++r) units.push_back(Join(table[r]));
  for (const auto& row : ctl) units.push_back(Join(row));
  if (file != nullptr) {
    // A saved file is whole when it is the old one or exactly the table it was saved from.
    const std::string text = Env::read(*file);
    units.push_back(text == OldTableFile(table.layout())        ? "old file"
                    : text == positions::FormatTableFile(table) ? "the table"
                                                                : "torn file: " + text.substr(0, 80));
  }
  return units;
}

// The host table and the controller's rows an operation on locations or shifts works on.
positions::PositionTable& HostTable(Env& e, bool shifts) { return shifts ? e.data.SftTable : e.data.LocTable; }
std::vector<sim::StoredPosition>& CtlRows(Env& e, bool shifts) {
  return shifts ? e.rig.controller.positions.shifts : e.rig.controller.positions.locations;
}

Operation TableReceive(const std::string& name, bool shifts, positions::Scope mode, int start, int end) {
  return {name,
          true,
          false,
          seconds(5),
          [=](Env& e) {
            FillController(CtlRows(e, shifts));
            FillHost(HostTable(e, shifts), -7);
            Env::write(e.path("table.dat"), OldTableFile(HostTable(e, shifts).layout()));
            e.data.RxPointNo = 7;
          },
          [=](Env& e) {
            const std::string file = e.path("table.dat");
            return Classify(positions::ReceiveRowsToFile(HostTable(e, shifts), e.rig.link, kAxes, mode, start, end,
                                                         e.data.RxPointNo, &file));
          },
          [=](Env& e) {
            const std::string file = e.path("table.dat");
            return TableUnits(HostTable(e, shifts), CtlRows(e, shifts), &file);
          }};
}

Operation TableSend(const std::string& name, bool shifts, positions::Scope mode, int start, int end) {
  return {name,
          false,
          false,
          seconds(5),
          [=](Env& e) {
            // The file to send: every row distinct, written from a scratch table.
            positions::PositionTable source(HostTable(e, shifts).layout());
            for (int r = 0; r <= source.layout().lastNumber; ++r) {
              for (int a = 0; a < kAxes; ++a) source[r][static_cast<std::size_t>(a)] = r * 10 + a + 1;
            }
            Env::write(e.path("send.dat"), positions::FormatTableFile(source));
            e.data.TxPointNo = 9;
          },
          [=](Env& e) {
            return Classify(positions::SendRowsFromFile(HostTable(e, shifts), e.rig.link, kAxes, mode, start, end,
                                                        e.data.TxPointNo, e.path("send.dat")));
          },
          [=](Env& e) {
            auto units = TableUnits(HostTable(e, shifts), CtlRows(e, shifts), nullptr);
            units.push_back(Env::read(e.path("send.dat")).substr(0, 200));
            return units;
          }};
}

// --- programs ---

void StoreSmallPrograms(Env& e) {
  for (int n = 0; n <= 31; ++n) {
    auto& p = e.rig.controller.programs.programs[static_cast<std::size_t>(n)];
    p.block = programs::test::SmallProgramBlock();
    p.comments = programs::test::SmallCommentBlock();
  }
}

std::vector<std::string> ProgramUnits(Env& e, const std::vector<std::string>& files) {
  std::vector<std::string> units;
  for (const auto& f : files) units.push_back(Env::read(f));
  for (const auto& p : e.rig.controller.programs.programs) {
    units.push_back(Join(p.block) + "|" + std::to_string(p.comments.size()) + "|" + Join(p.comments).substr(0, 400));
  }
  return units;
}

std::vector<std::string> AllProgramFiles(Env& e) {
  std::vector<std::string> files;
  for (int n = 0; n <= 31; ++n) files.push_back(programs::AllModeFileName(e.dir.string(), n));
  return files;
}

Operation ProgramReceive(bool all) {
  return {all ? "program receive all" : "program receive single",
          true,
          false,
          seconds(5),
          [all](Env& e) {
            StoreSmallPrograms(e);
            if (all) {
              for (const auto& f : AllProgramFiles(e)) Env::write(f, kOldFileText);
              e.transfer.RecvFolder = e.dir.string();
            } else {
              Env::write(e.path("out.dat"), kOldFileText);
              e.transfer.RxProgramNo = 3;
              e.transfer.RecvFileName = e.path("out.dat");
            }
          },
          [all](Env& e) {
            const auto r = e.transfer.ReceivePrograms(e.rig.link, all ? programs::kModeAll : programs::kModeSingle);
            return r.cancelled      ? Result::Cancelled
                   : r.failed > 0   ? Result::Failed
                   : r.rejected > 0 ? Result::BadChecksum
                                    : Result::Ok;
          },
          [all](Env& e) {
            return ProgramUnits(e, all ? AllProgramFiles(e) : std::vector<std::string>{e.path("out.dat")});
          }};
}

Operation ProgramSend(bool all) {
  return {
      all ? "program send all" : "program send single",
      false,
      false,
      seconds(5),
      [all](Env& e) {
        if (all) {
          for (const auto& f : AllProgramFiles(e)) Env::write(f, programs::test::kSmallSource);
          e.transfer.TransFolder = e.dir.string();
        } else {
          Env::write(e.path("in.dat"), programs::test::kSmallSource);
          e.transfer.TxProgramNo = 5;
          e.transfer.TransFileName = e.path("in.dat");
        }
      },
      [all](Env& e) {
        const auto r = e.transfer.SendPrograms(e.rig.link, all ? programs::kModeAll : programs::kModeSingle);
        return r.cancelled ? Result::Cancelled : r.failed > 0 ? Result::Failed : Result::Ok;
      },
      [all](Env& e) { return ProgramUnits(e, all ? AllProgramFiles(e) : std::vector<std::string>{e.path("in.dat")}); }};
}

// --- parameters ---

std::vector<std::string> ParameterUnits(Env& e) {
  std::vector<std::string> units{Join(e.sys.values), Join(e.rig.controller.machine.parameters.system)};
  for (const auto& axis : e.ax.values) units.push_back(Join(axis));
  for (const auto& axis : e.rig.controller.machine.parameters.axis) units.push_back(Join(axis));
  return units;
}

void PrepareParameters(Env& e) {
  for (int i = 0; i < parameters::kSysParaSize; ++i) {
    e.sys.values[static_cast<std::size_t>(i)] = 5000 + i;
    e.rig.controller.machine.parameters.system[static_cast<std::size_t>(i)] = 100 * i;
  }
  for (std::size_t a = 0; a < 6; ++a) {
    for (std::size_t i = 0; i < 200; ++i) {
      e.ax.values[a][i] = static_cast<std::int32_t>(7000 + a * 1000 + i);
      e.rig.controller.machine.parameters.axis[a][i] = static_cast<std::int32_t>(a * 1000 + i);
    }
  }
}

Operation Parameters(const std::string& name, bool announces, std::function<Result(Env&)> run) {
  Operation op{name, announces, announces, seconds(5), PrepareParameters, std::move(run), ParameterUnits};
  op.controllerSyn = !announces;  // a fetch has no operands: the host answers the announcement with SYN
  return op;
}

// --- firmware ---

Operation Firmware() {
  Operation op{
      "firmware download", false, false,
      seconds(60),  // the erase
      [](Env& e) {
        Env::write(e.path("fw.hex"), test::HexText(6000));
        ASSERT_EQ(e.firmware.FileChosen(e.path("fw.hex")), firmware::FirmwareDownload::Choice::Chosen);
      },
      [](Env& e) { return Classify(e.firmware.DownClick()); },
      // An interrupted download may leave the flash erased: that is the controller's own state, not a torn one.
      [](Env& e) {
        const auto& flash = e.rig.controller.machine.flash;
        return std::vector<std::string>{flash.empty() ? "" : Join(flash), Env::read(e.path("fw.hex"))};
      }};
  // Handshake, echo, byte count and STX: no data byte went out yet.
  op.endsSilently = [](Env& e) { return e.rig.wire.sent().size() <= 2 + 9; };
  op.cancellable = true;
  return op;
}

// --- single requests ---

Operation Request(const std::string& name, bool receivesBlocks, bool announces, std::function<Result(Env&)> run) {
  Operation op{name,
               receivesBlocks,
               announces,
               seconds(5),
               [](Env& e) {
                 e.image.W = {1, 2, 3, 4};
                 e.positions.fill(-3);
                 e.sensors.fill(77);
                 e.report = {9, 9};
                 e.rig.controller.machine.inputs = {0x11, 0x22, 0, 0, 0, 0, 0, 0x80};
                 for (int a = 0; a < kAxes; ++a) e.rig.controller.machine.setPosition(a, 100 * a + 5);
               },
               std::move(run),
               [](Env& e) {
                 // What the host read, and what an action changed in the controller.
                 const auto& m = e.rig.controller.machine;
                 std::vector<std::uint32_t> moving;
                 for (int a = 0; a < kAxes; ++a) moving.push_back(m.sensorWord(a));
                 return std::vector<std::string>{
                     Join(e.image.W), Join(e.positions),
                     Join(e.sensors), std::to_string(e.report.code) + "/" + std::to_string(e.report.value),
                     Join(m.outputs), std::to_string(m.running() ? m.runningProgram() : -1),
                     Join(moving)};
               }};
  op.controllerSyn = !receivesBlocks;  // the reads have no operands, so nothing is accepted with SYN
  return op;
}

Operation Cancellable(Operation op) {
  op.cancellable = true;
  return op;
}

std::vector<Operation> Operations() {
  using namespace positions;
  std::vector<Operation> ops = {
      Request("servo on", false, false,
              [](Env& e) { return Classify(RequestWithZeroOperand(e.rig.link, cmd::kServoOn)); }),
      Request("zero return", false, false,
              [](Env& e) { return Classify(RequestWithZeroOperand(e.rig.link, cmd::kZeroReturn)); }),
      Request("run program", false, false, [](Env& e) { return Classify(RequestRunProgram(e.rig.link, 3)); }),
      Request("set output", false, false, [](Env& e) { return Classify(RequestSetOutput(e.rig.link, 9, true)); }),
      Request("jog start", false, false, [](Env& e) { return Classify(RequestJogStart(e.rig.link, 10, 1, true)); }),
      Request("read inputs", true, false, [](Env& e) { return Classify(RequestIoImage(e.rig.link, true, e.image)); }),
      Request("read outputs", true, false, [](Env& e) { return Classify(RequestIoImage(e.rig.link, false, e.image)); }),
      Request("command positions", true, false,
              [](Env& e) { return Classify(RequestPositions(e.rig.link, true, kAxes, e.positions)); }),
      Request("actual positions", true, false,
              [](Env& e) { return Classify(RequestPositions(e.rig.link, false, kAxes, e.positions)); }),
      Request("sensor words", true, true,
              [](Env& e) { return Classify(RequestSensorWords(e.rig.link, kAxes, e.sensors)); }),
      Request("error report", true, false, [](Env& e) { return Classify(RequestErrorReport(e.rig.link, e.report)); }),
      Cancellable(TableReceive("LOC receive single", false, Scope::Single, 0, 0)),
      Cancellable(TableReceive("LOC receive block", false, Scope::Block, 10, 30)),
      Cancellable(TableReceive("LOC receive all", false, Scope::All, 0, 0)),
      Cancellable(TableSend("LOC send single", false, Scope::Single, 0, 0)),
      Cancellable(TableSend("LOC send block", false, Scope::Block, 10, 30)),
      Cancellable(TableSend("LOC send all", false, Scope::All, 0, 0)),
      Cancellable(TableReceive("SFT receive single", true, Scope::Single, 0, 0)),
      Cancellable(TableReceive("SFT receive all", true, Scope::All, 0, 0)),
      Cancellable(TableSend("SFT send single", true, Scope::Single, 0, 0)),
      Cancellable(TableSend("SFT send all", true, Scope::All, 0, 0)),
      Cancellable(ProgramReceive(false)),
      Cancellable(ProgramReceive(true)),
      Cancellable(ProgramSend(false)),
      Cancellable(ProgramSend(true)),
      // One exchange each: they look once, before it begins.
      Cancellable(Parameters("system parameter fetch", true,
                             [](Env& e) { return Classify(parameters::FetchSysPara(e.rig.link, e.sys)); })),
      Cancellable(Parameters("system parameter send", false,
                             [](Env& e) { return Classify(parameters::SendSysPara(e.rig.link, e.sys)); })),
      Cancellable(Parameters("axis parameter fetch", true,
                             [](Env& e) { return Classify(parameters::FetchAxPara(e.rig.link, e.ax, kAxes)); })),
      Cancellable(Parameters("axis parameter send", false,
                             [](Env& e) { return Classify(parameters::SendAxPara(e.rig.link, e.ax, kAxes)); })),
      Firmware(),
  };
  return ops;
}

// --- faults ---

enum class Expect { ErrorBox, NoMessage, OkOrErrorBox, Cancelled };

// What a healthy run of an operation looks like: its state, the controller's byte count and where the line turns.
struct Healthy {
  std::vector<std::string> before;
  std::vector<std::string> after;
  long controllerBytes = 0;
  std::vector<long> turns;  // controller byte counts where the host took over or gave back the line
  Duration took{};
};

Healthy RunHealthy(const Operation& op) {
  Env e;
  op.prepare(e);
  Healthy h;
  h.before = op.units(e);
  const TimePoint start = e.rig.clock.now();
  const Result r = op.run(e);
  h.took = e.rig.clock.now() - start;
  EXPECT_EQ(std::tuple(r, e.rig.ui.texts()), std::tuple(Result::Ok, std::vector<std::string>{})) << op.name;
  h.after = op.units(e);
  h.controllerBytes = e.rig.controller.bytesSent();
  const std::string wire = e.rig.wire.text();
  long received = 0;
  char dir = 0;
  for (std::size_t i = 0; i < wire.size(); ++i) {
    if (wire[i] == '<' || wire[i] == '>') {
      if (wire[i] != dir) h.turns.push_back(received);
      dir = wire[i];
    } else if (wire[i] != ' ' && i + 1 < wire.size() && wire[i + 1] != ' ' && dir == '<') {
      ++received;
      ++i;
    }
  }
  return h;
}

// Cut points covering every step: each turn of the line and its neighbours in the first and last
// exchanges, every byte of the opening, and an even sample of the rest.
std::vector<long> CutPoints(const Healthy& h) {
  std::set<long> points;
  const long n = h.controllerBytes;
  for (long k = 0; k < std::min(n, 32L); ++k) points.insert(k);
  for (long t : h.turns) {
    if (t < 32 || t > n - 32) {
      for (long d : {-1L, 0L, 1L}) points.insert(t + d);
    }
  }
  for (int i = 1; i < 12; ++i) points.insert(n * i / 12);
  points.insert(n - 1);
  std::vector<long> out;
  for (long k : points) {
    if (k >= 0 && k < n) out.push_back(k);
  }
  return out;
}

struct Case {
  std::string fault;
  std::function<void(sim::Faults&)> set;
  Expect expect;
  bool disconnects;
  int cancelAfterChecks = -1;  // the operator asks to stop once the operation has looked this often
};

std::vector<Case> CasesFor(const Operation& op, const Healthy& h) {
  std::vector<Case> cases;
  for (long k : CutPoints(h)) {
    cases.push_back(
        {"silence after " + std::to_string(k), [k](sim::Faults& f) { f.silenceAfter = k; }, Expect::ErrorBox, false});
    cases.push_back({"disconnect after " + std::to_string(k), [k](sim::Faults& f) { f.disconnectAfter = k; },
                     Expect::ErrorBox, true});
  }
  cases.push_back({"wrong echo", [](sim::Faults& f) { f.wrongEcho = true; }, Expect::ErrorBox, false});
  cases.push_back({"DLE for SYN", [](sim::Faults& f) { f.dleForSyn = true; },
                   op.controllerSyn ? Expect::ErrorBox : Expect::OkOrErrorBox, false});
  cases.push_back({"extra bytes", [](sim::Faults& f) { f.extraBytes = 3; }, Expect::OkOrErrorBox, false});
  if (op.receivesBlocks) {
    cases.push_back({"wrong checksum", [](sim::Faults& f) { f.badChecksum = true; }, Expect::NoMessage, false});
    cases.push_back({"wrong terminator", [](sim::Faults& f) { f.badTerminator = true; }, Expect::ErrorBox, false});
    cases.push_back({"short block", [](sim::Faults& f) { f.shortBlock = 1; }, Expect::ErrorBox, false});
  }
  for (int k : {0, 1, 5}) {
    cases.push_back(
        {"cancel after " + std::to_string(k) + " checks", [](sim::Faults&) {}, Expect::Cancelled, false, k});
  }
  if (op.announces) {
    cases.push_back({"announcement 5002", [](sim::Faults& f) { f.announce = 5002; }, Expect::ErrorBox, false});
    cases.push_back({"announcement 70000", [](sim::Faults& f) { f.announce = 70000; }, Expect::ErrorBox, false});
  }
  return cases;
}

// The messages of a failed exchange: the handshake's own text where its wait ran out, then the error box.
bool EndsWithErrorBox(const RecordingUi& ui) {
  const auto texts = ui.texts();
  if (texts.empty() || texts.back() != "통신이상 발생" || ui.messages.back().title != "ERROR") return false;
  return texts.size() == 1 || (texts.size() == 2 && texts[0] == kMsgNotConnected);
}

// Program transfers move one program, or 32 in all mode. A handshake that times out shows only its own
// message; all mode reports each failed program with the box, lets the line settle and goes on.
int ProgramsMoved(const Operation& op) {
  if (!op.name.starts_with("program")) return 0;
  return op.name.ends_with("all") ? 32 : 1;
}

// The messages of a failed program transfer: a box for each failed program, or the handshake's text last.
bool FailureMessages(const Operation& op, const RecordingUi& ui) {
  if (ProgramsMoved(op) == 0) return EndsWithErrorBox(ui);
  const auto texts = ui.texts();
  if (texts.empty() || texts.size() > static_cast<std::size_t>(ProgramsMoved(op))) return false;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] != "통신이상 발생" && !(i + 1 == texts.size() && texts[i] == kMsgNotConnected)) return false;
  }
  return true;
}

int RunCase(const Operation& op, const Healthy& h, const Case& c) {
  const std::string what = op.name + " / " + c.fault;
  Env e;
  op.prepare(e);
  c.set(e.rig.controller.faults);
  if (c.cancelAfterChecks >= 0) e.rig.ui.cancelWhen = [n = 0, k = c.cancelAfterChecks]() mutable { return n++ >= k; };
  const TimePoint start = e.rig.clock.now();
  const Result result = op.run(e);
  const Duration took = e.rig.clock.now() - start;
  const auto texts = e.rig.ui.texts();
  int failures = 0;
  auto check = [&](bool ok, const std::string& why) {
    if (!ok) {
      ++failures;
      ADD_FAILURE() << what << ": " << why << "; result " << static_cast<int>(result) << ", messages "
                    << ::testing::PrintToString(texts);
    }
  };

  switch (c.expect) {
    case Expect::ErrorBox:
      if (op.endsSilently(e)) {
        check(result == Result::Failed &&
                  (texts.empty() || texts == std::vector<std::string>{std::string(kMsgNotConnected)}),
              "expected a silent end");
      } else {
        check(result == Result::Failed && FailureMessages(op, e.rig.ui), "expected the error box");
      }
      break;
    case Expect::NoMessage:
      check(result == Result::BadChecksum && texts.empty(), "expected a silent rejection");
      break;
    case Expect::Cancelled:
      // Ended between exchanges without a word, or finished before it looked again; the probe below proves
      // that the controller was not left inside a frame.
      check(texts.empty() &&
                (op.cancellable ? result == Result::Cancelled || c.cancelAfterChecks > 0 : result == Result::Ok) &&
                (result == Result::Ok || result == Result::Cancelled),
            "expected a quiet end between exchanges");
      break;
    case Expect::OkOrErrorBox:
      check((result == Result::Ok && texts.empty()) || (result == Result::Failed && FailureMessages(op, e.rig.ui)),
            "expected success or the error box");
      break;
  }
  check(!e.rig.link.LinkBusy, "LinkBusy left set");

  // One wait ran out, then possibly the cancel sequence's wait.
  const bool handshakeWait = !texts.empty() && texts.front() == kMsgNotConnected;
  const Duration firstWait = handshakeWait ? e.rig.link.timeouts.handshake : op.longestWait;
  // In all mode each failed program waits out a bound and lets the line settle; a last handshake may time out.
  const int programs = ProgramsMoved(op);
  const Duration waits = programs > 1 ? e.rig.link.timeouts.handshake + op.longestWait * programs : firstWait;
  const Duration bound = h.took + (waits + e.rig.link.timeouts.reply * std::max(programs, 1)) * 11 / 10;
  check(took <= bound, "took " + std::to_string(took.count()) + " > bound " + std::to_string(bound.count()));

  const auto units = op.units(e);
  check(units.size() == h.before.size(), "unit count changed");
  for (std::size_t i = 0; i < units.size() && i < h.before.size(); ++i) {
    if (units[i] != h.before[i] && units[i] != h.after[i]) {
      check(false, "unit " + std::to_string(i) + " torn: " + units[i].substr(0, 120));
      break;
    }
  }

  // Back to a healthy line: the controller gives up its request, the fault goes, a dropped line needs the
  // port opened again. Stray bytes still in the buffer must not spoil the next exchange.
  e.rig.controller.faults = {};
  e.rig.clock.advance(seconds(10));
  if (c.disconnects) {
    e.rig.controller.reconnect();
    e.rig.link.port().close();
    Connection connection(e.rig.link);
    check(connection.Open(), "reopen failed");
  }
  e.rig.ui.clear();
  std::array<std::int32_t, 6> probe{};
  check(RequestPositions(e.rig.link, true, kAxes, probe) == Outcome::Ok && e.rig.ui.texts().empty(),
        "the next exchange failed");
  return failures;
}

// Each operation's cases in shards, so that no single test runs for minutes under a sanitizer on a busy machine.
constexpr std::size_t kShards = 4;

class FaultMatrix : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {};

TEST_P(FaultMatrix, EveryFault) {
  const auto [index, shard] = GetParam();
  const Operation op = Operations()[index];
  const Healthy h = RunHealthy(op);
  ASSERT_NE(h.before, h.after) << op.name << ": a healthy run must change something the matrix watches";
  int cases = 0;
  int failed = 0;
  std::size_t n = 0;
  for (const Case& c : CasesFor(op, h)) {
    if (n++ % kShards != shard) continue;
    ++cases;
    if (RunCase(op, h, c) > 0) ++failed;
  }
  std::printf("%-26s %4d cases, %d failed, %ld controller bytes in a healthy run\n", op.name.c_str(), cases, failed,
              h.controllerBytes);
  EXPECT_EQ(failed, 0);
}

std::string OperationName(const ::testing::TestParamInfo<std::tuple<std::size_t, std::size_t>>& info) {
  std::string name = Operations()[std::get<0>(info.param)].name;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name + "_" + std::to_string(std::get<1>(info.param) + 1) + "of" + std::to_string(kShards);
}

INSTANTIATE_TEST_SUITE_P(Operations, FaultMatrix,
                         ::testing::Combine(::testing::Range<std::size_t>(0, Operations().size()),
                                            ::testing::Range<std::size_t>(0, kShards)),
                         OperationName);

}  // namespace
}  // namespace zova
