// Source highlighting. It reads a line as the compiler's scanner does (a ";" in column 1 makes a comment
// line, a remark runs from the first ";", the mnemonic is the first word from the first letter) but judges
// nothing: whether a line is right is the live compile's to say.
#include "app/widgets/source_highlighter.h"

#include "language/mnemonic_table.h"

namespace zova::app {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsLetterOrBracket(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'['; }
bool IsSeparator(QChar c) { return c == u' ' || c == u'\t' || c == u','; }

// The kind of an operand word (upper case), or KindCount for one shown plainly.
int OperandKind(const QString& word) {
  const QChar first = word.at(0);
  const QChar second = word.size() > 1 ? word.at(1) : QChar();
  if ((first == u'P' || first == u'S') && (IsDigit(second) || second == u'(')) return SourceHighlighter::Point;
  if (word.startsWith(QStringLiteral("PRG")) || (first == u'L' && IsDigit(second))) return SourceHighlighter::Label;
  if ((first == u'R' || first == u'*' || first == u'F') && IsDigit(second)) return SourceHighlighter::Register;
  if (IsDigit(first) || (first == u'-' && IsDigit(second))) return SourceHighlighter::Number;
  return SourceHighlighter::KindCount;
}

int MnemonicKind(const QString& word) {
  const QChar second = word.size() > 1 ? word.at(1) : QChar();
  if (word.at(0) == u'L' && IsDigit(second)) return SourceHighlighter::Label;     // "L3": a label definition
  if (word.at(0) == u'F' && IsDigit(second)) return SourceHighlighter::Register;  // "F12 1.25"
  const QByteArray bytes = word.toLatin1();
  const bool known = language::LookUpMnemonic(std::string_view(
                         bytes.constData(), static_cast<std::size_t>(bytes.size()))) != language::kNoMnemonic;
  return known ? SourceHighlighter::Mnemonic : SourceHighlighter::KindCount;
}

QTextCharFormat Format(const QColor& colour, bool bold = false, bool italic = false) {
  QTextCharFormat f;
  f.setForeground(colour);
  if (bold) f.setFontWeight(QFont::Bold);
  f.setFontItalic(italic);
  return f;
}

}  // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
  formats_[Mnemonic] = Format(QColor(0, 0, 160), true);
  formats_[Register] = Format(QColor(128, 0, 128));
  formats_[Point] = Format(QColor(0, 110, 110), true);
  formats_[Number] = Format(QColor(170, 85, 0));
  formats_[Label] = Format(QColor(0, 120, 0), true);
  formats_[Comment] = Format(QColor(110, 110, 110), false, true);
}

void SourceHighlighter::highlightBlock(const QString& text) {
  if (text.startsWith(u';')) {
    setFormat(0, static_cast<int>(text.size()), formats_[Comment]);
    return;
  }
  const qsizetype remark = text.indexOf(u';');
  const qsizetype end = remark < 0 ? text.size() : remark;
  if (remark >= 0) setFormat(static_cast<int>(remark), static_cast<int>(text.size() - remark), formats_[Comment]);

  qsizetype pos = 0;
  while (pos < end && !IsLetterOrBracket(text.at(pos))) ++pos;
  // A listing's leading step number ("012 MVE P0005") is skipped by the compiler: shown as a number.
  for (qsizetype i = 0; i < pos; ++i) {
    if (IsDigit(text.at(i))) setFormat(static_cast<int>(i), 1, formats_[Number]);
  }
  bool first = true;
  while (pos < end) {
    while (pos < end && IsSeparator(text.at(pos))) ++pos;
    const qsizetype start = pos;
    while (pos < end && !IsSeparator(text.at(pos))) ++pos;
    if (pos == start) break;
    const QString word = text.mid(start, pos - start).toUpper();
    const int kind = first ? MnemonicKind(word) : OperandKind(word);
    if (kind != KindCount) setFormat(static_cast<int>(start), static_cast<int>(pos - start), formats_[kind]);
    first = false;
  }
}

}  // namespace zova::app
