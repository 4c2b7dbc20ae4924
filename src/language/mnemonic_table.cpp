// The mnemonic table: fixed texts at fixed numbers, filler everywhere else.
#include "language/mnemonic_table.h"

#include <utility>

namespace zova::language {
namespace {

constexpr std::array<std::string_view, kMnemonicCount> BuildTable() {
  std::array<std::string_view, kMnemonicCount> t{};
  for (auto& entry : t) entry = kFillerMnemonic;
  const std::pair<int, std::string_view> named[] = {
      {0, ";"},      {1, "MVE"},    {2, "MVS"},    {3, "MVA"},    {4, "MVC"},     {5, "CIR"},    {6, "ARC"},
      {7, "SFT"},    {8, "MVF"},    {9, "MVB"},    {10, "SFF"},   {11, "SFB"},    {12, "PMV"},   {13, "PMS"},
      {14, "DRP"},   {15, "DRS"},   {16, "SPL"},   {17, "UP"},    {18, "MVL"},    {19, "VMP"},   {20, "VMN"},
      {21, "CONT"},  {49, "IF"},    {50, "GOTO"},  {51, "DLY"},   {52, "JMP"},    {53, "HOME"},  {54, "STOP"},
      {55, "CALL"},  {56, "RET"},   {57, "RETC"},  {81, "SIGB"},  {82, "SIGI"},   {83, "SIGO"},  {84, "JB"},
      {85, "WAIT"},  {86, "TMS"},   {87, "PWR"},   {88, "SMV"},   {89, "RUN"},    {90, "SAR"},   {113, "ACC"},
      {114, "DCC"},  {115, "SPD"},  {116, "INP"},  {117, "TSPD"}, {118, "PAL"},   {119, "SPLS"}, {120, "VEL"},
      {121, "RER"},  {122, "REP"},  {123, "REF"},  {124, "WRR"},  {125, "WRP"},   {126, "WRF"},  {127, "PLC"},
      {128, "RES"},  {129, "WRS"},  {130, "SAVA"}, {131, "SAVS"}, {132, "SAVL"},  {145, "ADD"},  {146, "SUB"},
      {147, "OR"},   {148, "AND"},  {149, "INC"},  {150, "DEC"},  {151, "MUL"},   {152, "ADF"},  {153, "SUF"},
      {154, "MUF"},  {155, "ROL"},  {156, "ROR"},  {177, "SET"},  {178, "L"},     {179, "INT"},  {180, "HERC"},
      {181, "HERA"}, {182, "CCLR"}, {183, "LP"},   {184, "LS"},   {185, "F"},     {186, "LAP"},  {187, "LAS"},
      {188, "OFF"},  {189, "LEP"},  {190, "LES"},  {191, "SETL"}, {208, "[EOF]"}, {209, ""},
  };
  for (const auto& [number, text] : named) t[static_cast<std::size_t>(number)] = text;
  return t;
}

constexpr std::array<std::string_view, kMnemonicCount> kTable = BuildTable();

}  // namespace

const std::array<std::string_view, kMnemonicCount>& MnemonicTable() { return kTable; }

std::string_view MnemonicText(int opcode) {
  if (opcode < 0 || opcode >= kMnemonicCount) return {};
  return kTable[static_cast<std::size_t>(opcode)];
}

int LookUpMnemonic(std::string_view token) {
  for (int i = 0; i < kNoMnemonic; ++i) {
    if (kTable[static_cast<std::size_t>(i)] == token) return i;
  }
  return kNoMnemonic;
}

}  // namespace zova::language
