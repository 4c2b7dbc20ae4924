// The system parameter table and its named entries.
#include "parameters/sys_para.h"

namespace zova::parameters {

namespace {

constexpr std::array<SysParaEntry, kSysParaNamed> kEntries = {{
    {0, "AXES-------= ", "AXES", 2},
    {1, "I/O--------= ", "I/O", 1},
    {2, "SPIN-------= ", "SPIN", 0},
    {3, "SYNC-------= ", "SYNC", 0},
    {4, "SERR-------= ", "SYNC POS ERROR", 500},
    {5, "ARCH-------= ", "ARCH", 1},
    {6, "UPAX-------= ", "UPAX", 1},
    {7, "ZRAX-------= ", "ZRAX", 45476},
    {8, "ZRIN-------= ", "ZRIN", 0},
    {9, "CSPD-------= ", "CSPD", 1},
    {10, "JGIO-------= ", "JGIO", 0},
    {11, "PSGF-------= ", "PSGF", 0},
    {12, "ESGF-------= ", "ESGF", 0},
    {13, "LOCK-------= ", "LOCK", 0},
    {14, "BRKF-------= ", "BRKF", 0},
    {15, "BRAX-------= ", "BRAX(Hex)", 0},
    {16, "BACK-------= ", "BACK(Hex)", 0},
    {40, "PSIG-------= ", "PSIG(Hex)", 0},
    {41, "ESIG-------= ", "ESIG(Hex)", 0},
    {42, "ZRNO-------= ", "ZRNO(Hex)", 0},
    {43, "BON1-------= ", "BRON1(msec)", 0},
    {44, "BOF1-------= ", "BROFF1(msec)", 0},
    {45, "BON2-------= ", "BRON2(msec)", 0},
    {46, "BOF2-------= ", "BROFF2(msec)", 0},
    {47, "BON3-------= ", "BRON3(msec)", 0},
    {48, "BOF3-------= ", "BROFF3(msec)", 0},
    {49, "JSPD-------= ", "JOG Speed", 10},
    {50, "MSPD-------= ", "Move Speed", 10},
    {51, "UNIT-------= ", "Unit ID", 0},
    {52, "TIME-------= ", "Control Timer", 4},
    {53, "TPLC-------= ", "Type PLC", 0},
    {54, "TI/O-------= ", "Type I/O", 0},
    {55, "ESTP-------= ", "E-STOP", 0},
    {56, "AFLG-------= ", "Align Flag", 0},
    {57, "AVAL-------= ", "Align Value", 0},
    {58, "ASPD-------= ", "Align Speed", 10},
    {59, "RSPD-------= ", "Ready Speed", 10},
    {60, "PSAR-------= ", "PLC Addr", 8000},
    {61, "PSIZ-------= ", "PLC Range", 50},
    {62, "PMON-------= ", "PLC Monitor", 0},
    {63, "STAT-------= ", "Status(Hex)", 0},
}};

// Every prefix is 13 characters: the key, "-" fill to 11, "=" and a blank.
constexpr bool prefixesWellFormed() {
  for (const SysParaEntry& e : kEntries) {
    if (e.prefix.size() != 13 || e.prefix.substr(11) != "= ") return false;
  }
  return true;
}
static_assert(prefixesWellFormed());

}  // namespace

const std::array<SysParaEntry, kSysParaNamed>& SysParaEntries() { return kEntries; }

void SysPara::SetDefaults() {
  for (const SysParaEntry& e : kEntries) (*this)[e.index] = e.defaultValue;
}

}  // namespace zova::parameters
