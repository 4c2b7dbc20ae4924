// What the core needs from the operator's side: message boxes, progress bars and an event-loop yield.
#pragma once

#include <string>
#include <string_view>

namespace zova {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Exclamation };
enum class MessageResult { Ok, Cancel };

// The title of message boxes that name no title of their own, and the settings store's application name.
inline constexpr std::string_view kAppTitle = "ZOVA";

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; an empty title means the application title.
  virtual MessageResult messageBox(std::string_view text, std::string_view title = {},
                                   MessageButtons buttons = MessageButtons::Ok,
                                   MessageIcon icon = MessageIcon::None) = 0;

  // Progress bars are named as the windows name them ("ProgressBarTrans", index 0 or 1).
  virtual void setProgressMaximum(std::string_view bar, int index, int maximum) = 0;
  virtual void setProgressValue(std::string_view bar, int index, int value) = 0;

  // Lets pending repaints and input run; called now and then during long exchanges.
  virtual void yield() {}

  // A passing remark while the operation goes on, such as what a long wait waits for: a line on standard
  // error on the command line. Windows show their own busy state and ignore it.
  virtual void note(std::string_view /*text*/) {}

  // True once the operator has asked to end the running operation (Ctrl-C, a Cancel button). Long
  // operations look at it between exchanges; inside one, only a wait on a silent controller ends for it
  // (Link::WaitCancelled), so an answering controller is never left mid-frame.
  virtual bool cancelRequested() { return false; }
};

}  // namespace zova
