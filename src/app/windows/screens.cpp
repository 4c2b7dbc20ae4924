// The screens the main window's menu opens.
#include "app/windows/screens.h"

#include "app/windows/frm_backup.h"
#include "app/windows/frm_main.h"

namespace zova::app {

void RegisterScreens(FrmMain& main) {
  main.setScreenFactory("mnuFile", MakeFrmFile);
  main.setScreenFactory("mnuLoc", MakeFrmLoc);
  main.setScreenFactory("mnuSft", MakeFrmSft);
  main.setScreenFactory("mnuSysPara", MakeFrmNsyspara);
  main.setScreenFactory("mnuAxisPara", MakeFrmNaxpara);
  main.setScreenFactory("mnuDownload", MakeFrmDownload);
  main.setScreenFactory("mnuEditor", MakeFrmEditor);
  main.setScreenFactory("mnuBackup", MakeFrmBackup);
  main.setScreenFactory("mnuRestore", MakeFrmRestore);
  main.setScreenFactory("mnuCompare", MakeFrmCompare);
  main.setScreenFactory("mnuCompareBackups", MakeFrmCompareBackups);
}

}  // namespace zova::app
