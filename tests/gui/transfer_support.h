// Helpers for the transfer window tests: opening a window by its menu item, the simulated controller,
// and an answered file dialog.
#pragma once

#include <QTemporaryDir>
#include <functional>

#include "app/file_dialog.h"
#include "app/qt_sim_port.h"
#include "gui_support.h"

namespace zova::test {

inline QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible()) return w;
  }
  return nullptr;
}

inline QWidget* OpenScreen(MainRig& rig, const QString& menu, const QString& window) {
  rig.main->openScreen(menu);
  Settle();
  QWidget* w = TopLevel(window);
  EXPECT_NE(w, nullptr) << window.toStdString();
  return w;
}

inline sim::Controller& Controller(MainRig& rig) {
  auto* port = dynamic_cast<app::QtSimPort*>(rig.session.port.current());
  EXPECT_NE(port, nullptr);
  return port->controller();
}

inline void Click(QWidget* window, const QString& name) {
  auto* b = Find<QPushButton>(window, name);
  if (b != nullptr) b->click();
  Settle();
}

inline QString Text(QWidget* window, const QString& name) {
  auto* e = Find<QLineEdit>(window, name);
  return e == nullptr ? QString() : e->text();
}

// Answers every file dialog with a fixed name (or cancels) and records the requests; restores the real
// dialog when it goes.
class AnsweredDialog {
 public:
  explicit AnsweredDialog(std::optional<QString> answer) : saved_(app::FileDialog()) {
    app::FileDialog() = [this, answer](QWidget*, const app::FileDialogRequest& request) {
      requests.push_back(request);
      return answer;
    };
  }
  ~AnsweredDialog() { app::FileDialog() = saved_; }
  AnsweredDialog(const AnsweredDialog&) = delete;
  AnsweredDialog& operator=(const AnsweredDialog&) = delete;
  std::vector<app::FileDialogRequest> requests;

 private:
  app::FileDialogFunction saved_;
};

}  // namespace zova::test
