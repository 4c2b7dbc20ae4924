// The LOC and SFT file loaders fed arbitrary file contents (first byte: which table). Nothing may crash,
// and a load that succeeded formats back into text that loads to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "link/recording_ui.h"
#include "positions/position_table.h"
#include "positions/table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace zova::positions;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const TableLayout& layout = (data[0] & 1) ? kShiftLayout : kLocationLayout;
  PositionTable table(layout);
  zova::RecordingUi ui;
  if (LoadTableText(table, ui, text)) {
    PositionTable again(layout);
    if (!LoadTableText(again, ui, FormatTableFile(table)) || !again.sameValues(table)) std::abort();
  }
  return 0;
}
