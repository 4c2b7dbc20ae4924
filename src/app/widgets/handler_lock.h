// A window's handler that talks to the controller runs the exchange on the window's own stack while
// the event loop keeps serving the operator. Nothing may end under it: not the window, not the main
// window, not the program, which must still say goodbye to the controller (command 36).
#pragma once

#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <utility>
#include <vector>

#include "app/session.h"

namespace zova::app {

// Disables the given buttons for the length of one handler and counts the handler as running; on
// every way out the buttons come back as they were.
class HandlerLock {
 public:
  explicit HandlerLock(Session& session, const std::vector<QPushButton*>& buttons = {});
  ~HandlerLock();
  HandlerLock(const HandlerLock&) = delete;
  HandlerLock& operator=(const HandlerLock&) = delete;

 private:
  Session& session_;
  std::vector<std::pair<QPointer<QPushButton>, bool>> held_;
};

// For a window's closeEvent: while a handler runs or the link is held, ignores the close and asks
// again shortly, so the window closes once the exchange has ended. A running operation is asked to stop
// at its next safe point, which the status bar says. True when the close was put off.
bool PutOffCloseWhileBusy(QWidget* window, Session& session, QCloseEvent* event);

}  // namespace zova::app
