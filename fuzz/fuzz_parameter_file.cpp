// Both parameter file readers fed arbitrary text (first byte: which one). Nothing may crash, and text
// that reads back writes out as text that reads to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parameters/ax_para_file.h"
#include "parameters/sys_para_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string why;
  if (data[0] & 1) {
    zova::AxPara table;
    if (zova::ParseAxParaText(text, table, &why)) {
      zova::AxPara again;
      if (!zova::ParseAxParaText(zova::AxParaFileText(table), again, &why) || again.values != table.values)
        std::abort();
    }
  } else {
    zova::SysPara table;
    if (zova::ParseSysParaText(text, table, &why)) {
      zova::SysPara again;
      if (!zova::ParseSysParaText(zova::SysParaFileText(table), again, &why) || again.values != table.values) {
        std::abort();
      }
    }
  }
  return 0;
}
