// Window not built yet: the menu item does nothing until it is.
#include "app/screens.h"

namespace zova::app {

QWidget* MakeFrmLoc(Session&, FrmMain&) { return nullptr; }

}  // namespace zova::app
