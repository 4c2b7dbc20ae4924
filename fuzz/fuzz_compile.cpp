// The compiler fed arbitrary source text: the first byte picks the machine (axes, type) and whether the
// rest is a whole file or one typed line. Nothing may crash, and the image stays within its words.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "language/compiler.h"
#include "language/program_store.h"
#include "link/recording_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  zova::language::ProgramStore store;
  zova::RecordingUi ui;
  ui.recordProgress = false;
  const zova::language::LanguageConfig config{2 + mode % 5, (mode / 5) % 3};
  zova::language::Compiler compiler(store, ui, config);
  if (mode & 0x80) {
    (void)compiler.compileLine(text);
  } else {
    (void)compiler.compileSource((mode >> 4) % 33, text);
    if (compiler.wordCounter() < 0 || compiler.wordCounter() > zova::language::kImageWords) std::abort();
  }
  return 0;
}
