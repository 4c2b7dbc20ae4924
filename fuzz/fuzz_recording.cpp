// The recording reader fed arbitrary text, as an operator may open any file. Nothing may crash; a refused
// file says why; an accepted one, written again in either form, reads back as the same samples.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recorder/recording_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zova::recorder;
  Recording r;
  if (ReadRecordingText(std::string_view(reinterpret_cast<const char*>(data), size), r).failed()) return 0;
  for (const std::string& again : {CsvText(r), VcdText(r, "fuzz")}) {
    Recording back;
    if (ReadRecordingText(again, back).failed()) std::abort();
    if (back.samples.size() != r.samples.size()) std::abort();
  }
  return 0;
}
