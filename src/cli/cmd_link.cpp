// zovactl commands of the link and the console.
#include "cli/cmd_link.h"

#include <string>

#include "cli/commands.h"
#include "console/error_text.h"
#include "link/commands.h"
#include "link/connection.h"
#include "link/requests.h"

namespace zova::cli {

namespace {

int usage(Context& ctx, const char* text) {
  ctx.ui->messageBox(std::string("usage: zovactl ") + text);
  return kExitUsage;
}

int exitFor(RequestStatus s) { return s == RequestStatus::Ok ? kExitOk : kExitLink; }

// The console reads the outputs after every manual action; so do we, to keep the wire the same.
void refreshOutputs(Link& link) {
  IoImage image;
  (void)RequestIoImage(link, false, image);
}

int zeroOperandAction(Context& ctx, std::uint8_t code) {
  Link& link = *ctx.link;
  BusyGuard busy(link);
  RequestStatus s = RequestWithZeroOperand(link, code);
  if (s != RequestStatus::Ok) return kExitLink;  // a dead line would only time out again
  if (code != cmd::kServoOff) link.clock().sleepFor(milliseconds(100));
  refreshOutputs(link);
  return kExitOk;
}

void printPoints(Context& ctx, const IoImage& image) {
  std::string line;
  for (int p = 0; p < 64; ++p) {
    if (!image.point(p)) continue;
    if (!line.empty()) line += ' ';
    line += std::to_string(p);
  }
  std::fprintf(ctx.out, "%s\n", line.c_str());
}

int readImage(Context& ctx, bool inputs) {
  BusyGuard busy(*ctx.link);
  IoImage image;
  RequestStatus s = RequestIoImage(*ctx.link, inputs, image);
  if (s == RequestStatus::Ok) printPoints(ctx, image);
  return exitFor(s);
}

}  // namespace

int RunPing(Context&, const Args&) {
  // The port was opened with the link check before we got here.
  return kExitOk;
}

int RunClose(Context& ctx, const Args&) { return ctx.connection->Close() ? kExitOk : kExitLink; }

int RunServo(Context& ctx, const Args& args) {
  if (args.size() != 1 || (args[0] != "on" && args[0] != "off")) return usage(ctx, "servo on|off");
  return zeroOperandAction(ctx, args[0] == "on" ? cmd::kServoOn : cmd::kServoOff);
}

int RunAlarmReset(Context& ctx, const Args&) { return zeroOperandAction(ctx, cmd::kAlarmReset); }

int RunOutputs(Context& ctx, const Args&) { return readImage(ctx, false); }
int RunInputs(Context& ctx, const Args&) { return readImage(ctx, true); }

int RunSensors(Context& ctx, const Args&) {
  if (!ctx.requireAxes()) return kExitUsage;
  BusyGuard busy(*ctx.link);
  std::array<std::uint32_t, 6> words{};
  RequestStatus s = RequestSensorWords(*ctx.link, ctx.options.axes, words);
  if (s != RequestStatus::Ok) return kExitLink;
  for (int a = 0; a < ctx.options.axes; ++a) std::fprintf(ctx.out, "%d %08X\n", a + 1, words[a]);
  return kExitOk;
}

int RunPositions(Context& ctx, const Args&) {
  if (!ctx.requireAxes()) return kExitUsage;
  BusyGuard busy(*ctx.link);
  std::array<std::int32_t, 6> command{};
  std::array<std::int32_t, 6> actual{};
  if (RequestPositions(*ctx.link, true, ctx.options.axes, command) != RequestStatus::Ok ||
      RequestPositions(*ctx.link, false, ctx.options.axes, actual) != RequestStatus::Ok) {
    return kExitLink;
  }
  for (auto [label, values] : {std::pair{"command", &command}, std::pair{"actual", &actual}}) {
    std::string line = label;
    for (int a = 0; a < ctx.options.axes; ++a) line += ' ' + FormatHundredths(std::int64_t{(*values)[a]});
    std::fprintf(ctx.out, "%s\n", line.c_str());
  }
  return kExitOk;
}

int RunError(Context& ctx, const Args&) {
  BusyGuard busy(*ctx.link);
  ErrorReport report;
  RequestStatus s = RequestErrorReport(*ctx.link, report);
  if (s != RequestStatus::Ok) return kExitLink;
  std::fprintf(ctx.out, "%s\n", ErrorText(report.code, report.value).c_str());
  refreshOutputs(*ctx.link);
  return kExitOk;
}

int RunSetOutput(Context& ctx, const Args& args) {
  int point = 0;
  if (args.size() != 2 || !ParseInt(args[0], point) || (args[1] != "on" && args[1] != "off")) {
    return usage(ctx, "set-output N on|off");
  }
  if (point < 8 || point > 63) {
    ctx.ui->messageBox("output point must be 8 to 63 (points 0 to 7 belong to the controller)");
    return kExitUsage;
  }
  BusyGuard busy(*ctx.link);
  RequestStatus s = RequestSetOutput(*ctx.link, point, args[1] == "on");
  if (s == RequestStatus::Ok) refreshOutputs(*ctx.link);
  return exitFor(s);
}

}  // namespace zova::cli
