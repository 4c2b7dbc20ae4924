// The file dialog control of a transfer window: it keeps the title and the file name it last had,
// so a button that sets no title of its own shows the previous one.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <optional>

#include "app/qt/file_dialog.h"

namespace zova::app {

class DialogControl : public QObject {
 public:
  DialogControl(QWidget* owner, const char* name, QString filter);

  // Shows the dialog; an empty title keeps the one shown last. Nothing when cancelled.
  std::optional<QString> open(const QString& title, FileDialogForm form, bool overwritePrompt);

  [[nodiscard]] const QString& title() const { return title_; }
  [[nodiscard]] const QString& fileName() const { return fileName_; }
  // The name the dialog shows next.
  void setFileName(const QString& name) { fileName_ = name; }

 private:
  QWidget* owner_;
  QString filter_;
  QString title_;
  QString fileName_;
};

}  // namespace zova::app
