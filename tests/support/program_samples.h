// Program samples shared by the transfer, command-line, window and fault tests: a transfer on a simulated
// controller, a known program with its blocks built by hand, and what a transfer shows on its progress bars.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "language/program_store.h"
#include "programs/program_transfer.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::programs::test {

using zova::test::Hex;
using zova::test::ScratchDir;
using zova::test::Source;

// A transfer wired to a fresh simulated controller.
struct TransferRig {
  zova::test::SimRig sim;
  language::ProgramStore store;
  ProgramTransfer transfer{store, language::LanguageConfig{6, 0}};
  sim::StoredProgram& stored(int n) { return sim.controller.programs.programs[static_cast<std::size_t>(n)]; }
};

// A small program: an instruction with a comment, a comment line, a blank line, STOP and the end.
inline const std::string kSmallSource = Source({"MVE P0005 ;first", "; note", "", "STOP", "[EOF]"});
// Its records: MVE P0005, STOP, end record.
inline constexpr std::uint32_t kSmallWords[] = {0x01100005, 0, 0x36000000, 0, 0xFF000000, 0};
// Its source as the listing writer gives it back.
inline const std::string kSmallListing = "000 MVE P0005 ;first\r\n; note\r\n\r\n001 STOP \r\n002 [EOF] \r\n";

// Program and comment blocks of kSmallSource, built by hand from the wire layout (not from the packing code).
inline std::vector<std::uint8_t> SmallProgramBlock() {
  std::vector<std::uint8_t> block(2050, 0);
  block[0] = 1;  // present
  block[1] = 2;  // two steps before the end record
  for (std::size_t w = 0; w < std::size(kSmallWords); ++w) {
    for (std::size_t i = 0; i < 4; ++i) block[2 + 4 * w + i] = static_cast<std::uint8_t>(kSmallWords[w] >> (8 * i));
  }
  return block;
}

inline void PutRow(std::vector<std::uint8_t>& comments, int row, std::uint8_t cell0, const std::string& text) {
  const auto at = static_cast<std::size_t>(row) * 106;
  comments[at] = cell0;
  comments[at + 1] = text.empty() ? 0 : static_cast<std::uint8_t>(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) comments[at + 2 + i] = static_cast<std::uint8_t>(text[i]);
}

inline std::vector<std::uint8_t> SmallCommentBlock() {
  std::vector<std::uint8_t> comments(31800, 0);
  PutRow(comments, 0, 0, ";first");
  PutRow(comments, 1, 0xFF, "; note");
  PutRow(comments, 2, 0xFF, "");
  PutRow(comments, 3, 1, "");
  PutRow(comments, 4, 2, "");
  return comments;
}

// The progress calls of `job` as "max 0 512" or "0 17" (a call of another job names its number).
inline std::vector<std::string> ProgressSeen(const RecordingUi& ui, Job job) {
  std::vector<std::string> seen;
  for (const auto& p : ui.progress) {
    seen.push_back((p.job == job ? "" : "job " + std::to_string(static_cast<int>(p.job)) + " ") +
                   (p.maximum ? "max " : "") + std::to_string(p.index) + " " + std::to_string(p.value));
  }
  return seen;
}

// The progress of one program: bar 0 counts `steps` from `first`, bar 1 the comment rows, then both rest at 0.
inline std::vector<std::string> ProgressOfOneProgram(int steps, int first) {
  std::vector<std::string> expected{"max 0 " + std::to_string(steps)};
  for (int n = first; n < first + steps; ++n) expected.push_back("0 " + std::to_string(n));
  expected.insert(expected.end(), {"0 0", "max 1 300"});
  for (int r = 0; r < 300; ++r) expected.push_back("1 " + std::to_string(r));
  expected.insert(expected.end(), {"1 0", "0 0", "1 0"});
  return expected;
}

}  // namespace zova::programs::test
