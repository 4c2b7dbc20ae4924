// The screens the main window's menu opens.
#include "app/screens.h"

#include "app/frm_main.h"

namespace zova::app {

void RegisterScreens(FrmMain&) {}

}  // namespace zova::app
