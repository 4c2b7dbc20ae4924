// What the status bar tells about the link's work, and the frame every long operation of a window runs in:
// the status bar names it while it runs, its Cancel buttons work only meanwhile, and a request to
// cancel never outlives it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <vector>

namespace zova::app {

struct Session;

// What the status bar and a window show once the operator has asked a running operation to stop: the text as
// written, and StoppingText() in the chosen language.
inline constexpr const char* kStoppingText =
    QT_TRANSLATE_NOOP("zova::app::Operation", "Stopping after the current exchange…");
QString StoppingText();

// The status bar's texts begin with a capital, whatever part of the program wrote them; a text that begins
// with a name (a path, an address, "zova:") is left as written.
QString SentenceCase(const QString& text);

class Activity : public QObject {
  Q_OBJECT
 public:
  // The operation that holds the link; empty when none does.
  [[nodiscard]] const QString& running() const { return running_; }
  // How the last operation ended, or the last message the program showed since it began.
  [[nodiscard]] const QString& lastResult() const { return lastResult_; }
  // The operator asked the running operation to stop; it has not reached its next safe point yet.
  [[nodiscard]] bool stopping() const { return stopping_; }

  // A new operation: what the one before it left is no longer its result.
  void begin(const QString& name);
  void end();
  void setResult(const QString& text);
  // Only while an operation runs; the first request of each counts.
  void requestStop();

 signals:
  void changed();
  void stopRequested();
  void resultSet(const QString& text);

 private:
  QString running_;
  QString lastResult_;
  bool stopping_ = false;
};

class Operation {
 public:
  Operation(Session& session, const QString& name, const std::vector<QPushButton*>& cancelButtons = {});
  ~Operation();
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

  // The result the status bar shows; an empty text keeps what a message box of the operation said.
  void finish(const QString& result);
  [[nodiscard]] bool cancelRequested() const;

 private:
  Session& session_;
  std::vector<QPointer<QPushButton>> cancelButtons_;
  QMetaObject::Connection stopShown_;
};

// Asks the running operation, if any, to end at its next safe point: its Cancel buttons go off at once
// and the status bar says a stop is pending, since the exchange under way may take a while yet.
void RequestStop(Session& session);

// A "Cancel" button for beside a progress bar: disabled until an Operation names it, Esc presses it.
QPushButton* MakeCancelButton(Session& session, QWidget* parent, const QString& name);

}  // namespace zova::app
