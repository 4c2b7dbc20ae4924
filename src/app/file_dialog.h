// The file-open dialog of the windows, replaceable so tests can answer it without a modal dialog.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace zova::app {

struct FileDialogRequest {
  QString title;     // empty: the dialog keeps the title it had
  QString filter;    // Qt form: "ZOVALOC.dat (ZOVALOC.dat);;모든파일(*.*) (*)"
  QString selected;  // the name the dialog held before
  bool overwritePrompt = false;
};

// Shows the dialog; nothing when the operator cancels.
using FileDialogFunction = std::function<std::optional<QString>(QWidget* parent, const FileDialogRequest&)>;

// The dialog the program uses; tests replace it.
FileDialogFunction& FileDialog();

// Turns a filter of description|pattern pairs ("a|b|c|d") into Qt's form.
QString QtFilter(const QString& pairs);

}  // namespace zova::app
