// File-open dialog.
#include "app/qt/file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace zova::app {

FileDialogFunction& FileDialog() {
  static FileDialogFunction dialog = [](QWidget* parent, const FileDialogRequest& r) -> std::optional<QString> {
    auto shown = MakeFileDialog(parent, r);
    if (shown->exec() != QDialog::Accepted || shown->selectedFiles().isEmpty()) return std::nullopt;
    return shown->selectedFiles().constFirst();
  };
  return dialog;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& r) {
  auto d = std::make_unique<QFileDialog>(parent, r.title, r.selected, r.filter);
  d->setAcceptMode(r.form == FileDialogForm::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d->setFileMode(r.form == FileDialogForm::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  d->setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
  if (r.form == FileDialogForm::Folder) {
    d->setFileMode(QFileDialog::Directory);
    d->setOption(QFileDialog::ShowDirsOnly, true);
  }
  return d;
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
