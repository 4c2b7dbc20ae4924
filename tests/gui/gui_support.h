// Helpers for window tests: find controls by name, type into boxes, capture message boxes, open screens
// by their menu item, reach the built-in simulator and answer the file dialog. Windows are held by
// QPointer and every helper checks them, so a test cannot touch a window that has been deleted.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <utility>

#include "app/qt/file_dialog.h"
#include "app/windows/frm_main.h"
#include "app/qt/qt_sim_port.h"
#include "app/widgets/window_util.h"
#include "app/windows/screens.h"
#include "link/commands.h"
#include "link/link_error.h"
#include "support/scratch_dir.h"

QT_BEGIN_NAMESPACE
// Failures show the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace zova::test {

using Texts = std::vector<std::string>;

inline const std::string kPortClosed = LinkMessage()[kLinkErrorPortClosed];

template <typename T = QWidget>
T* Find(QObject* root, const QString& name) {
  T* w = root == nullptr ? nullptr : root->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString() << (root == nullptr ? ": its window is gone" : "");
  return w;
}

inline void WriteFile(const QString& path, const std::string& text) { ScratchFolder::write(path.toStdString(), text); }
inline std::string ReadAll(const QString& path) { return ScratchFolder::read(path.toStdString()); }

inline void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The visible top-level window of that name, or null.
inline QWidget* TopWindow(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

// Makes the window the active one: a screen reports itself active already while the main window it
// belongs to still is, and its keys would go nowhere.
[[nodiscard]] inline bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

inline void Click(QWidget* window, const QString& name) {
  if (auto* b = Find<QAbstractButton>(window, name)) b->click();
  Settle();
}

// The texts of boxes and labels, joined by spaces: one comparison for what a window shows at once.
inline QString Shown(QWidget* window, const QStringList& names) {
  QStringList texts;
  for (const QString& name : names) {
    QWidget* w = Find(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(w)) texts << box->text();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
  }
  return texts.join(' ');
}

inline QString Text(QWidget* window, const QString& name) { return Shown(window, {name}); }

// A table's rows, its cells joined by "|".
inline QStringList Rows(QTableWidget* table) {
  QStringList rows;
  for (int r = 0; r < table->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
    rows << cells.join('|');
  }
  return rows;
}

inline void SetText(QWidget* window, const QString& name, const QString& text) {
  if (auto* e = Find<QLineEdit>(window, name)) e->setText(text);
}

// Types into a box key by key, as the operator would: every keystroke is a change.
inline void Type(QWidget* window, const QString& name, const QString& text) {
  if (auto* e = Find<QLineEdit>(window, name)) {
    e->clear();
    QTest::keyClicks(e, text);
  }
  Settle();
}

// Works a window as the operator would, step by step: "box=text" types into a box, "name" clicks a button.
inline void Do(QWidget* window, const QStringList& steps) {
  for (const QString& step : steps) {
    const auto at = step.indexOf('=');
    at < 0 ? Click(window, step) : Type(window, step.left(at), step.mid(at + 1));
  }
}

// A main window on the built-in simulator (opened or not), with every message box captured instead of shown.
struct MainRig {
  explicit MainRig(int axes = 4, bool simulator = false) {
    session.axes = axes;
    session.ui.interceptor = [this](std::string_view text, MessageIcon icon) {
      messages.push_back(std::string(text));
      icons.push_back(icon);
      return answer;
    };
    main = std::make_unique<app::FrmMain>(session);
    app::RegisterScreens(*main);
    main->show();
    if (simulator) main->ports().openSimulator();
  }
  ~MainRig() {
    EXPECT_EQ(messages, Texts{}) << "shown, and no check took them";
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != main.get() && w->isVisible()) w->close();
  }
  void click(const QString& name) { Click(main.get(), name); }
  QString file(const QString& name) const { return dir.filePath(name); }  // in a folder of the rig's own
  // The messages shown since the last call.
  Texts taken() { return std::exchange(messages, {}); }
  QTemporaryDir dir;
  app::Session session;
  std::unique_ptr<app::FrmMain> main;
  Texts messages;
  std::vector<MessageIcon> icons;
  MessageResult answer = MessageResult::Ok;  // to every message box
};

inline QPointer<QWidget> OpenScreen(MainRig& rig, const QString& menu, const QString& window) {
  rig.main->openScreen(menu);
  Settle();
  QWidget* w = TopWindow(window);
  if (w == nullptr) ADD_FAILURE() << window.toStdString() << " did not open";
  return w;
}

inline void CloseScreen(QWidget* screen) {
  ASSERT_NE(screen, nullptr);
  screen->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Settle();
}

// The built-in simulator's port; a test that needs it and has another fails with a bad cast.
inline app::QtSimPort& SimPort(MainRig& rig) { return dynamic_cast<app::QtSimPort&>(*rig.session.port.current()); }

inline sim::Controller& Controller(MainRig& rig) { return SimPort(rig).controller(); }

// How often the simulated controller has been sent that command.
inline auto Count(MainRig& rig, std::uint8_t command) {
  const auto& log = Controller(rig).commandLog;
  return std::count(log.begin(), log.end(), command);
}

// Answers a replaceable question (the file dialog, the unsaved-changes question) with a fixed answer and
// records what was asked; the real one comes back when it goes.
template <typename Function, typename Asked, typename Answer>
struct Answered {
  Answered(Function& hook, Answer answer) : hook_(hook), saved_(hook) {
    hook = [this, answer](QWidget*, const Asked& asked) {
      requests.push_back(asked);
      return answer;
    };
  }
  ~Answered() { hook_ = saved_; }
  Answered(const Answered&) = delete;  // the hook points at this one
  std::vector<Asked> requests;
  Function& hook_;
  Function saved_;
};

// Answers every file dialog with a fixed name, or cancels it (nullopt).
struct AnsweredDialog : Answered<app::FileDialogFunction, app::FileDialogRequest, std::optional<QString>> {
  explicit AnsweredDialog(std::optional<QString> answer) : Answered(app::FileDialog(), std::move(answer)) {}
};

// Clicks a button whose file dialog is answered with `answer` (nullopt: cancelled).
inline void ClickAnswering(QWidget* window, const QString& button, std::optional<QString> answer) {
  AnsweredDialog dialog(std::move(answer));
  Click(window, button);
}

}  // namespace zova::test
