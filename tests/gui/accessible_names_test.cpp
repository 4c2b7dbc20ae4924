// Every window at once, read over AT-SPI as a screen reader reads it: accessible_names.sh runs this case
// under Xvfb in a D-Bus session of its own and names the reader script and its interpreter.
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "app/widgets/keyboard.h"
#include "app/windows/dlg_network_port.h"
#include "app/windows/frm_backup.h"
#ifdef ZOVA_HISTORY
#include "app/windows/frm_history.h"
#endif
#include "app/windows/frm_splash.h"
#include "gui_support.h"

namespace zova::test {

TEST(AccessibleNames, EveryFocusableControlHasAName) {
  const QString python = qEnvironmentVariable("ZOVA_ATSPI_PYTHON");
  if (python.isEmpty()) GTEST_SKIP() << "read over AT-SPI only under tests/gui/accessible_names.sh";
  app::FrmSplash splash;
  splash.show();
  MainRig rig(6);
  for (const char* menu : {"mnuFile", "mnuLoc", "mnuSft", "mnuSysPara", "mnuAxisPara", "mnuDownload", "mnuEditor"})
    rig.main->openScreen(menu);
  using Action = app::WholeControllerAction;
  for (Action action : {Action::Backup, Action::Restore, Action::Compare, Action::CompareBackups})
    (new app::FrmBackup(rig.session, action, rig.file("a"), rig.file("b"), rig.main.get()))->show();
#ifdef ZOVA_HISTORY
  auto* history = new app::FrmHistory(rig.session, rig.main.get());
  history->open(rig.file("history"));
  history->show();
#endif
  rig.main->openLineMonitor();
  rig.main->openRecorder();
  rig.main->openAlarmLog();
  app::ShowKeyboardHelp();
  app::DlgNetworkPort network(QString(), rig.main.get());
  network.show();
  const QWidgetList shown = QApplication::topLevelWidgets();
  const auto windows = std::count_if(shown.begin(), shown.end(), [](const QWidget* w) { return w->isVisible(); });
  QProcess read;
  read.setProcessChannelMode(QProcess::ForwardedChannels);
  read.start(python, {qEnvironmentVariable("ZOVA_ATSPI_READER"), QString::number(QCoreApplication::applicationPid()),
                      QString::number(windows)});
  QEventLoop serving;  // the reader's every question is answered here: no sleeping between events
  QObject::connect(&read, &QProcess::finished, &serving, &QEventLoop::quit);
  QTimer::singleShot(150000, &serving, &QEventLoop::quit);
  serving.exec();
  ASSERT_EQ(read.state(), QProcess::NotRunning) << "the reader did not finish";
  if (read.exitCode() == 77) GTEST_SKIP() << "AT-SPI's registry cannot be reached";
  EXPECT_EQ(read.exitCode(), 0) << "the reader lists what it found above";
}

}  // namespace zova::test
