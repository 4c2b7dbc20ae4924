// The Intel HEX reader fed arbitrary text. Nothing may crash; a refused file says why.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "firmware/hex_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zova::HexImage image;
  std::string message;
  const zova::HexStatus status = zova::ParseHex(text, image, message);
  if (status != zova::HexStatus::Ok && message.empty()) std::abort();
  // Every data byte takes two characters of the text.
  if (status == zova::HexStatus::Ok && image.data.size() > size / 2) std::abort();
  return 0;
}
