// The program-wide tables of the robot language: program image, comment table, per-program flags and step counts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "language/instruction_record.h"

namespace zova::language {

inline constexpr int kImageWords = 512;   // 256 records including the end record
inline constexpr int kCommentRows = 300;  // one per source line
inline constexpr int kCommentCells = 106;
inline constexpr int kCommentTextCells = 100;  // cells 2..101
inline constexpr int kProgramCount = 33;       // programs 0..32
// Cell 0 of a row that holds only a comment (or nothing) and no instruction.
inline constexpr std::uint16_t kCommentOnlyStep = 65535;

using CommentRow = std::array<std::uint16_t, kCommentCells>;

class ProgramStore {
 public:
  std::array<std::uint32_t, kImageWords> image{};
  std::array<CommentRow, kCommentRows> comments{};
  std::array<std::int16_t, kProgramCount> presence{};
  std::array<std::int16_t, kProgramCount> stepCount{};

  void clearImage() { image.fill(0); }
  void clearComments();

  // Step k of the image (words 2k and 2k+1); k must be 0..255.
  [[nodiscard]] Record record(int step) const;

  // Writes one row: cell 0 = step (or kCommentOnlyStep), the text one byte per cell from cell 2,
  // cell 1 = index of the last text cell (0 without text). Text beyond 100 bytes is dropped.
  void setCommentRow(int row, std::uint16_t step, std::string_view text);

  // The bytes of cells 2..cell 1 of a row (at most cell 105), each cell's low 8 bits.
  [[nodiscard]] std::string commentText(int row) const;
};

}  // namespace zova::language
