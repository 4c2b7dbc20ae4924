// A plain text editor for program sources: a margin with each line's number and the step its instruction
// gets, and the compiler's problems marked on their lines (a margin marker, a wavy underline, a tooltip).
#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

#include "language/source_check.h"

namespace zova::app {

class CodeEditor : public QPlainTextEdit {
 public:
  explicit CodeEditor(QWidget* parent = nullptr);

  // Marks the steps and problems of one compile of the whole text. Until the next compile the marks stay
  // with their lines: lines inserted or deleted before it do not shift them onto other lines.
  void setMarks(const language::SourceCheck& check);

  // What line `line` (1-based) carries: its step (language::kNoStep for none) and its problems' messages.
  [[nodiscard]] int stepAt(int line) const;
  [[nodiscard]] QStringList problemsAt(int line) const;
  // Lines with a marker in the margin, in order.
  [[nodiscard]] QList<int> markedLines() const;

  // Puts the cursor at the start of line `line` (clamped to the text) and shows it.
  void goToLine(int line);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  friend class EditorMargin;
  [[nodiscard]] int marginWidth() const;
  void paintMargin(QPaintEvent* event);
  void showProblemsAt(const QPoint& globalPos, int line);

  QWidget* margin_ = nullptr;
};

}  // namespace zova::app
