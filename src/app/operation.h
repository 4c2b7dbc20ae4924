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

class Activity : public QObject {
  Q_OBJECT
 public:
  // The operation that holds the link; empty when none does.
  [[nodiscard]] const QString& running() const { return running_; }
  // How the last operation ended, or the last message the program showed.
  [[nodiscard]] const QString& lastResult() const { return lastResult_; }

  void begin(const QString& name);
  void end();
  void setResult(const QString& text);

 signals:
  void changed();

 private:
  QString running_;
  QString lastResult_;
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
};

// A "Cancel" button for beside a progress bar: disabled until an Operation names it, Esc presses it.
QPushButton* MakeCancelButton(Session& session, QWidget* parent, const QString& name);

}  // namespace zova::app
