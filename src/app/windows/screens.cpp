// The screens the main window's menu opens.
#include "app/windows/screens.h"

#include <QCoreApplication>

#include "app/qt/file_dialog.h"
#include "app/windows/frm_backup.h"
#ifdef ZOVA_HISTORY
#include "app/windows/frm_history.h"
#endif
#include "app/windows/frm_main.h"

namespace zova::app {

void RegisterScreens(FrmMain& main) {
  main.setScreenFactory("mnuFile", MakeFrmFile);
  main.setScreenFactory("mnuLoc", MakeFrmLoc);
  main.setScreenFactory("mnuSft", MakeFrmSft);
  main.setScreenFactory("mnuSysPara", MakeFrmNsyspara);
  // The axis screen fetches nothing itself, but must not start inside a poll exchange.
  main.setScreenFactory("mnuAxisPara", MakeFrmNaxpara, ScreenStart::OnIdleLine);
  main.setScreenFactory("mnuDownload", MakeFrmDownload);
  main.setScreenFactory("mnuEditor", MakeFrmEditor);
  main.setScreenFactory("mnuBackup", MakeFrmBackup);
  main.setScreenFactory("mnuRestore", MakeFrmRestore);
  main.setScreenFactory("mnuCompare", MakeFrmCompare);
  main.setScreenFactory("mnuCompareBackups", MakeFrmCompareBackups);
#ifdef ZOVA_HISTORY
  main.setScreenFactory("mnuHistory", MakeFrmHistory);
#endif
}

QString DefaultFileFilter(const char* fileName) {
  return QtFilter(
      QString("%1|%1|%2|*.*")
          .arg(QString::fromUtf8(fileName), QCoreApplication::translate("zova::app::Screens", "모든파일(*.*)")));
}

}  // namespace zova::app
