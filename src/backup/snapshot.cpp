// Blocks of a snapshot.
#include "backup/snapshot.h"

#include <algorithm>
#include <span>

#include "programs/program_wire.h"
#include "link/link.h"
#include "base/translation.h"
#include "parameters/ax_para.h"
#include "parameters/sys_para.h"

namespace zova::backup {

Bytes& Snapshot::block(Part part) {
  switch (part) {
    case Part::Loc:
      return loc;
    case Part::Sft:
      return sft;
    case Part::Sys:
      return sys;
    case Part::Axis:
    case Part::Programs:
      break;
  }
  return axis;
}

std::string CheckBlocks(const Snapshot& s, Part part) {
  const auto row = static_cast<std::size_t>(4 * s.axes);
  auto size = [](const Bytes& b) { return std::to_string(b.size()); };
  auto wrong = [&](const Bytes& b) { return Tr("{1}: {2} bytes", {Tr(PartTitle(part)), size(b)}); };
  switch (part) {
    case Part::Programs:
      for (int n = 0; n < kBackupPrograms; ++n) {
        const Bytes& p = s.programs[static_cast<std::size_t>(n)];
        const bool empty = p.size() == 1 && p[0] == 0;
        const bool full = p.size() == kFullProgramBytes && p[0] != 0;
        if (!empty && !full) return Tr("program {1}: {2} bytes", {std::to_string(n), size(p)});
      }
      return {};
    case Part::Loc:
      return s.loc.size() == kLocRows * row ? std::string() : wrong(s.loc);
    case Part::Sft:
      return s.sft.size() == kSftRows * row ? std::string() : wrong(s.sft);
    case Part::Sys:
      return s.sys.size() >= parameters::kSysParaBlockBytes && s.sys.size() <= kMaxBlockLength ? std::string()
                                                                                               : wrong(s.sys);
    case Part::Axis:
      return s.axis.size() >= static_cast<std::size_t>(parameters::kAxParaAxisBytes * s.axes) &&
                     s.axis.size() <= kMaxBlockLength
                 ? std::string()
                 : wrong(s.axis);
  }
  return {};
}

void LoadProgram(const Bytes& block, language::ProgramStore& store, int program) {
  programs::ProgramBlock image{};
  std::copy_n(block.begin(), std::min(block.size(), image.size()), image.begin());
  store.clearComments();
  if (block.size() < kFullProgramBytes) {
    image[5] = 0xFF;  // word 0 is the end record, as a receive leaves an empty program
  } else {
    auto cell = block.begin() + static_cast<std::ptrdiff_t>(image.size());
    for (auto& row : store.comments) {
      for (std::uint16_t& c : row) c = *cell++;
    }
  }
  programs::UnpackProgramBlock(image, store, program);
}

}  // namespace zova::backup
