// The main window: menus, the link picture, the I/O and sensor displays and the console.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>
#include <map>

#include "app/session.h"
#include "console/console_display.h"
#include "console/manual_console.h"
#include "console/status_monitor.h"

namespace zova::app {

class FrmMain : public QMainWindow, public ConsoleDisplay {
  Q_OBJECT
 public:
  explicit FrmMain(Session& session, QWidget* parent = nullptr);
  ~FrmMain() override;

  // A screen opened from the menu; the factory makes it for this session.
  using ScreenFactory = std::function<QWidget*(Session&, FrmMain&)>;
  void setScreenFactory(const QString& menuName, ScreenFactory factory);
  // Shows a screen from the menu: polling stops, the main window is disabled until it closes.
  void openScreen(const QString& menuName);

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
  // The line monitor, opened or raised.
  QWidget* openLineMonitor();
  // Shows the sensor and position rows of the configured axes only.
  void applyAxisCount();

  // What the console operations draw.
  void setInputChecked(int point, bool checked) override;
  void setOutputChecked(int point, bool checked) override;
  void setSensorColour(int box, SensorColour colour) override;
  void setPositionTexts(int axis, const std::string& command, const std::string& actual) override;
  void setAxisSelText(const std::string& text) override;
  void setEnabled(Control control, bool enabled) override;
  using QMainWindow::setEnabled;
  void setLinkPicture(bool on);

  Session& session() { return session_; }
  StatusMonitor& status() { return *status_; }
  ManualConsole& console() { return *console_; }
  QTimer* tmrUpStatus = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void portStateChanged(bool open);

 private:
  void buildMenus();
  void buildLanguageMenu(QMenu& view);
  void buildStatusBar();
  void updateStatusBar();
  void updatePortMenu();
  // Positions and sensor colours belong to one connection.
  void clearConnectionDisplay();
  QWidget* buildIoFrames();
  QWidget* buildSensorFrame();
  QWidget* buildConsole();
  void wireConsole();
  QWidget* controlWidget(Control control);

  Session& session_;
  std::map<QString, ScreenFactory> factories_;
  std::vector<QPointer<QWidget>> openScreens_;
  std::unique_ptr<StatusMonitor> status_;
  std::unique_ptr<ManualConsole> console_;
  bool jogPressing_ = false;    // a jog press is still talking to the controller
  int pendingJogRelease_ = -1;  // a release that arrived meanwhile, replayed when the press ends
  QLabel* imgComm_ = nullptr;
  QLabel* imgCommOn_ = nullptr;
  QLabel* imgCommOff_ = nullptr;
  QString portDevice_;                                     // the port last chosen ("sim" for the simulator)
  std::vector<std::pair<QString, QAction*>> portActions_;  // device and its "Open" item
  QAction* lastPortAction_ = nullptr;
  QPointer<QWidget> lineMonitor_;
  std::array<std::vector<QWidget*>, 6> axisRows_;  // the sensor and position boxes and labels of each axis

 public:
  // Controls the console wiring reaches (also found by objectName).
  std::array<QCheckBox*, 64> chkIoInput{};
  std::array<QCheckBox*, 64> chkIoOutput{};
  std::array<QLineEdit*, 18> txtSensor{};
  std::array<QPushButton*, 3> cmdSvon{};
  QPushButton* cmdZR = nullptr;
  std::array<QPushButton*, 2> cmdJog{};
  QLineEdit* txtJogSpd = nullptr;
  QLineEdit* txtAxisSel = nullptr;
  std::array<QPushButton*, 2> cmdAxisSel{};
  std::array<QLineEdit*, 6> txtComPos{};
  std::array<QLineEdit*, 6> txtActPos{};
  QLineEdit* txtLocSet = nullptr;
  QPushButton* cmdLocSet = nullptr;
  std::array<QLineEdit*, 3> txtMove{};
  QPushButton* cmdMov = nullptr;
  QLineEdit* txtRunPrgNo = nullptr;
  std::array<QPushButton*, 3> cmdRun{};
  std::array<QPushButton*, 2> cmdIoStatus{};
  QPushButton* cmdReadError = nullptr;
  QGroupBox* fraIoOut = nullptr;
  QGroupBox* fraIoInput = nullptr;
  QGroupBox* fraRunZr = nullptr;
  QGroupBox* fraRun = nullptr;
  QGroupBox* fraJog = nullptr;
  QLabel* lblStatusPort = nullptr;
  QLabel* lblStatusLink = nullptr;
  QLabel* lblStatusResult = nullptr;
};

}  // namespace zova::app
