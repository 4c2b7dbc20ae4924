// The program editor's text box, its margin and the problem marks.
#include "app/widgets/code_editor.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

namespace zova::app {

// The margin left of the text: marker, line number, step.
class EditorMargin : public QWidget {
 public:
  explicit EditorMargin(CodeEditor* editor) : QWidget(editor), editor_(editor) { setObjectName("editorMargin"); }
  [[nodiscard]] QSize sizeHint() const override { return {editor_->marginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { editor_->paintMargin(event); }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(event);
      const QTextBlock block = editor_->cursorForPosition(QPoint(0, help->pos().y())).block();
      editor_->showProblemsAt(help->globalPos(), block.blockNumber() + 1);
      return true;
    }
    return QWidget::event(event);
  }

 private:
  CodeEditor* editor_;
};

namespace {

constexpr int kMarkerWidth = 14;
constexpr int kGap = 8;

// What the last compile said about one line; it travels with the line's block through later edits.
struct LineMarks : QTextBlockUserData {
  int step = language::kNoStep;
  QStringList problems;
};

const LineMarks* MarksOf(const QTextBlock& block) { return static_cast<const LineMarks*>(block.userData()); }

// The part of a line the compiler reads as its instruction: from the first non-blank to the remark.
QTextCursor InstructionSpan(const QTextBlock& block) {
  const QString text = block.text();
  const qsizetype remark = text.startsWith(u';') ? text.size() : text.indexOf(u';');
  qsizetype end = remark < 0 ? text.size() : remark;
  while (end > 0 && text.at(end - 1).isSpace()) --end;
  qsizetype start = 0;
  while (start < end && text.at(start).isSpace()) ++start;
  if (start == end) {  // nothing but a remark: the whole line
    start = 0;
    end = text.size();
  }
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + static_cast<int>(start));
  cursor.setPosition(block.position() + static_cast<int>(end), QTextCursor::KeepAnchor);
  return cursor;
}

}  // namespace

CodeEditor::CodeEditor(QWidget* parent) : QPlainTextEdit(parent), margin_(new EditorMargin(this)) {
  QFont font("Monospace");
  font.setStyleHint(QFont::TypeWriter);
  setFont(font);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(marginWidth(), 0, 0, 0); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      margin_->scroll(0, dy);
    } else {
      margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
  });
  setViewportMargins(marginWidth(), 0, 0, 0);
  connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
    QTextBlock first = document()->findBlock(position);
    QTextBlock last = document()->findBlock(position + added);
    // Lines typed in front of a line leave its marks on the first of them: they go down with the line.
    if (removed == 0 && first != last && position == first.position() && MarksOf(first) != nullptr) {
      last.setUserData(new LineMarks(*MarksOf(first)));
      first.setUserData(nullptr);
    }
  });
}

int CodeEditor::marginWidth() const {
  int digits = 3;
  for (int n = blockCount(); n >= 1000; n /= 10) ++digits;
  const int digitWidth = fontMetrics().horizontalAdvance(u'9');
  return kMarkerWidth + digitWidth * (digits + 3) + 2 * kGap;
}

void CodeEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void CodeEditor::paintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), QColor(240, 240, 240));
  const int digitWidth = fontMetrics().horizontalAdvance(u'9');
  const int lineRight = margin_->width() - kGap - 3 * digitWidth - kGap;
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= event->rect().top()) {
      const LineMarks* marks = MarksOf(block);
      if (marks != nullptr && !marks->problems.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(210, 30, 30));
        painter.setPen(Qt::NoPen);
        const int d = std::min(10, height - 2);
        painter.drawEllipse(QRect(2, top + (height - d) / 2, d, d));
      }
      painter.setPen(QColor(120, 120, 120));
      painter.drawText(QRect(kMarkerWidth, top, lineRight - kMarkerWidth, height), Qt::AlignRight,
                       QString::number(block.blockNumber() + 1));
      if (marks != nullptr && marks->step != language::kNoStep) {
        painter.setPen(QColor(0, 0, 160));
        painter.drawText(QRect(lineRight + kGap, top, 3 * digitWidth, height), Qt::AlignRight,
                         QString("%1").arg(marks->step, 3, 10, QChar('0')));
      }
    }
    block = block.next();
    top += height;
  }
}

void CodeEditor::setMarks(const language::SourceCheck& check) {
  QList<QTextEdit::ExtraSelection> underlines;
  QTextCharFormat wavy;
  wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  wavy.setUnderlineColor(QColor(210, 30, 30));
  auto problem = check.problems.begin();
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const int line = block.blockNumber() + 1;
    auto* marks = new LineMarks;
    if (static_cast<std::size_t>(line) <= check.lineSteps.size()) {
      marks->step = check.lineSteps[static_cast<std::size_t>(line - 1)];
    }
    for (; problem != check.problems.end() && problem->line == line; ++problem) {
      marks->problems << QString::fromUtf8(problem->message.data(), static_cast<qsizetype>(problem->message.size()));
    }
    if (!marks->problems.isEmpty()) underlines.append({InstructionSpan(block), wavy});
    block.setUserData(marks);  // the block owns it and drops the one before
  }
  setExtraSelections(underlines);
  margin_->update();
}

int CodeEditor::stepAt(int line) const {
  const LineMarks* marks = MarksOf(document()->findBlockByNumber(line - 1));
  return marks == nullptr ? language::kNoStep : marks->step;
}

QStringList CodeEditor::problemsAt(int line) const {
  const LineMarks* marks = MarksOf(document()->findBlockByNumber(line - 1));
  return marks == nullptr ? QStringList() : marks->problems;
}

QList<int> CodeEditor::markedLines() const {
  QList<int> lines;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const LineMarks* marks = MarksOf(block);
    if (marks != nullptr && !marks->problems.isEmpty()) lines << block.blockNumber() + 1;
  }
  return lines;
}

void CodeEditor::goToLine(int line) {
  const int last = blockCount();
  const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 1, last) - 1);
  setTextCursor(QTextCursor(block));
  centerCursor();
  setFocus();
}

void CodeEditor::showProblemsAt(const QPoint& globalPos, int line) {
  const QStringList problems = problemsAt(line);
  if (problems.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(globalPos, problems.join(u'\n'), this);
  }
}

bool CodeEditor::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    showProblemsAt(help->globalPos(), cursorForPosition(help->pos()).blockNumber() + 1);
    return true;
  }
  return QPlainTextEdit::viewportEvent(event);
}

}  // namespace zova::app
