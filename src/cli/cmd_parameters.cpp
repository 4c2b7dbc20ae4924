// zovactl commands of the parameters subsystem.
#include "cli/cmd_parameters.h"

#include <string>
#include <vector>

#include "link/link.h"
#include "link/text_lines.h"
#include "link/translation.h"
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
  if (args.size() != 3 || (args[0] != "fetch" && args[0] != "send") || args[1] != "--file" || args[2].empty()) {
    return false;
  }
  action.fetch = args[0] == "fetch";
  action.file = args[2];
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
void tell(Context& ctx, const std::string& file, const std::vector<BoxRefusal>& refusals) {
  for (const BoxRefusal& r : refusals) ctx.ui->messageBox(FormatTextFault(file, {r.line, r.what + ":" + r.message}));
}

// A send refuses the whole file when any value is refused: nothing goes out.
int refusedOr(Context& ctx, const std::string& file, const std::vector<BoxRefusal>& refusals) {
  tell(ctx, file, refusals);
  return refusals.empty() ? kExitOk : kExitUsage;
}

// A fetch saves exactly what the controller holds, as a backup does, and warns about what a screen would refuse.
int saved(Context& ctx, const std::string& file, bool written, const std::vector<BoxRefusal>& refusals) {
  if (!written) return kExitFile;
  tell(ctx, file, refusals);
  return kExitOk;
}

}  // namespace

int RunSysPara(Context& ctx, const Args& args) {
  FileAction action;
  if (!parseAction(args, action)) return usage(ctx, "syspara");
  // As the screen opening with no remembered file: the named entries start at their defaults.
  SysPara table;
  table.SetDefaults();
  if (action.fetch) {
    Outcome s = FetchSysPara(*ctx.link, table);
    if (!s) return exitFor(ctx, s);
    return saved(ctx, action.file, WriteSysParaFile(action.file, table, *ctx.ui), SysParaRefusals(table));
  }
  std::string why;
  if (ReadSysParaFile(action.file, table, &why) != Outcome::Ok) return readFailed(ctx, why);
  if (const int refused = refusedOr(ctx, action.file, SysParaRefusals(table)); refused != kExitOk) return refused;
  // The file names 41 of the 100 entries; the others go back as this controller holds them.
  if (Outcome s = TakeUnnamedSysPara(*ctx.link, table); !s) return exitFor(ctx, s);
  return exitFor(ctx, SendSysPara(*ctx.link, table));
}

int RunAxPara(Context& ctx, const Args& args) {
  FileAction action;
  if (!parseAction(args, action)) return usage(ctx, "axpara");
  if (!ctx.requireAxes()) return kExitUsage;
  const int axes = ctx.options.axes;
  AxPara table;
  table.SetDefaults();
  if (action.fetch) {
    Outcome s = FetchAxPara(*ctx.link, table, axes);
    if (!s) return exitFor(ctx, s);
    return saved(ctx, action.file, WriteAxParaFile(action.file, table, *ctx.ui), AxParaRefusals(table, axes));
  }
  std::string why;
  if (ReadAxParaFile(action.file, table, &why) != Outcome::Ok) return readFailed(ctx, why);
  if (const int refused = refusedOr(ctx, action.file, AxParaRefusals(table, axes)); refused != kExitOk) return refused;
  if (Outcome s = TakeUnnamedAxPara(*ctx.link, table, axes); !s) return exitFor(ctx, s);
  return exitFor(ctx, SendAxPara(*ctx.link, table, axes));
}

}  // namespace zova::cli
