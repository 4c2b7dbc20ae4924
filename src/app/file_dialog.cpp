// File-open dialog.
#include "app/file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace zova::app {

FileDialogFunction& FileDialog() {
  static FileDialogFunction dialog = [](QWidget* parent, const FileDialogRequest& r) -> std::optional<QString> {
    QFileDialog::Options options;
    if (!r.overwritePrompt) options |= QFileDialog::DontConfirmOverwrite;
    // The open form of the dialog, where a name that does not exist yet can be typed in.
    QString name = QFileDialog::getSaveFileName(parent, r.title, r.selected, r.filter, nullptr, options);
    if (name.isEmpty()) return std::nullopt;
    return name;
  };
  return dialog;
}

QString QtFilter(const QString& pairs) {
  const QStringList parts = pairs.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace("*.*", "*");
    out << QString("%1 (%2)").arg(parts[i], pattern);
  }
  return out.join(";;");
}

}  // namespace zova::app
