// The file dialog control of a transfer window.
#include "app/widgets/dialog_control.h"

#include <utility>

namespace zova::app {

DialogControl::DialogControl(QWidget* owner, const char* name, QString filter)
    : QObject(owner), owner_(owner), filter_(std::move(filter)) {
  setObjectName(name);
}

std::optional<QString> DialogControl::open(const QString& title, FileDialogForm form, bool overwritePrompt) {
  if (!title.isEmpty()) title_ = title;
  auto chosen = FileDialog()(owner_, FileDialogRequest{title_, filter_, fileName_, form, overwritePrompt});
  if (chosen) fileName_ = *chosen;
  return chosen;
}

}  // namespace zova::app
