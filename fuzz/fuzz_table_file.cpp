// The LOC and SFT file loaders fed arbitrary file contents (first byte: which table). Nothing may crash,
// and a load that succeeded saves back into a file that loads to the same table.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "link/recording_ui.h"
#include "positions/position_table.h"
#include "positions/table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace zova::positions;
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("zova_fuzz_table_" + std::to_string(::getpid()) + ".dat")).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  const TableLayout& layout = (data[0] & 1) ? kShiftLayout : kLocationLayout;
  PositionTable table(layout);
  zova::RecordingUi ui;
  if (LoadTableFile(table, ui, path)) {
    if (!SaveTableFile(table, ui, path)) std::abort();
    PositionTable again(layout);
    if (!LoadTableFile(again, ui, path) || !again.sameValues(table)) std::abort();
  }
  return 0;
}
