// The main window: the menus, the status bar and the screens opened from the menu, around the console panel.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "app/session.h"
#include "app/windows/console_panel.h"
#include "app/windows/port_menu.h"

namespace zova::app {

class FrmRecorder;

// What a screen needs before it opens.
enum class ScreenStart {
  Now,
  OnIdleLine,  // after the exchange under way (a status poll) has ended
};

class FrmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit FrmMain(Session& session, QWidget* parent = nullptr);
  ~FrmMain() override;

  // A screen opened from the menu; the factory makes it for this session.
  using ScreenFactory = std::function<QWidget*(Session&, FrmMain&)>;
  void setScreenFactory(const QString& menuName, ScreenFactory factory, ScreenStart start = ScreenStart::Now);
  // Shows a screen from the menu: polling stops, the main window is disabled until it closes.
  void openScreen(const QString& menuName);
  // The line monitor, opened or raised.
  QWidget* openLineMonitor();
  // The recorder and the alarm log, opened or raised; they stay above this window and leave it usable.
  FrmRecorder* openRecorder();
  QWidget* openAlarmLog();

  Session& session() { return session_; }
  ConsolePanel& panel() { return *panel_; }
  PortMenu& ports() { return *ports_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void portStateChanged(bool open);

 private:
  struct Screen {
    ScreenFactory make;
    ScreenStart start;
  };
  void buildMenus();
  void buildLanguageMenu(QMenu& view);
  void buildStatusBar();
  void updateStatusBar();

  Session& session_;
  ConsolePanel* panel_ = nullptr;
  PortMenu* ports_ = nullptr;
  std::map<QString, Screen> screens_;
  std::vector<QPointer<QWidget>> openScreens_;
  QPointer<QWidget> lineMonitor_;
  QPointer<FrmRecorder> recorder_;
  QPointer<QWidget> alarmLog_;
  QLabel* lblStatusPort = nullptr;
  QLabel* lblStatusLink = nullptr;
  QLabel* lblStatusResult = nullptr;
};

}  // namespace zova::app
