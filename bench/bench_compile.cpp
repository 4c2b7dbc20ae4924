// Times compiling 32 program files of 300 lines each from disk, the work of one "send all programs".
// Build: see the comment at the end of this file.
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "language/compiler.h"

namespace {

// 300 lines: 254 instructions of mixed kinds with comments, 45 comment or blank lines, and the end.
std::string ProgramSource(int program) {
  static const char* const kInstructions[] = {
      "MVE P%04d ;approach", "MVS P(R%03d)",  "IF R%03d = 00005", "ADD R001 %05d",
      "SIGO 1 0FH ;gripper", "WAIT -%02d",    "MVA P(*%03d) 050", "SETL R002 %09d",
      "F%02d -2.50",         "DRP P%04d 3FH", "JMP L01 %03d",     "SFF S%03d -01",
  };
  std::string text;
  int instructions = 0;
  for (int line = 0; line < 299; ++line) {
    char buffer[128];
    if (line % 20 == 0 || line == 298) {
      std::snprintf(buffer, sizeof buffer, "; program %d, section %d: 첫 번째 구간", program, line / 20);
    } else if (instructions < 254) {
      const char* pattern = kInstructions[instructions % 12];
      std::snprintf(buffer, sizeof buffer, pattern, (line * 7 + program) % 48 + 1);
      ++instructions;
    } else {
      buffer[0] = '\0';
    }
    text += buffer;
    text += "\r\n";
  }
  return text + "[EOF]\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
  const auto folder = std::filesystem::temp_directory_path() / "zova-bench-compile";
  std::filesystem::create_directories(folder);
  for (int p = 0; p < 32; ++p)
    std::ofstream(folder / zova::language::ProgramFileName(p), std::ios::binary) << ProgramSource(p);

  zova::language::ProgramStore store;
  std::size_t problems = 0;
  zova::language::Compiler compiler(store, [&](const zova::Diagnostic&) { ++problems; }, {6, 0});
  int compiled = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < rounds; ++round) {
    for (int p = 0; p < 32; ++p)
      compiled += compiler.compileFile(p, folder / zova::language::ProgramFileName(p)) ? 1 : 0;
  }
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  std::filesystem::remove_all(folder);

  if (compiled != rounds * 32 || problems != 0) {
    std::fprintf(stderr, "compile failed: %d of %d, %zu messages\n", compiled, rounds * 32, problems);
    return 1;
  }
  std::printf("32 files x 300 lines: %.3f ms per 32 files (mean of %d rounds, %d steps per program)\n",
              elapsed.count() / rounds, rounds, store.stepCount[31]);
  return 0;
}

// Build and run: scripts/bench builds it (-DZOVA_BENCH=ON, target bench_compile) and runs it.
