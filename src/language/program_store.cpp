// Program store: row writing and reading of the comment table.
#include "language/program_store.h"

#include <algorithm>

namespace zova::language {

void ProgramStore::clearComments() {
  for (auto& row : comments) row.fill(0);
}

Record ProgramStore::record(int step) const {
  const auto word = static_cast<std::size_t>(step) * 2;
  return {image.at(word), image.at(word + 1)};
}

void ProgramStore::setCommentRow(int row, std::uint16_t step, std::string_view text) {
  auto& cells = comments.at(static_cast<std::size_t>(row));
  cells.fill(0);
  cells[0] = step;
  const std::size_t count = std::min<std::size_t>(text.size(), kCommentTextCells);
  for (std::size_t i = 0; i < count; ++i) cells[2 + i] = static_cast<unsigned char>(text[i]);
  cells[1] = count == 0 ? 0 : static_cast<std::uint16_t>(count + 1);
}

std::string ProgramStore::commentText(int row) const {
  const auto& cells = comments.at(static_cast<std::size_t>(row));
  std::string text;
  // A row from the controller may use every cell of the block, beyond the 100 a compile fills.
  const int last = std::min<int>(cells[1], kCommentCells - 1);
  for (int cell = 2; cell <= last; ++cell) text += static_cast<char>(cells[static_cast<std::size_t>(cell)] & 0xFF);
  return text;
}

}  // namespace zova::language
