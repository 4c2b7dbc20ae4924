// The Intel HEX reader fed arbitrary text. Nothing may crash; a refused file says why and where; an
// accepted file, written again by the program's own writer, reads back as the same image.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "firmware/hex_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zova::firmware::HexImage image;
  zova::TextFault fault;
  const zova::Outcome status = zova::firmware::ParseHex(text, image, fault);
  if (status != zova::Outcome::Ok) {
    if (fault.message.empty() || fault.line < 1) std::abort();
    return 0;
  }
  // Every data byte takes two characters of the text.
  if (image.data.size() > size / 2) std::abort();
  zova::firmware::HexImage again;
  if (zova::firmware::ParseHex(zova::firmware::WriteHex(image), again, fault) != zova::Outcome::Ok || again != image)
    std::abort();
  return 0;
}
