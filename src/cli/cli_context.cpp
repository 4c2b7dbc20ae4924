// What every zovactl command shares.
#include "cli/cli_context.h"

#include <chrono>

#include "link/link.h"
#include "base/translation.h"

namespace zova::cli {

int ExitFor(const Outcome& outcome) {
  switch (outcome.code) {
    case Outcome::Ok:
      return kExitOk;
    case Outcome::Refused:
      return kExitUsage;  // nothing was sent
    case Outcome::FileFailed:
    case Outcome::FileDamaged:
      return kExitFile;
    case Outcome::Different:
      return kExitDifferent;
    case Outcome::Cancelled:
      return kExitInterrupted;
    default:
      break;  // the line, the controller, a busy or closed port: a copy that is not the controller's
  }
  return kExitLink;
}

void ApplyTimeouts(const Options& options, Link& link) {
  auto duration = [](double seconds) {
    return std::chrono::duration_cast<Duration>(std::chrono::duration<double>(seconds));
  };
  link.timeouts.handshake = duration(options.handshakeTimeoutSeconds);
  if (options.timeoutSeconds > 0) link.timeouts.reply = duration(options.timeoutSeconds);
}

int Context::refuse(const std::string& why) const {
  ui->messageBox(std::string(*command != '\0' ? "zovactl " : "zovactl") + command + ": " + why);
  return kExitUsage;
}

bool Context::requireAxes() const {
  if (options.axes >= 2 && options.axes <= 6) return true;
  Ui& u = *ui;
  u.messageBox(Tr("this command needs --axes N (2 to 6)"));
  return false;
}

}  // namespace zova::cli
