// Listing lines: the templates and the fallbacks for unknown opcodes and modes. Whole programs are listed back
// in file_compile_test and through the transfers.
#include <gtest/gtest.h>

#include "language/listing.h"
#include "language/program_store.h"

namespace zova::language {
namespace {

struct Listed {
  int step;
  std::uint32_t word1;
  std::uint32_t word2;
  const char* line;
  int machineType = 0;
};

class ListsAs : public ::testing::TestWithParam<Listed> {};

TEST_P(ListsAs, Line) {
  const Listed& c = GetParam();
  EXPECT_EQ(ListLine(c.step, c.word1, c.word2, c.machineType), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, ListsAs,
    ::testing::Values(
        Listed{12, 0x01100005, 0, "012 MVE P0005"}, Listed{1234, 0x36000000, 0, "1234 STOP"},
        Listed{0, 0x11100005, 0, "000 UP P005"}, Listed{0, 0x11000005, 0, "000 UP P(R005)"},
        Listed{0, 0x0120000C, 0, "000 MVE P(*012)"}, Listed{0, 0xB9010003, 250, "000 F03 -2.50"},
        Listed{0, 0xB900000F, 5, "000 F15 0.05"}, Listed{0, 0xBC000002, 123456, "000 OFF 2 1234.56"},
        Listed{0, 0x56000104, 0x00640000, "000 TMS -05 0100"}, Listed{0, 0x56000005, 0x00640000, "000 TMS  05 0100"},
        Listed{0, 0x83100005, 0x000A0000, "000 SAVS 05 010 R000"},
        Listed{0, 0x3142000A, 0x00050000, "000 IF R010 = 00005"},
        Listed{0, 0x31D10001, 0x7FFF0000, "000 IF *001 ! 7FFFH"}, Listed{0, 0x53030000, 0, "000 SIGO AON"},
        Listed{0, 0x53010007, 0x000F0000, "000 SIGO 7 0FH"}, Listed{0, 0x53000007, 0x00050000, "000 SIGO 7 R005"},
        Listed{0, 0x53020007, 0x00050000, "000 SIGO 7 005"}, Listed{0, 0x54110005, 0x001F0000, "000 JB -05 PRG31"},
        Listed{0, 0x54030005, 0x00380000, "000 JB  05 -56"}, Listed{0, 0x5A800005, 0x001F0064, "000 SAR 5 -001FH 100"},
        Listed{0, 0xBF100001, 0x3B9AC9FF, "000 SETL R001 3B9AC9FFH"},
        Listed{0, 0xBF200001, 7, "000 SETL R001 000000007"}, Listed{0, 0xB2000007, 0, "000 L07"},
        Listed{0, 0x79200001, 0x00020003, "000 RER ZR  R001 R002 R003"},
        Listed{0, 0x79200001, 0x00020003, "000 RER R*  R001 R002 R003", 1},
        Listed{0, 0x81400001, 0x00020003, "000 WRS Y*  R001 R002 R003", 1},
        Listed{0, 0x81500001, 0x00020003, "000 WRS Y*  R001 R002 R003", 2}));

INSTANTIATE_TEST_SUITE_P(
    Fallbacks, ListsAs,
    ::testing::Values(Listed{3, 0, 0, "----------------"},           // opcode 0 has no template
                      Listed{3, 0xD0000000, 0, "----------------"},  // 208 is no opcode on the wire
                      Listed{3, 0x16000000, 0, "----------------"},  // a filler number
                      Listed{3, 0xC0000000, 0, "----------------"},  // beyond the table
                      Listed{5, 0x01300005, 0, "005 "},              // MVE with bits 21..20 = 3
                      Listed{5, 0x560000FF, 0, "005 "},              // TMS input 255
                      Listed{5, 0x15020000, 0, "005 "},              // CONT mode 2
                      Listed{5, 0x91500001, 0, "005 "},              // ADD source mode 5
                      Listed{5, 0x81500001, 0x00020003, "005 ", 1},  // no device 5 on machine type 1
                      Listed{5, 0x31050001, 0, "005 "}));            // IF second operand mode 5

}  // namespace
}  // namespace zova::language
