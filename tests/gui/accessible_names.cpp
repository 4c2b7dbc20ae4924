// Opens every window of the desktop at once and lets a reader script (argv: its interpreter and its path) look
// at them as a screen reader does, over AT-SPI; the script's exit status is this program's.
#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "app/widgets/keyboard.h"
#include "app/windows/dlg_network_port.h"
#include "app/windows/frm_backup.h"
#include "app/windows/frm_main.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"

using namespace zova::app;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  FrmSplash splash;
  splash.show();
  Session session;
  session.axes = 6;
  session.ui.interceptor = [](const zova::RecordedMessage&) { return zova::MessageResult::Ok; };
  FrmMain main(session);
  RegisterScreens(main);
  main.show();
  // The screens open one over the other; the whole-controller windows are made without running.
  for (const char* menu : {"mnuFile", "mnuLoc", "mnuSft", "mnuSysPara", "mnuAxisPara", "mnuDownload", "mnuEditor"}) {
    main.openScreen(menu);
  }
  for (auto action : {WholeControllerAction::Backup, WholeControllerAction::Restore, WholeControllerAction::Compare,
                      WholeControllerAction::CompareBackups}) {
    auto* window = new FrmBackup(session, action, store.path(), store.path(), &main);
    window->show();
  }
  main.openLineMonitor();
  ShowKeyboardHelp();
  DlgNetworkPort network(QString(), &main);
  network.show();

  QProcess reader;
  reader.setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(&reader, &QProcess::finished, &app, [&app](int code) { app.exit(code); });
  QObject::connect(&reader, &QProcess::errorOccurred, &app, [&app] { app.exit(1); });
  qsizetype windows = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) windows += w->isVisible() ? 1 : 0;
  reader.start(argv[1], {argv[2], QString::number(QCoreApplication::applicationPid()), QString::number(windows)});
  const int status = app.exec();
  QApplication::closeAllWindows();
  return status;
}
