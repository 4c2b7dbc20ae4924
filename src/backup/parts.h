// The parts of a controller that a backup, a restore or a compare covers, named as the command line
// names them: programs, loc, sft, sys, axis.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zova::backup {

enum class Part { Programs, Loc, Sft, Sys, Axis };
inline constexpr std::array kEveryPart = {Part::Programs, Part::Loc, Part::Sft, Part::Sys, Part::Axis};

[[nodiscard]] std::string_view PartName(Part part);
// "locations", "system parameters", ...: how messages and summaries name a part.
[[nodiscard]] std::string_view PartTitle(Part part);
// The stem of a part's text file and raw block file ("ZOVALOC"); empty for the programs, whose files are numbered.
[[nodiscard]] std::string_view PartFileStem(Part part);

class Parts {
 public:
  [[nodiscard]] static Parts All();
  [[nodiscard]] bool has(Part part) const { return (bits_ & bit(part)) != 0; }
  void add(Part part) { bits_ |= bit(part); }
  [[nodiscard]] bool empty() const { return bits_ == 0; }
  [[nodiscard]] bool covers(Parts other) const { return (other.bits_ & ~bits_) == 0; }
  bool operator==(const Parts&) const = default;

  // "programs,loc,sft,sys,axis", in that order, whatever order they were named in.
  [[nodiscard]] std::string text() const;
  // A comma-separated list of part names. False, with `error` saying why, for an empty list, an empty or
  // unknown name, or a name given twice.
  static bool Parse(std::string_view list, Parts& out, std::string& error);

 private:
  static unsigned bit(Part part) { return 1u << static_cast<unsigned>(part); }
  unsigned bits_ = 0;
};

}  // namespace zova::backup
