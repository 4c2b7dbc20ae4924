// A position table (locations or shifts): numbered rows of six axis values in hundredths,
// and the layout that sets the two tables apart on the wire, in files and on the screens.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/ui.h"

namespace zova::positions {

inline constexpr int kTableAxes = 6;
using PositionRow = std::array<std::int32_t, kTableAxes>;

// The rows a transfer covers: one numbered row, a block start..end (locations only), or every row of a file.
enum class Scope { Single, Block, All };

struct TableLayout {
  int lastNumber;                 // highest row number (2500 locations, 1000 shifts)
  int fileRows;                   // rows 0..fileRows-1 go into files and "all" transfers
  std::uint8_t receiveCode;       // command fetching one row from the controller
  std::uint8_t sendCode;          // command transmitting one row
  std::string_view prefix;        // "P" or "S" in file lines
  int numberDigits;               // least digits of the row number in file lines ("000" or "00")
  bool blocks;                    // the table has block transfers
  Job sendJob;                    // progress of the transmit side
  Job receiveJob;                 // progress of the receive side
  std::string_view rangeMessage;  // refusal of a row number outside 0..lastNumber (a catalog text)
};

extern const TableLayout kLocationLayout;
extern const TableLayout kShiftLayout;

class PositionTable {
 public:
  explicit PositionTable(const TableLayout& layout)
      : layout_(&layout), rows_(static_cast<std::size_t>(layout.lastNumber) + 1) {}

  [[nodiscard]] const TableLayout& layout() const { return *layout_; }
  [[nodiscard]] bool contains(int number) const { return number >= 0 && number <= layout_->lastNumber; }
  PositionRow& operator[](int number) { return rows_[static_cast<std::size_t>(number)]; }
  const PositionRow& operator[](int number) const { return rows_[static_cast<std::size_t>(number)]; }
  [[nodiscard]] bool sameValues(const PositionTable& other) const { return rows_ == other.rows_; }

 private:
  const TableLayout* layout_;
  std::vector<PositionRow> rows_;
};

}  // namespace zova::positions
