// zova: the desktop program. Starts with the selection window, then the main window.
#include <QApplication>

#include "app/windows/frm_main.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"
#include "app/measurement.h"
#include "app/screenshots.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ZOVA");
  bool simulator = false;
  for (int i = 1; i < argc; ++i) {
    const QString arg = argv[i];
    if (arg == "--port" && i + 1 < argc && QString(argv[i + 1]) == "sim") simulator = true;
    if (arg == "--screenshots" && i + 1 < argc) return zova::app::SaveScreenshots(argv[i + 1]);
    if (arg == "--measure" && i + 1 < argc) return zova::app::RunMeasurement(argv[i + 1]);
  }
  zova::app::FrmSplash splash;
  if (splash.exec() != QDialog::Accepted) return 0;
  zova::app::Session session;
  session.axes = splash.axes();
  session.machineType = splash.machineType();
  session.programTransfer.setConfig(session.languageConfig());
  zova::app::FrmMain main(session);
  zova::app::RegisterScreens(main);
  main.show();
  if (simulator) main.openSimulator();
  return QApplication::exec();
}
