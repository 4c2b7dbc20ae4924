// The LOC and SFT file readers fed arbitrary file contents (first byte: which table). Nothing may crash; a
// refused text changes no row; and an accepted text means the same values as its canonical form, which is what
// the program's own writer makes of the table it read (see same_meaning.h), and reads back to that table.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text_lines.h"
#include "same_meaning.h"
#include "positions/position_table.h"
#include "positions/table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace zova::positions;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const TableLayout& layout = (data[0] & 1) ? kShiftLayout : kLocationLayout;
  PositionTable table(layout);
  table[0][0] = 1;  // a mark a refused text must leave in place
  const PositionTable before = table;
  if (ReadTableText(text, table).failed()) {
    if (!table.sameValues(before)) std::abort();
    return 0;
  }
  const std::string written = FormatTableFile(table);
  if (!zova::fuzz::MeansTheSame(text, written)) std::abort();
  PositionTable again(layout);
  if (ReadTableText(written, again).failed() || !again.sameValues(table)) std::abort();
  return 0;
}
