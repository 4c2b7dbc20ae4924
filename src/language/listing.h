// The listing generator: one instruction record back into one line of robot-language source.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "language/program_store.h"

namespace zova::language {

// The listing line of the record at `step`: "012 MVE P0005", "000 [EOF]", "----------------" for an opcode
// without an instruction, and the step number alone for a mode the compiler never writes. The machine type
// names the devices of the PLC transfers.
[[nodiscard]] std::string ListLine(int step, std::uint32_t word1, std::uint32_t word2, int machineType);

// One line of a program's source text: a comment-only line (step -1, its comment), or the next record's
// listing line and the comment of its row.
struct ListedLine {
  int step = -1;
  std::string listing;
  std::string comment;
};

// The lines of the program in the store, in order, as ListProgram writes them; stops after the end record.
[[nodiscard]] std::vector<ListedLine> ListProgramLines(const ProgramStore& store, int machineType);

// The source text of the program in the store: every comment-only row as its comment, every other row as
// the next record's listing line, a blank and its comment; lines end in CR LF; stops after the end record.
[[nodiscard]] std::string ListProgram(const ProgramStore& store, int machineType);

}  // namespace zova::language
