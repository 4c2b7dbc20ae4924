// What the core needs from the operator's side: message boxes, progress bars and an event-loop yield.
#pragma once

#include <string>
#include <string_view>

#include "base/diagnostic.h"

namespace zova {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Exclamation };
enum class MessageResult { Ok, Cancel };

// The title of message boxes that name no title of their own, and the settings store's application name.
inline constexpr std::string_view kAppTitle = "ZOVA";

// The operation a progress report belongs to. The core names operations; each window knows its own bars.
enum class Job {
  ProgramSend,
  ProgramReceive,
  SourceSend,     // the program editor's text, sent without a file
  SourceReceive,  // a program fetched into the program editor
  LocationSend,
  LocationReceive,
  ShiftSend,
  ShiftReceive,
  SysPara,
  SysParaReadFirst,  // the read before a send that keeps what the screen does not show
  AxPara,
  AxParaReadFirst,
  Firmware,
  Backup,
  Restore,
  Compare,
};

// Folds the progress of the steps of an enclosing operation (a backup's transfers) into the bar of its own
// job; attached with Ui::foldProgress while that operation runs.
class ProgressFold {
 public:
  virtual ~ProgressFold() = default;
  [[nodiscard]] virtual Job job() const = 0;
  virtual void stepMaximum(int bar, int maximum) = 0;
  virtual void stepValue(int bar, int value) = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; an empty title means the application title.
  virtual MessageResult messageBox(std::string_view text, std::string_view title = {},
                                   MessageButtons buttons = MessageButtons::Ok,
                                   MessageIcon icon = MessageIcon::None) = 0;

  // Where checks send their findings: each becomes a message box of its text, in the order found.
  DiagnosticSink diagnostics() {
    return [this](const Diagnostic& d) { messageBox(d.text); };
  }

  // Progress of `job` on its bar 0 or 1. While an enclosing operation has a fold attached, the other jobs'
  // progress goes into it.
  void setProgressMaximum(Job job, int bar, int maximum) {
    if (fold_ != nullptr && fold_->job() != job) return fold_->stepMaximum(bar, maximum);
    showProgressMaximum(job, bar, maximum);
  }
  void setProgressValue(Job job, int bar, int value) {
    if (fold_ != nullptr && fold_->job() != job) return fold_->stepValue(bar, value);
    showProgressValue(job, bar, value);
  }
  // Attaches `fold` (nullptr detaches); `job`'s progress has ended when its fold goes.
  void foldProgress(ProgressFold* fold) {
    if (fold == nullptr && fold_ != nullptr) progressEnded(fold_->job());
    fold_ = fold;
  }

  // Lets pending repaints and input run; called now and then during long exchanges.
  virtual void yield() {}

  // A passing remark while the operation goes on, such as what a long wait waits for: a line on standard
  // error on the command line. Windows show their own busy state and ignore it.
  virtual void note(std::string_view /*text*/) {}

  // True once the operator has asked to end the running operation (Ctrl-C, a Cancel button) and no step
  // that must run whole holds the request back. Long operations look at it between exchanges; inside one,
  // only a wait on a silent controller ends for it (Link::WaitCancelled), so an answering controller is
  // never left mid-frame.
  [[nodiscard]] bool cancelRequested() { return !stopHeld_ && stopAsked(); }
  // The operator's request itself, held back or not.
  virtual bool stopAsked() { return false; }
  // While held, cancelRequested() says no: an operation that asks stopAsked() itself between steps.
  void holdStop(bool hold) { stopHeld_ = hold; }

 protected:
  virtual void showProgressMaximum(Job /*job*/, int /*bar*/, int /*maximum*/) {}
  virtual void showProgressValue(Job /*job*/, int /*bar*/, int /*value*/) {}
  // The operation of `job` is over: a terminal ends its progress line.
  virtual void progressEnded(Job /*job*/) {}

 private:
  ProgressFold* fold_ = nullptr;
  bool stopHeld_ = false;
};

}  // namespace zova
