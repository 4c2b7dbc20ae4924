// File-open dialog.
#include "app/qt/file_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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

namespace {

// Qt's own folder dialog refuses a name that does not exist ("Directory not found"); a folder that the
// operation itself makes is typed in as a new name, in a folder that exists.
class NewFolderDialog final : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  void accept() override {
    const QStringList chosen = selectedFiles();
    if (chosen.size() == 1 && !QFileInfo::exists(chosen[0]) && QFileInfo(chosen[0]).dir().exists()) {
      QDialog::accept();
      return;
    }
    QFileDialog::accept();
  }
};

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& r) {
  const bool newFolder = r.form == FileDialogForm::NewFolder;
  std::unique_ptr<QFileDialog> d = newFolder ? std::make_unique<NewFolderDialog>(parent, r.title, r.selected, r.filter)
                                             : std::make_unique<QFileDialog>(parent, r.title, r.selected, r.filter);
  // A new folder is a save: the platform's dialog then offers to make one.
  const bool save = r.form == FileDialogForm::Save || newFolder;
  d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d->setFileMode(r.form == FileDialogForm::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  d->setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
  if (r.form == FileDialogForm::Folder || newFolder) {
    d->setFileMode(QFileDialog::Directory);
    d->setOption(QFileDialog::ShowDirsOnly, true);
  }
  if (newFolder) d->setLabelText(QFileDialog::Accept, QCoreApplication::translate("zova::app::FileDialog", "Choose"));
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
