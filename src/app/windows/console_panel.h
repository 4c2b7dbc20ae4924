// The main window's working area: the link picture, the manual-operation controls, the sensor and position
// displays and the I/O boxes. It draws what the console operations report and maps what the console offers
// to its controls.
#pragma once

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/session.h"
#include "console/console_display.h"
#include "console/manual_console.h"
#include "console/status_monitor.h"

namespace zova::app {

class ConsolePanel : public QWidget, public console::ConsoleDisplay {
  // The main window's texts keep one translation context, whichever part of the window builds them.
  Q_DECLARE_TR_FUNCTIONS(zova::app::FrmMain)

 public:
  ConsolePanel(Session& session, QWidget* parent);

  // Shows the sensor and position rows of the configured axes only, and polls that many.
  void applyAxisCount();
  // Positions and sensor colours belong to one connection.
  void clearConnectionDisplay();
  void setLinkPicture(bool on);

  void setInputChecked(int point, bool checked) override;
  void setOutputChecked(int point, bool checked) override;
  void setSensorColour(int box, console::SensorColour colour) override;
  void setPositionTexts(int axis, const std::string& command, const std::string& actual) override;
  void setAxisSelText(const std::string& text) override;
  void setAvailable(console::Available what, bool available) override;
  void setPolling(bool on) override;

  console::StatusMonitor& status() { return *status_; }
  console::ManualConsole& console() { return *console_; }

 private:
  QWidget* buildIoFrames();
  QWidget* buildSensorFrame();
  QWidget* buildConsole();
  QWidget* buildRunFrame(QWidget* parent);
  QWidget* buildJogFrame(QWidget* parent);
  QWidget* buildPositionFrame(QWidget* parent);
  void wireConsole();

  Session& session_;
  std::unique_ptr<console::StatusMonitor> status_;
  std::unique_ptr<console::ManualConsole> console_;
  QLabel* imgComm_ = nullptr;
  QLabel* imgCommOn_ = nullptr;
  QLabel* imgCommOff_ = nullptr;
  std::array<std::vector<QWidget*>, 6> axisRows_;             // the sensor and position boxes and labels of each axis
  std::array<QWidget*, console::kAvailableCount> offered_{};  // the control of each thing the console offers, if any

 public:
  // The controls, by the names the window gives them (also found by objectName).
  QTimer* tmrUpStatus = nullptr;
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
};

}  // namespace zova::app
