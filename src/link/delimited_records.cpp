// Delimited-record input.
#include "link/delimited_records.h"

namespace zova {

void RecordReader::skipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

bool RecordReader::next(std::string& record) {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  if (pos_ >= text_.size()) return false;
  record.clear();
  auto isEnd = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
  if (text_[pos_] == '"') {
    std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) close = text_.size();
    record.assign(text_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close < text_.size() ? close + 1 : close;
    // Whatever follows the closing quote up to the delimiter belongs to no record.
    while (pos_ < text_.size() && !isEnd(text_[pos_])) ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && !isEnd(text_[pos_])) ++pos_;
    record.assign(text_.substr(start, pos_ - start));
  }
  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
  } else {
    skipLineEnd();
  }
  return true;
}

}  // namespace zova
