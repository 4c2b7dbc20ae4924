// zova: the desktop program. Starts with the selection window, then the main window.
#include <QApplication>
#include <QPushButton>
#include <iostream>

#include "app/command_line.h"
#include "app/desktop_language.h"
#include "app/measurement.h"
#include "app/screenshots.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_main.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"

int main(int argc, char** argv) {
  // The help and the messages of the options are already in the language of this start.
  const zova::Language language = zova::app::StartLanguage(argc, argv);
  zova::app::UseLanguage(language);
  // --help and a wrong option are answered before any window, also where there is no display.
  zova::app::StartOptions options;
  if (const int status = zova::app::ParseStartOptions(argc, argv, options, std::cout, std::cerr); status >= 0) {
    return status;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("ZOVA");
  zova::app::UseLanguage(language);  // now the application holds the windows' translators
  if (!options.screenshots.empty()) return zova::app::SaveScreenshots(QString::fromStdString(options.screenshots));
  if (!options.measure.empty()) return zova::app::RunMeasurement(options);

  zova::app::Session session;
  if (options.axes > 0) {
    session.axes = options.axes;
    session.machineType = options.machineType < 0 ? 0 : options.machineType;
  } else {
    zova::app::FrmSplash splash;
    if (options.machineType >= 0) {
      splash.findChild<QPushButton*>(zova::app::ArrayName("cmdSelTevPlc", options.machineType))->click();
    }
    if (splash.exec() != QDialog::Accepted) return 0;
    session.axes = splash.axes();
    session.machineType = splash.machineType();
  }
  session.programTransfer.setConfig(session.languageConfig());
  zova::app::FrmMain main(session);
  zova::app::RegisterScreens(main);
  main.show();
  main.ports().openAtStart(QString::fromStdString(options.port));
  return QApplication::exec();
}
