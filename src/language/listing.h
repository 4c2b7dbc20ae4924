// The listing generator: one instruction record back into one line of robot-language source.
#pragma once

#include <cstdint>
#include <string>

#include "language/program_store.h"

namespace zova::language {

// The listing line of the record at `step`: "012 MVE P0005", "000 [EOF]", "----------------" for an opcode
// without an instruction, and the step number alone for a mode the compiler never writes. The machine type
// names the devices of the PLC transfers.
[[nodiscard]] std::string ListLine(int step, std::uint32_t word1, std::uint32_t word2, int machineType);

// The source text of the program in the store: every comment-only row as its comment, every other row as
// the next record's listing line, a blank and its comment; lines end in CR LF; stops after the end record.
[[nodiscard]] std::string ListProgram(const ProgramStore& store, int machineType);

}  // namespace zova::language
