// Program file names and the file checks of the program window.
#include "programs/program_files.h"

#include "language/compiler.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"

namespace zova::programs {

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
#else
constexpr std::string_view kSeparators = "/";
#endif

}  // namespace

std::string FolderOf(std::string_view chosen) {
  const std::size_t last = chosen.find_last_of(kSeparators);
  return last == std::string_view::npos ? std::string() : std::string(chosen.substr(0, last));
}

std::string PcFileNameFor(std::string_view chosen) {
  const std::size_t last = chosen.find_last_of(kSeparators);
  const std::string_view name = last == std::string_view::npos ? chosen : chosen.substr(last + 1);
  const std::string stem(name.substr(0, name.find('.')));
  if (last == std::string_view::npos) return stem + ".dat";
  return FolderOf(chosen) + kPathSeparator + stem + ".dat";
}

std::string AllModeFileName(std::string_view folder, int program) {
  std::string name(folder);
  if (name.empty() || kSeparators.find(name.back()) == std::string_view::npos) name += kPathSeparator;
  return name + language::ProgramFileName(program);
}

bool CheckAllTransFiles(std::string_view folder, Ui& ui) {
  if (folder.empty()) {
    ui.messageBox(Tr(kMsgNoTransFolder));
    return false;
  }
  for (int n = 0; n <= 31; ++n) {
    const std::string name = AllModeFileName(folder, n);
    // Read as the compiler will read it, so a file that passes here does not fail half-way through.
    std::string source;
    std::string error;
    if (!ReadTextFile(name, language::kSourceFileMaxBytes, source, error)) {
      ui.messageBox(FormatFileFault(name, error));
      return false;
    }
  }
  return true;
}

std::string ListingWriteErrorText(int errorNumber, std::string_view component, std::string_view description) {
  // The number is printed with room for a sign: a blank before a number that is not negative.
  const std::string number = (errorNumber >= 0 ? " " : "") + std::to_string(errorNumber);
  return Tr("오류 # {1}이(가) {2}에 의해 생성되었습니다.", {number, component}) + "\r" + std::string(description);
}

}  // namespace zova::programs
