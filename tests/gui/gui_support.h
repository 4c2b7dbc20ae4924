// Helpers for window tests: find controls by name, type into boxes, capture message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "app/frm_main.h"
#include "app/screens.h"

namespace zova::test {

template <typename T = QWidget>
T* Find(QObject* root, const QString& name) {
  T* w = root->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
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
};

}  // namespace zova::test
