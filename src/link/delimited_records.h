// Delimited-record input, as the program's text files are read: leading blanks and tabs are dropped,
// a record ends at a comma or at the end of its line, and a record that opens with a double quote runs
// to the closing quote (what follows it up to the next comma or line end belongs to no record).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zova {

class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}
  // The next record; false when the text is used up.
  bool next(std::string& record);

 private:
  void skipLineEnd();
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace zova
