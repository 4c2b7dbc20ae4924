// Colours of a robot program source: mnemonics, registers, points, numbers, labels and comments.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace zova::app {

class SourceHighlighter : public QSyntaxHighlighter {
 public:
  explicit SourceHighlighter(QTextDocument* document);

  enum Kind { Mnemonic, Register, Point, Number, Label, Comment, KindCount };
  // The format of a kind, so a picture of the window and a test can tell them apart.
  [[nodiscard]] const QTextCharFormat& format(Kind kind) const { return formats_[kind]; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  QTextCharFormat formats_[KindCount];
};

}  // namespace zova::app
