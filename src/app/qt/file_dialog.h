// The file dialog of the windows, replaceable so tests can answer it without a modal dialog.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace zova::app {

// What the chosen name is for, which decides the dialog's form and its button.
enum class FileDialogForm {
  Open,       // a file to read: "Open", existing files only
  OpenOrNew,  // a file to read, where a name that does not exist yet may be typed: "Open"
  Save,       // a file to write: "Save"
  Folder,     // an existing folder, which the dialog can also make
  NewFolder,  // a folder to write into: an existing one, or a new name typed in
};

struct FileDialogRequest {
  QString title;     // empty: the dialog keeps the title it had
  QString filter;    // Qt form: "ZOVALOC.dat (ZOVALOC.dat);;모든파일(*.*) (*)"
  QString selected;  // the name the dialog held before
  FileDialogForm form = FileDialogForm::Open;
  bool overwritePrompt = false;
};

// Shows the dialog; nothing when the operator cancels.
using FileDialogFunction = std::function<std::optional<QString>(QWidget* parent, const FileDialogRequest&)>;

// The dialog the program uses; tests replace it.
FileDialogFunction& FileDialog();

// The platform dialog set up for a request, not yet shown.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request);

// Turns a filter of description|pattern pairs ("a|b|c|d") into Qt's form.
QString QtFilter(const QString& pairs);

}  // namespace zova::app
