// Operations and what the status bar shows of them.
#include "app/operation.h"

#include <QCoreApplication>

#include "app/session.h"

namespace zova::app {

QString StoppingText() { return QCoreApplication::translate("zova::app::Operation", kStoppingText); }

QString SentenceCase(const QString& text) {
  const QString first = text.section(' ', 0, 0);
  if (first.isEmpty() || !first.at(0).isLower()) return text;
  for (const QChar c : first) {
    if (!c.isLetter() && c != '\'') return text;
  }
  return text.at(0).toUpper() + text.mid(1);
}

void Activity::begin(const QString& name) {
  running_ = SentenceCase(name);
  lastResult_.clear();
  stopping_ = false;
  emit changed();
}

void Activity::end() {
  running_.clear();
  stopping_ = false;
  emit changed();
}

void Activity::setResult(const QString& text) {
  lastResult_ = SentenceCase(text);
  emit resultSet(text);
  emit changed();
}

void Activity::requestStop() {
  if (running_.isEmpty() || stopping_) return;
  stopping_ = true;
  emit stopRequested();
  emit changed();
}

Operation::Operation(Session& session, const QString& name, const std::vector<QPushButton*>& cancelButtons)
    : session_(session) {
  session_.ui.clearCancel();
  for (QPushButton* b : cancelButtons) {
    cancelButtons_.emplace_back(b);
    b->setEnabled(true);
  }
  stopShown_ = QObject::connect(&session_.activity, &Activity::stopRequested, [this] {
    for (const QPointer<QPushButton>& b : cancelButtons_) {
      if (b) b->setEnabled(false);
    }
  });
  session_.activity.begin(name);
}

Operation::~Operation() {
  QObject::disconnect(stopShown_);
  for (const QPointer<QPushButton>& b : cancelButtons_) {
    if (b) b->setEnabled(false);
  }
  session_.ui.clearCancel();
  session_.activity.end();
}

void Operation::finish(const QString& result) {
  if (!result.isEmpty()) session_.activity.setResult(result);
}

bool Operation::cancelRequested() const { return session_.ui.stopAsked(); }

void RequestStop(Session& session) {
  // Only an operation clears the request when it begins: none may be left for an exchange of the console.
  if (session.activity.running().isEmpty()) return;
  session.ui.requestCancel();
  session.activity.requestStop();
}

QPushButton* MakeCancelButton(Session& session, QWidget* parent, const QString& name) {
  auto* button = new QPushButton(QCoreApplication::translate("zova::app::Operation", "Cancel"), parent);
  button->setObjectName(name);
  button->setEnabled(false);
  button->setShortcut(Qt::Key_Escape);
  button->setToolTip(
      QCoreApplication::translate("zova::app::Operation", "Ends the transfer after the exchange under way (Esc)"));
  QObject::connect(button, &QPushButton::clicked, button, [&session] { RequestStop(session); });
  return button;
}

}  // namespace zova::app
