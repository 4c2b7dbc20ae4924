// The family dispatch table: every mnemonic number with an instruction maps to its family's parser.
#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"

namespace zova::language {
namespace {

using Range = std::pair<int, int>;  // inclusive

std::array<Parser, kMnemonicCount> BuildDispatch() {
  std::array<Parser, kMnemonicCount> table{};
  const auto put = [&](Parser parser, std::initializer_list<Range> ranges) {
    for (const auto& [first, last] : ranges) {
      for (int n = first; n <= last; ++n) table[static_cast<std::size_t>(n)] = parser;
    }
  };
  put(ParseNoOperand, {{0, 0}, {54, 54}, {56, 57}, {208, 208}});
  put(ParseSingleOperand, {{1, 2},
                           {7, 7},
                           {16, 21},
                           {50, 51},
                           {53, 53},
                           {55, 55},
                           {81, 81},
                           {85, 85},
                           {116, 119},
                           {127, 127},
                           {149, 150},
                           {178, 178},
                           {180, 182}});
  put(ParseOperandPair, {{3, 6},
                         {8, 15},
                         {52, 52},
                         {82, 84},
                         {86, 87},
                         {89, 89},
                         {113, 115},
                         {120, 120},
                         {130, 132},
                         {145, 148},
                         {151, 156},
                         {177, 177},
                         {179, 179},
                         {191, 191}});
  put(ParseComparison, {{49, 49}, {90, 90}});
  put(ParseRegisterTriple, {{88, 88}, {183, 184}, {186, 187}, {189, 190}});
  put(ParsePlcTransfer, {{121, 126}, {128, 129}});
  put(ParseFSet, {{185, 185}});
  put(ParseOffset, {{188, 188}});
  return table;
}

}  // namespace

std::string SyntaxError(int opcode) {
  // Two instructions have syntax messages of their own form.
  if (opcode == op::IF) return Tr("IF_SYNTEX_ERR");
  if (opcode == op::GOTO) return Tr("GOT sysntex error");
  return Tr("{1} 명령어 Syntex Error", {MnemonicText(opcode)});
}

bool HasSurplusOperand(const ParseInput& in) {
  const Parser parser = ParserFor(in.opcode);
  std::size_t taken = 2;
  if (parser == ParseNoOperand) {
    taken = 0;
  } else if (parser == ParseSingleOperand || parser == ParseFSet ||
             (in.opcode == op::SIGO && in.token(2).starts_with('A'))) {
    taken = 1;
  } else if (parser == ParseComparison || parser == ParseRegisterTriple) {
    taken = 3;
  } else if (parser == ParsePlcTransfer) {
    taken = 4;
  }
  // The listings of SAVA, SAVS and SAVL show the third field, which the compiler always leaves 0, as R000.
  const std::string_view third = in.token(4);
  if ((in.opcode == op::SAVA || in.opcode == op::SAVS || in.opcode == op::SAVL) && third.size() > 1 &&
      third[0] == 'R' && third.find_first_not_of('0', 1) == std::string_view::npos) {
    taken = 3;
  }
  for (std::size_t n = taken + 2; n <= kTokenCount; ++n) {
    if (!in.token(n).empty()) return true;
  }
  return false;
}

Parser ParserFor(int opcode) {
  static const std::array<Parser, kMnemonicCount> kDispatch = BuildDispatch();
  if (opcode < 0 || opcode >= kMnemonicCount) return nullptr;
  return kDispatch[static_cast<std::size_t>(opcode)];
}

}  // namespace zova::language
