// The axis parameter table and its named entries.
#include "parameters/ax_para.h"

namespace zova::parameters {

namespace {

constexpr std::array<AxParaEntry, kAxParaNamed> kEntries = {{
    {30, "MOTOR----- = ", "MOTOR", 0},      {31, "LOOP------ = ", "LOOP", 0},      {32, "CONT------ = ", "CONT", 0},
    {33, "VOLT------ = ", "VOLT", 0},       {34, "STEP------ = ", "STEP", 0},      {35, "CDIR------ = ", "CDIR", 0},
    {36, "ZDIR------ = ", "ZDIR", 1},       {37, "CORD------ = ", "CORD", 0},      {38, "ENDIR----- = ", "ENDIR", 0},
    {39, "LMTCK----- = ", "LMTCK", 0},      {40, "INPOS----- = ", "INPOS", 0},     {70, "POSITIVE-- = ", "POSI", 0},
    {71, "NEGITIVE-- = ", "NEGA", 0},       {72, "HOME------ = ", "HOME", 0},      {73, "SV_ERR---- = ", "SVERR", 1},
    {74, "SV_RESET-- = ", "SVRST", 0},      {75, "SV_ON----- = ", "SVON", 0},      {100, "CR-------- = ", "CCLR", 0},
    {101, "LL-------- = ", "LOW", -100000}, {102, "UL-------- = ", "UPP", 100000}, {103, "OFF------- = ", "OFF", 0},
    {104, "ERR------- = ", "ERR", 10000},   {105, "VEL------- = ", "VEL", 300000}, {106, "GEB------- = ", "GEB", 2000},
    {107, "GEA------- = ", "GEA", 2048},    {130, "ACC------- = ", "ACC", 100},    {131, "DCC------- = ", "DCC", 100},
    {132, "INP------- = ", "INP", 100},     {133, "C_VEL----- = ", "C-VEL", 100},  {134, "F_VEL----- = ", "F-VEL", 20},
    {135, "Z_ACC----- = ", "Z-ACC", 50},    {136, "P_ACC----- = ", "P-ACC", 50},   {137, "RATIO----- = ", "RATIO", 1},
    {138, "JLOCK----- = ", "JLOCK", 0},     {140, "ABSEN----- = ", "ABSEN", 0},    {141, "PAUSE----- = ", "PAUSE", 0},
}};

// Every prefix is 13 characters: the key, "-" fill to 10, a blank, "=" and a blank.
constexpr bool prefixesWellFormed() {
  for (const AxParaEntry& e : kEntries) {
    if (e.prefix.size() != 13 || e.prefix.substr(10) != " = ") return false;
  }
  return true;
}
static_assert(prefixesWellFormed());

}  // namespace

const std::array<AxParaEntry, kAxParaNamed>& AxParaEntries() { return kEntries; }

void AxPara::SetDefaults() {
  for (Axis& axis : values) {
    for (const AxParaEntry& e : kEntries) axis[static_cast<std::size_t>(e.entry)] = e.defaultValue;
  }
}

}  // namespace zova::parameters
