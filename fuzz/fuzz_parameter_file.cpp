// Both parameter file readers fed arbitrary text (first byte: which one). Nothing may crash; a refused text
// changes no entry; and an accepted text means the same values as its canonical form, which is what the
// program's own writer makes of the table it read (see same_meaning.h), and reads back to that table.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text_lines.h"
#include "same_meaning.h"
#include "parameters/ax_para_file.h"
#include "parameters/sys_para_file.h"

namespace {

template <typename Table>
void Check(std::string_view text, zova::TextFault (*parse)(std::string_view, Table&),
           std::string (*write)(const Table&)) {
  Table table;
  table.SetDefaults();
  const Table before = table;
  if (parse(text, table).failed()) {
    if (table.values != before.values) std::abort();
    return;
  }
  const std::string written = write(table);
  if (!zova::fuzz::MeansTheSame(text, written)) std::abort();
  Table again;
  if (parse(written, again).failed() || again.values != table.values) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (data[0] & 1) {
    Check<zova::parameters::AxPara>(text, zova::parameters::ParseAxParaText, zova::parameters::AxParaFileText);
  } else {
    Check<zova::parameters::SysPara>(text, zova::parameters::ParseSysParaText, zova::parameters::SysParaFileText);
  }
  return 0;
}
