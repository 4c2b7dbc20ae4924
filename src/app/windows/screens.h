// The screens the main window's menu opens. Each returns a new top-level window for the session.
#pragma once

#include <QString>
#include <QWidget>

namespace zova::app {
class FrmMain;
struct Session;

void RegisterScreens(FrmMain& main);

// The file dialog filter of a screen's own file and of all files, in Qt's form and the chosen language.
QString DefaultFileFilter(const char* fileName);

QWidget* MakeFrmFile(Session& session, FrmMain& main);      // "File": program transfer
QWidget* MakeFrmLoc(Session& session, FrmMain& main);       // "Loc"
QWidget* MakeFrmSft(Session& session, FrmMain& main);       // "Sft"
QWidget* MakeFrmNsyspara(Session& session, FrmMain& main);  // "Sys Para"
QWidget* MakeFrmNaxpara(Session& session, FrmMain& main);   // "Axis Para"
QWidget* MakeFrmDownload(Session& session, FrmMain& main);  // "Download"
QWidget* MakeFrmEditor(Session& session, FrmMain& main);    // "File" > "Program Editor…"

}  // namespace zova::app
