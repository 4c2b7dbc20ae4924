// Program source files as the editor shows them: bytes become text and go back to the same bytes, in the
// encoding the file came in, with CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>

namespace zova::app {

// Valid UTF-8 (plain ASCII included) is read as UTF-8; otherwise the legacy Korean code page CP949 (a
// superset of EUC-KR), the bytes the compiler keeps in comments as they are; bytes that are neither are
// read one character per byte, so a save still gives them back unchanged.
enum class SourceEncoding { Utf8, Cp949, Latin1 };

struct SourceText {
  QString text;  // lines separated by '\n'
  SourceEncoding encoding = SourceEncoding::Utf8;
  bool byteOrderMark = false;  // a UTF-8 file that began with one keeps it
};

[[nodiscard]] SourceText DecodeSource(const QByteArray& bytes);

// The bytes of `text` (lines separated by '\n' or the editor's paragraph separators) with every line ended
// by CR LF. `complete` is false when a character has no code in the encoding (it then becomes '?').
[[nodiscard]] QByteArray EncodeSource(const QString& text, SourceEncoding encoding, bool byteOrderMark,
                                      bool* complete = nullptr);

// "UTF-8", "CP949", "Latin-1": for the status line.
[[nodiscard]] QString EncodingName(SourceEncoding encoding);

}  // namespace zova::app
