// The main window's "Comm Port" menu and the port it opens: serial ports by name, the built-in simulator
// and network ports; the last port is remembered for the next start.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QObject>
#include <utility>
#include <vector>

#include "app/session.h"
#include "console/status_monitor.h"

namespace zova::app {

class PortMenu : public QObject {
  // The main window's texts keep one translation context, whichever part of the window builds them.
  Q_DECLARE_TR_FUNCTIONS(zova::app::FrmMain)

 public:
  // Adds the menu to `bar`; `window` owns it and the dialogs it opens.
  PortMenu(Session& session, console::StatusMonitor& status, QMenuBar& bar, QWidget* window);

  // Opens a port by name ("COM3", "/dev/ttyUSB0") or "sim", the built-in simulated controller; an open
  // port is remembered for the next start.
  void openPort(const QString& device);
  void openSimulator();
  // "Network Port…": asks for a serial device server's address and opens it.
  void openNetworkPort();
  void closePort();
  // Once the window is shown: opens `device` when given (the command line's --port), else the
  // remembered port when the operator asked for that.
  void openAtStart(const QString& device);
  // Checks the open port's item and names the last port.
  void update();
  // The status bar's words for the port last chosen, with its line settings.
  [[nodiscard]] QString describe() const;

 private:
  Session& session_;
  console::StatusMonitor& status_;
  QWidget* window_;
  QString portDevice_;                                     // the port last chosen ("sim" for the simulator)
  std::vector<std::pair<QString, QAction*>> portActions_;  // device and its "Open" item
  QAction* lastPortAction_ = nullptr;
};

}  // namespace zova::app
