// What every zovactl command shares.
#include "cli/cli_context.h"

namespace zova::cli {

bool Context::requireAxes() const {
  if (options.axes >= 2 && options.axes <= 6) return true;
  Ui& u = *ui;
  u.messageBox("this command needs --axes N (2 to 6)");
  return false;
}

}  // namespace zova::cli
