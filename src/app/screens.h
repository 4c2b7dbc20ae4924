// Hooks the screens of the menu to the main window.
#pragma once

namespace zova::app {
class FrmMain;
void RegisterScreens(FrmMain& main);
}  // namespace zova::app
