// zovactl commands of the parameters subsystem.
#include "cli/cmd_parameters.h"

#include <string>

#include "link/link.h"
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
  ctx.ui->messageBox(std::string("usage: zovactl ") + command + " fetch|send --file F");
  return kExitUsage;
}

int exitFor(Context& ctx, TransferStatus s) {
  // The window answers a bad block with DLE and says nothing; a script must learn why nothing was saved.
  if (s == TransferStatus::BadChecksum) ctx.ui->messageBox("the parameter block arrived with a wrong checksum");
  if (s == TransferStatus::Cancelled) return kExitInterrupted;
  return s == TransferStatus::Ok ? kExitOk : kExitLink;
}

// A file for a send that is not read says why; nothing is sent.
int readFailed(Context& ctx, const std::string& why) {
  ctx.ui->messageBox(why);
  return kExitFile;
}

}  // namespace

int RunSysPara(Context& ctx, const Args& args) {
  FileAction action;
  if (!parseAction(args, action)) return usage(ctx, "syspara");
  // As the screen opening with no remembered file: the named entries start at their defaults.
  SysPara table;
  table.SetDefaults();
  if (action.fetch) {
    TransferStatus s = FetchSysPara(*ctx.link, table);
    if (s != TransferStatus::Ok) return exitFor(ctx, s);
    // The screen shows a fetched table before it can be saved: its checks correct what its boxes refuse.
    CheckSysParaBoxes(table, *ctx.ui);
    return WriteSysParaFile(action.file, table, *ctx.ui) ? kExitOk : kExitFile;
  }
  std::string why;
  if (ReadSysParaFile(action.file, table, &why) != FileReading::Read) return readFailed(ctx, why);
  CheckSysParaBoxes(table, *ctx.ui);  // as the screen's file reading does, so the bytes are the screen's
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
    TransferStatus s = FetchAxPara(*ctx.link, table, axes);
    if (s != TransferStatus::Ok) return exitFor(ctx, s);
    CheckAxParaBoxes(table, axes, *ctx.ui);
    return WriteAxParaFile(action.file, table, *ctx.ui) ? kExitOk : kExitFile;
  }
  std::string why;
  if (ReadAxParaFile(action.file, table, &why) != FileReading::Read) return readFailed(ctx, why);
  CheckAxParaBoxes(table, axes, *ctx.ui);
  return exitFor(ctx, SendAxPara(*ctx.link, table, axes));
}

}  // namespace zova::cli
