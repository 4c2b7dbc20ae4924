// The listing generator fed random records: every line of every record and machine type, then a whole
// program built from the same bytes with random comment rows. Nothing may crash.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "language/listing.h"
#include "language/program_store.h"

namespace {

std::uint32_t Word(const std::uint8_t* p) {
  std::uint32_t w = 0;
  std::memcpy(&w, p, 4);
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zova::language::ProgramStore store;
  std::size_t at = 0;
  int step = 0;
  while (at + 9 <= size) {
    const std::uint32_t w1 = Word(data + at);
    const std::uint32_t w2 = Word(data + at + 4);
    const int machineType = data[at + 8] % 3;
    (void)zova::language::ListLine(step, w1, w2, machineType);
    if (step < zova::language::kImageWords / 2) {
      store.image[static_cast<std::size_t>(2 * step)] = w1;
      store.image[static_cast<std::size_t>(2 * step + 1)] = w2;
      // Every fourth record also gets a comment row pointing at a random step (or none).
      if (data[at + 8] & 0x80) {
        const int row = data[at + 8] % zova::language::kCommentRows;
        const auto len = static_cast<std::size_t>(data[at] % 16);
        const std::string_view text(reinterpret_cast<const char*>(data + at), std::min(len, size - at));
        store.setCommentRow(row, static_cast<std::uint16_t>(w2 & 0xFFFF), text);
      }
    }
    ++step;
    at += 9;
  }
  (void)zova::language::ListProgram(store, static_cast<int>(size % 3));
  return 0;
}
