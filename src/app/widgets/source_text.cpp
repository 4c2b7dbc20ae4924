// Source text encodings: UTF-8 first, then CP949 through Qt's codecs, then one character per byte.
#include "app/widgets/source_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zova::app {
namespace {

constexpr const char* kCp949 = "CP949";
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// Decodes all of `bytes` or nothing.
bool DecodeStrictly(QStringDecoder decoder, const QByteArray& bytes, QString& text) {
  if (!decoder.isValid()) return false;
  text = decoder.decode(bytes);
  return !decoder.hasError();
}

}  // namespace

SourceText DecodeSource(const QByteArray& bytes) {
  SourceText source;
  QByteArray body = bytes;
  if (body.startsWith(kByteOrderMark)) {
    source.byteOrderMark = true;
    body.remove(0, kByteOrderMark.size());
  }
  if (DecodeStrictly(QStringDecoder(QStringConverter::Utf8), body, source.text)) {
    source.encoding = SourceEncoding::Utf8;
  } else if (DecodeStrictly(QStringDecoder(kCp949), body, source.text)) {
    source.encoding = SourceEncoding::Cp949;
  } else {
    source.text = QString::fromLatin1(body);
    source.encoding = SourceEncoding::Latin1;
  }
  if (source.encoding != SourceEncoding::Utf8) source.byteOrderMark = false;
  source.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return source;
}

QByteArray EncodeSource(const QString& text, SourceEncoding encoding, bool byteOrderMark, bool* complete) {
  QString lines = text;
  lines.replace(QChar::ParagraphSeparator, u'\n');
  lines.replace(QChar::LineSeparator, u'\n');
  // Every line ends in CR LF; a final line end does not start another line.
  if (!lines.isEmpty() && !lines.endsWith(u'\n')) lines += u'\n';
  lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));

  QByteArray bytes;
  bool whole = true;
  switch (encoding) {
    case SourceEncoding::Utf8:
      bytes = lines.toUtf8();
      if (byteOrderMark) bytes.prepend(kByteOrderMark);
      break;
    case SourceEncoding::Cp949: {
      QStringEncoder encoder(kCp949);
      bytes = encoder.encode(lines);
      whole = !encoder.hasError();
      break;
    }
    case SourceEncoding::Latin1:
      bytes = lines.toLatin1();
      for (QChar c : lines) whole = whole && c.unicode() < 0x100;
      break;
  }
  if (complete != nullptr) *complete = whole;
  return bytes;
}

QString EncodingName(SourceEncoding encoding) {
  switch (encoding) {
    case SourceEncoding::Utf8:
      return "UTF-8";
    case SourceEncoding::Cp949:
      return "CP949";
    case SourceEncoding::Latin1:
      break;
  }
  return "Latin-1";
}

}  // namespace zova::app
