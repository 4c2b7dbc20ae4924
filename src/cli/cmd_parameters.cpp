// zovactl commands of the parameters subsystem.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "link/line_owner.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "parameters/ax_para_editor.h"
#include "parameters/ax_para_file.h"
#include "parameters/ax_para_transfer.h"
#include "parameters/sys_para_editor.h"
#include "parameters/sys_para_file.h"
#include "parameters/sys_para_transfer.h"

namespace zova::cli {

namespace {

struct FileAction {
  bool fetch = false;
  std::string file;
};

// "fetch --file F" or "send --file F".
bool parseAction(const Args& args, FileAction& action) {
  std::optional<std::string> file;
  Args words;
  if (!ReadArgs(args, {{"--file", &file}}, words) || words.size() != 1 || (words[0] != "fetch" && words[0] != "send") ||
      !file || file->empty()) {
    return false;
  }
  action.fetch = words[0] == "fetch";
  action.file = *file;
  return true;
}

int usage(Context& ctx, const char* command) {
  ctx.ui->messageBox(Tr("usage: zovactl {1}", {command + std::string(" fetch|send --file F")}));
  return kExitUsage;
}

int exitFor(Context& ctx, const Outcome& s) {
  // The window answers a bad block with DLE and says nothing; a script must learn why nothing was saved.
  if (s == Outcome::BadChecksum) ctx.ui->messageBox(Tr("the parameter block arrived with a wrong checksum"));
  return ExitFor(s);
}

// A file for a send that is not read says why; nothing is sent.
int readFailed(Context& ctx, const std::string& why) {
  ctx.ui->messageBox(why);
  return kExitFile;
}

// No operator sees a box's message before a command-line send, and a fetch saved for later is read back by
// no box: each value a screen would refuse or read as another is named with its line in the file.
void tell(Context& ctx, const std::string& file, const std::vector<parameters::BoxRefusal>& refusals) {
  for (const parameters::BoxRefusal& r : refusals)
    ctx.ui->messageBox(FormatTextFault(file, {r.line, r.what + ":" + r.message}));
}

// A send refuses the whole file when any value is refused: nothing goes out.
int refusedOr(Context& ctx, const std::string& file, const std::vector<parameters::BoxRefusal>& refusals) {
  tell(ctx, file, refusals);
  return refusals.empty() ? kExitOk : kExitUsage;
}

// A fetch saves exactly what the controller holds, as a backup does, and warns about what a screen would refuse.
int saved(Context& ctx, const std::string& file, bool written, const std::vector<parameters::BoxRefusal>& refusals) {
  if (!written) return kExitFile;
  tell(ctx, file, refusals);
  return kExitOk;
}

// What tells the system parameters from the axis parameters here: their command, table, files and transfers.
struct SysParaCommand {
  using Table = parameters::SysPara;
  static constexpr const char* kName = "syspara";
  static constexpr bool kNeedsAxes = false;
  static Outcome Fetch(Link& link, Table& t, int) { return parameters::FetchSysPara(link, t); }
  static bool Write(const std::string& file, const Table& t, Ui& ui) {
    return parameters::WriteSysParaFile(file, t, ui);
  }
  static Outcome Read(const std::string& file, Table& t, std::string* why) {
    return parameters::ReadSysParaFile(file, t, why);
  }
  static std::vector<parameters::BoxRefusal> Refusals(const Table& t, int) { return SysParaRefusals(t); }
  // The file names 41 of the 100 entries; the others go back as this controller holds them.
  static Outcome TakeUnnamed(Link& link, Table& t, int) { return parameters::TakeUnnamedSysPara(link, t); }
  static Outcome Send(Link& link, const Table& t, int) { return parameters::SendSysPara(link, t); }
};

struct AxParaCommand {
  using Table = parameters::AxPara;
  static constexpr const char* kName = "axpara";
  static constexpr bool kNeedsAxes = true;
  static Outcome Fetch(Link& link, Table& t, int axes) { return parameters::FetchAxPara(link, t, axes); }
  static bool Write(const std::string& file, const Table& t, Ui& ui) {
    return parameters::WriteAxParaFile(file, t, ui);
  }
  static Outcome Read(const std::string& file, Table& t, std::string* why) {
    return parameters::ReadAxParaFile(file, t, why);
  }
  static std::vector<parameters::BoxRefusal> Refusals(const Table& t, int axes) { return AxParaRefusals(t, axes); }
  static Outcome TakeUnnamed(Link& link, Table& t, int axes) { return parameters::TakeUnnamedAxPara(link, t, axes); }
  static Outcome Send(Link& link, const Table& t, int axes) { return parameters::SendAxPara(link, t, axes); }
};

template <typename P>
int RunParameters(Context& ctx, const Args& args) {
  FileAction action;
  if (!parseAction(args, action)) return usage(ctx, P::kName);
  if (P::kNeedsAxes && !ctx.requireAxes()) return kExitUsage;
  const int axes = ctx.options.axes;
  // As the screen opening with no remembered file: the named entries start at their defaults.
  typename P::Table table;
  table.SetDefaults();
  if (action.fetch) {
    Outcome s = HoldLine(*ctx.link, [&] { return P::Fetch(*ctx.link, table, axes); });
    if (s != Outcome::Ok) return exitFor(ctx, s);
    return saved(ctx, action.file, P::Write(action.file, table, *ctx.ui), P::Refusals(table, axes));
  }
  std::string why;
  if (P::Read(action.file, table, &why) != Outcome::Ok) return readFailed(ctx, why);
  if (const int refused = refusedOr(ctx, action.file, P::Refusals(table, axes)); refused != kExitOk) return refused;
  return exitFor(ctx, HoldLine(*ctx.link, [&] {
                   if (Outcome s = P::TakeUnnamed(*ctx.link, table, axes); !s) return s;
                   return P::Send(*ctx.link, table, axes);
                 }));
}

}  // namespace

int RunSysPara(Context& ctx, const Args& args) { return RunParameters<SysParaCommand>(ctx, args); }
int RunAxPara(Context& ctx, const Args& args) { return RunParameters<AxParaCommand>(ctx, args); }

namespace {

const std::array kCommands = {
    Command{.name = "syspara",
            .synopsis = "syspara fetch --file F\nsyspara send --file F",
            .help = TrMark("fetch the system parameters and save them to F; load F and send"),
            .run = RunSysPara,
            .needsPort = true},
    Command{.name = "axpara",
            .synopsis = "axpara fetch --file F\naxpara send --file F",
            .help = TrMark("the same for the axis parameters of the configured axes (needs --axes)"),
            .run = RunAxPara,
            .needsPort = true},
};

}  // namespace

std::span<const Command> ParameterCommands() { return kCommands; }

}  // namespace zova::cli
