// What a whole-controller operation holds of a controller: every block as the controller sent it. The text
// files cannot carry everything (the unnamed parameter entries, bits a value decoder drops, a program
// record that does not list back), so restores and compares work on these blocks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "backup/parts.h"
#include "language/program_store.h"

namespace zova::backup {

using Bytes = std::vector<std::uint8_t>;

inline constexpr int kBackupPrograms = 32;                      // programs 0..31, as the program window transfers them
inline constexpr int kLocRows = 2500;                           // locations 0..2499, as an "all" transfer covers them
inline constexpr int kSftRows = 1000;                           // shifts 0..999
inline constexpr std::size_t kFullProgramBytes = 2050 + 31800;  // program block and comment block

struct Snapshot {
  int axes = 0;
  Parts parts;
  std::array<Bytes, kBackupPrograms> programs;  // program and comment block, or the single 0x00 of an empty one
  Bytes loc;                                    // rows one after the other, 4 bytes per axis
  Bytes sft;
  Bytes sys;   // the announced block
  Bytes axis;  // 800 bytes per axis

  // The block of a part other than the programs.
  Bytes& block(Part part);
  [[nodiscard]] const Bytes& block(Part part) const { return const_cast<Snapshot*>(this)->block(part); }
};

// What is wrong with a part's blocks for `snapshot.axes` axes, or an empty string.
[[nodiscard]] std::string CheckBlocks(const Snapshot& snapshot, Part part);

// Puts program `program`'s block into the store as a receive would: image, presence flag, step count and
// comment table; an empty program becomes the end record alone.
void LoadProgram(const Bytes& block, language::ProgramStore& store, int program);

}  // namespace zova::backup
