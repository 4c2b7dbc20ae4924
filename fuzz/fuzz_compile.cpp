// The compiler fed arbitrary source text: the first byte picks the machine (axes, type) and whether the
// rest is a whole file or one typed line. Nothing may crash, and the image stays within its words. A source
// the compiler accepts lists back (as a received program is written, comments included) to a text that
// compiles to the same image and comments; and that listing, with an editor's habits applied, reads back to
// itself up to those habits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "language/compiler.h"
#include "language/listing.h"
#include "language/program_store.h"
#include "base/text_lines.h"

namespace {

using zova::language::Compiler;
using zova::language::LanguageConfig;
using zova::language::ProgramStore;

// Compiles `source` into `store`; true when it reached "[EOF]" without a message.
bool CompileClean(std::string_view source, LanguageConfig config, ProgramStore& store) {
  int problems = 0;
  Compiler compiler(
      store, [&](const zova::Diagnostic&) { ++problems; }, config);
  return compiler.compileSource(0, source) && problems == 0;
}

// What an editor may do to a file: tabs for blanks, LF for CR LF, no last line end, a byte order mark.
std::string WithHabits(std::string text, unsigned habits) {
  std::string out = (habits & 8) ? "\xEF\xBB\xBF" : "";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((habits & 1) && text[i] == ' ') {
      out += "\t";
    } else if ((habits & 2) && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    } else {
      out += text[i];
    }
  }
  if ((habits & 4) && out.ends_with('\n')) out.pop_back();
  if ((habits & 4) && out.ends_with('\r')) out.pop_back();
  return out;
}

void CheckListingComesBack(const ProgramStore& accepted, LanguageConfig config, unsigned habits) {
  const std::string listing = zova::language::ListProgram(accepted, config.machineType);
  ProgramStore again;
  if (!CompileClean(listing, config, again) || again.image != accepted.image ||
      zova::language::ListProgram(again, config.machineType) != listing) {
    std::abort();
  }
  const std::string edited = WithHabits(listing, habits);
  ProgramStore edit;
  if (!CompileClean(edited, config, edit) || zova::NormalizeEditorText(zova::language::ListProgram(
                                                 edit, config.machineType)) != zova::NormalizeEditorText(edited)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  ProgramStore store;
  int problems = 0;
  const LanguageConfig config{2 + mode % 5, (mode / 5) % 3};
  Compiler compiler(
      store, [&](const zova::Diagnostic&) { ++problems; }, config);
  if (mode & 0x80) {
    (void)compiler.compileLine(text);
  } else {
    const bool ended = compiler.compileSource((mode >> 4) % 33, text);
    if (compiler.wordCounter() < 0 || compiler.wordCounter() > zova::language::kImageWords) std::abort();
    if (ended && problems == 0) CheckListingComesBack(store, config, static_cast<unsigned>(size % 16));
  }
  return 0;
}
