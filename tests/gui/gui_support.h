// Helpers for window tests: find controls by name, type into boxes, capture message boxes, open screens
// by their menu item, reach the built-in simulator and answer the file dialog. Windows are held by
// QPointer and every helper checks them, so a test cannot touch a window that has been deleted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "app/qt/file_dialog.h"
#include "app/windows/frm_main.h"
#include "app/qt/qt_sim_port.h"
#include "app/windows/screens.h"

namespace zova::test {

template <typename T = QWidget>
T* Find(QObject* root, const QString& name) {
  if (root == nullptr) {
    ADD_FAILURE() << "the window of " << name.toStdString() << " is gone";
    return nullptr;
  }
  T* w = root->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

inline void WriteFile(const QString& path, const std::string& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(text.data(), static_cast<qint64>(text.size()));
}

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// A main window on the built-in simulator, with every message box captured instead of shown.
struct MainRig {
  explicit MainRig(int axes = 4) {
    session.axes = axes;
    session.ui.interceptor = [this](const RecordedMessage& m) {
      messages.push_back(m.text);
      titles.push_back(m.title);
      icons.push_back(m.icon);
      return MessageResult::Ok;
    };
    main = std::make_unique<app::FrmMain>(session);
    app::RegisterScreens(*main);
    main->show();
  }
  ~MainRig() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != main.get() && w->isVisible()) w->close();
    }
  }
  void click(const QString& name) {
    auto* b = Find<QAbstractButton>(main.get(), name);
    if (b != nullptr) b->click();
    Settle();
  }
  void type(QObject* root, const QString& name, const QString& text) {
    auto* e = Find<QLineEdit>(root, name);
    if (e == nullptr) return;
    e->selectAll();
    e->clear();
    QTest::keyClicks(e, text);
    Settle();
  }
  app::Session session;
  std::unique_ptr<app::FrmMain> main;
  std::vector<std::string> messages;
  std::vector<std::string> titles;
  std::vector<MessageIcon> icons;
};

inline QPointer<QWidget> OpenScreen(MainRig& rig, const QString& menu, const QString& window) {
  rig.main->openScreen(menu);
  Settle();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == window && w->isVisible()) return w;
  }
  ADD_FAILURE() << window.toStdString() << " did not open";
  return nullptr;
}

inline void CloseScreen(QWidget* screen) {
  ASSERT_NE(screen, nullptr);
  screen->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Settle();
}

inline app::QtSimPort& SimPort(MainRig& rig) {
  auto* port = dynamic_cast<app::QtSimPort*>(rig.session.port.current());
  EXPECT_NE(port, nullptr);
  return *port;
}

inline sim::Controller& Controller(MainRig& rig) { return SimPort(rig).controller(); }

inline void Click(QWidget* window, const QString& name) {
  auto* b = Find<QAbstractButton>(window, name);
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
