// Everything one run of the desktop program shares: the operator's side, the port, the link,
// the start-up choices and every subsystem's tables, which outlive the windows that show them.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "app/operation.h"
#include "app/qt/qt_ui.h"
#include "language/compiler.h"
#include "language/program_store.h"
#include "programs/program_transfer.h"
#include "link/connection.h"
#include "link/line_settings.h"
#include "link/link.h"
#include "link/switchable_port.h"
#include "parameters/ax_para.h"
#include "parameters/sys_para.h"
#include "positions/position_data.h"

namespace zova::app {

struct Session {
  QtUi ui;
  SwitchablePort port;
  Link link{port, ui, systemClock()};
  Connection connection{link};
  // The serial control's line settings and flow control, from the settings store when the main window loads.
  LineSettings lineSettings;
  FlowControl flowControl = FlowControl::None;
  int axes = 0;         // 2..6 once chosen in the selection window; changed by the system parameter AXES
  int machineType = 0;  // PLC family 0..2

  language::ProgramStore programs;
  programs::ProgramTransfer programTransfer{programs, language::LanguageConfig{6, 0}};
  positions::PositionData positions;
  parameters::SysPara sysPara;
  parameters::AxPara axPara;
  int currentAxis = 0;  // the axis the axis parameter screen shows
  // The connection (Connection::openings) whose controller sent the entries of sysPara and axPara that no
  // screen names, and for how many axes; a send reads them first when they came from elsewhere.
  int sysParaHeldOn = -1;
  int axParaHeldOn = -1;
  int axParaHeldAxes = 0;

  // File names the screens remember from one opening to the next.
  QString sysParaFile;
  QString axParaFile;
  QString locReceiveFile, locTransFile, sftReceiveFile, sftTransFile;
  QString fileReceiveName, fileTransName;

  Activity activity;  // what the status bar shows of the link's work

  int runningHandlers = 0;  // window handlers still on the stack (HandlerLock)
  // An exchange, or a handler that waits, is under way: no window may close under it.
  [[nodiscard]] bool busy() const { return runningHandlers > 0 || link.LinkBusy; }
  // Lets the exchange under way (a status poll the menu interrupted) end before the caller takes the line;
  // every exchange is bounded, so this wait is too.
  void waitForIdleLine() {
    while (link.LinkBusy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }

  [[nodiscard]] language::LanguageConfig languageConfig() const { return {axes, machineType}; }
};

}  // namespace zova::app
