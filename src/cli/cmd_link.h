// zovactl commands of the link and the console: ping, close, servo, status reads, outputs.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunPing(Context& ctx, const Args& args);
int RunClose(Context& ctx, const Args& args);
int RunServo(Context& ctx, const Args& args);
int RunAlarmReset(Context& ctx, const Args& args);
int RunOutputs(Context& ctx, const Args& args);
int RunInputs(Context& ctx, const Args& args);
int RunSensors(Context& ctx, const Args& args);
int RunPositions(Context& ctx, const Args& args);
int RunError(Context& ctx, const Args& args);
int RunSetOutput(Context& ctx, const Args& args);

}  // namespace zova::cli
