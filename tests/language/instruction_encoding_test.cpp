// Known answers of single records both ways: the records of the edge cases, every distinct message a failing
// check gives (in the order the checks are made), and the listing line of a record.
#include <gtest/gtest.h>

#include "language/listing.h"
#include "language/mnemonic_table.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

struct Encoded {
  std::string line;
  std::uint32_t word1;
  std::uint32_t word2;
  int machineType = 0;
};

class EncodesTo : public ::testing::TestWithParam<Encoded> {};

TEST_P(EncodesTo, Record) {
  const Encoded& c = GetParam();
  LanguageRig rig({6, c.machineType});
  const auto record = rig.compiler.compileLine(c.line);
  ASSERT_TRUE(record.has_value()) << c.line << " -> " << (rig.ui.messages.empty() ? "" : rig.ui.texts()[0]);
  EXPECT_EQ(std::tuple(Words(*record), rig.compiler.wordCounter()), std::tuple(Words({c.word1, c.word2}), 2)) << c.line;
}

// Only the forms the generated round trip cannot pin down: the exact record of the named edge cases, the PLC
// device codes of each machine type, the zero operands whose sign picks no mode, and a fixed mode that no
// listing shows (SIGI's and HOME's 0).
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, EncodesTo,
    ::testing::Values(
        Encoded{"MVE P2500", 0x011009C4, 0}, Encoded{"MVE P(R999)", 0x010003E7, 0}, Encoded{"mve p12", 0x0110000C, 0},
        Encoded{"012 MVE P0005 ;first point", 0x01100005, 0}, Encoded{"CONT", 0x15010000, 0},
        Encoded{"L7", 0xB2000007, 0}, Encoded{"L 7", 0xB2000007, 0}, Encoded{"SIGO AON", 0x53030000, 0},
        Encoded{"SIGI R5 3", 0x52000005, 0x00030000}, Encoded{"HOME 3FH", 0x3500003F, 0},
        Encoded{"TMS -5 100", 0x56000104, 0x00640000}, Encoded{"SAR 5 8000H 1", 0x5A000005, 0x80000001},
        Encoded{"F12 -0.12", 0xB901000C, 12}, Encoded{"SETL R1 999999999", 0xBF200001, 999999999},
        Encoded{"SET R1 32767", 0xB1200001, 0x7FFF0000}, Encoded{"SMV R999 R999 R999", 0x580003E7, 0x03E703E7},
        Encoded{"WRR D* R999 R999 R999", 0x7C0003E7, 0x03E703E7}, Encoded{"JB 1 PRG0", 0x54010001, 0},
        Encoded{"JB -1 L0", 0x54100001, 0}, Encoded{"WRR R* R1 R2 R3", 0x7C100001, 0x00020003},
        Encoded{"WRR ZR R1 R2 R3", 0x7C200001, 0x00020003}, Encoded{"WRR M* R1 R2 R3", 0x7C300001, 0x00020003},
        Encoded{"WRR X* R1 R2 R3", 0x7C400001, 0x00020003}, Encoded{"WRR Y* R1 R2 R3", 0x7C500001, 0x00020003},
        Encoded{"WRR ZR R1 R2 R3", 0x7C200001, 0x00020003, 2}, Encoded{"WRR Y* R1 R2 R3", 0x7C500001, 0x00020003, 2},
        Encoded{"WRR DT R1 R2 R3", 0x7C000001, 0x00020003, 1}, Encoded{"WRR FL R1 R2 R3", 0x7C100001, 0x00020003, 1},
        Encoded{"WRR R* R1 R2 R3", 0x7C200001, 0x00020003, 1}, Encoded{"WRR X* R1 R2 R3", 0x7C300001, 0x00020003, 1},
        Encoded{"WRR Y* R1 R2 R3", 0x7C400001, 0x00020003, 1},
        Encoded{std::string(74, ' ') + "MVE P5", 0x01100005, 0}));  // the 5 in column 80

struct Refused {
  std::string line;
  const char* message;
  int axes = 6;
  int machineType = 0;
};

class RefusesWith : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusesWith, Message) {
  const Refused& c = GetParam();
  LanguageRig rig({c.axes, c.machineType});
  rig.store.image[0] = 0x12345678;
  EXPECT_FALSE(rig.compiler.compileLine(c.line).has_value()) << c.line;
  ASSERT_EQ(rig.ui.texts(), std::vector<std::string>{c.message}) << c.line;
  // The application title, nothing counted, the image's first word cleared.
  EXPECT_EQ(
      std::tuple(rig.ui.messages[0].title, rig.ui.messages[0].buttons, rig.compiler.wordCounter(), rig.store.image[0]),
      std::tuple("", MessageButtons::Ok, 0, 0u))
      << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    OnePerMessage, RefusesWith,
    ::testing::Values(
        Refused{"MVE P2501", "LOC 번호 초과"}, Refused{"MVE P(R1000)", "REG 번호 초과"},
        Refused{"MVE 5", "MVE 명령어 Syntex Error"}, Refused{"MVS X", "MVS 명령어 Syntex Error"},
        Refused{"UP", "UP 명령어 Syntex Error"}, Refused{"MVL PP", "MVL 명령어 Syntex Error"},
        Refused{"SFT S1000", "SFT 번호 초과"}, Refused{"SFT X", "SFT 명령어 Syntex Error"},
        Refused{"SPL 11", "SPL 번호가 큼"}, Refused{"SPL *1000", "REG 번호가 큼"},
        Refused{"SPL X", "SPL 명령어 Syntex Error"}, Refused{"VMP 101", "SPD 번호가 큼"},
        Refused{"VMN X", "VMN 명령어 Syntex Error"}, Refused{"PAL 101", "PAL 번호가 큼"},
        Refused{"PAL X", "PAL 명령어 Syntex Error"}, Refused{"SPLS X", "SPLS 명령어 Syntex Error"},
        Refused{"TSPD X", "TSPD 명령어 Syntex Error"}, Refused{"VMP X", "VMP 명령어 Syntex Error"},
        Refused{"HERC P2501", "HERC MAX_LOC_LMT_OVER"}, Refused{"HERA P(R1000)", "HERC MAX_REG_LMT_OVER"},
        Refused{"CCLR 4", "CCLR-MAX_AXIS_LMT_OVER", 3}, Refused{"MVA P2501 1", "MA1-MAX_LOC_LMT_OVER"},
        Refused{"MVA P(R1000) 0", "MA1-MAX_REG_LMT_OVER"}, Refused{"MVA P1 0", "MA2-MAX_ARCH_LMT_OVER"},
        Refused{"MVA P1 R1000", "MA2-MAX_REG_LMT_OVER"}, Refused{"ARC P1 2001", "ARC-MAX_ARC_LMT_OVER"},
        Refused{"ARC P2501 1", "ARC-MAX_LOC_LMT_OVER"}, Refused{"ARC P(*1000) 1", "ARC-MAX_REG_LMT_OVER"},
        Refused{"MVC P(R1000) P1", "MVC-MAX_REG_LMT_OVER"}, Refused{"MVC P1 P2501", "MVC-MAX_LOC_LMT_OVER"},
        Refused{"CIR P1 P2501", "CIR-MAX_LOC_LMT_OVER"}, Refused{"CIR P1 P(*1000)", "CIR-MAX_REG_LMT_OVER"},
        Refused{"MVF P(R1000) 1", "MVF/MVB-MAX_REG_LMT_OVER"}, Refused{"MVB P5 49", "MVF/MVB-MAX_SIG_LMT_OVER"},
        Refused{"MVF P2501 49", "MVF/MVB-MAX_LOC_LMT_OVER"},  // the location is checked before the signal
        Refused{"SFF S(R1000) 1", "SFF/SFB-MAX_REG_LMT_OVER"}, Refused{"SFB S1000 1", "SFF/SFB-MAX_SFT_LMT_OVER"},
        Refused{"SFF S1 -49", "SF-MAX_SIG_LMT_OVER"}, Refused{"PMS 0 1", "PM/PS-MAX_PAL_LMT_OVER"},
        Refused{"PMV 1 *1000", "PM/PS-MAX_REG_LMT_OVER"}, Refused{"DRP P1 40H", "DRP/DRS-MAX_AXIS_LMT_OVER"},
        Refused{"DRP P(R1000) 1H", "DRP/DRS-MAX_REG_LMT_OVER"}, Refused{"DRP P2501 1H", "DRP-MAX_LOC_LMT_OVER"},
        Refused{"DRS S1000 1H", "DRS-MAX_SFT_LMT_OVER"}, Refused{"GOTO 5", "GOT sysntex error"},
        Refused{"GOTO L51", "LEVEL 번호가 큼"}, Refused{"DLY 1000000", "DLY Data Range OVer"},
        Refused{"INP 900001", "IN-POSITION 값 큼"}, Refused{"CALL 33", "FILE 번호가 큼"},
        Refused{"L51", "MAX_LABEL_LMT_OVER"}, Refused{"L 51", "MAX_LABEL_LMT_OVER"},
        Refused{"JMP L51 1", "JMP-MAX_LABEL_LMT_OVER"}, Refused{"JMP L1 256", "JMP-MAX_JMP_LMT_OVER"},
        Refused{"JMP L1 *1000", "JMP-MAX_REG_LMT_OVER"}, Refused{"INT 4 OFF", "MAX_INT_LMT_OVER"},
        Refused{"INT 1 PRG32", "MAX_FILE_LMT_OVER"}, Refused{"IF F100 > 1", "MAX_FREG_LMT_OVER"},
        Refused{"IF 5 = 32768", "IF_SYNTEX_ERR"}, Refused{"IF R1000 = 1", "MAX_REG_LMT_OVER"},
        Refused{"IF R1 = R1000", "MAX_REG_LMT_OVER"}, Refused{"IF R1 = 8000H", "MAX_HEX_LMT_OVER"},
        Refused{"XYZ", "해당 명령어가 없습니다"}, Refused{"", "해당 명령어가 없습니다"},
        Refused{"  0123 ", "해당 명령어가 없습니다"}, Refused{"SIGB 57", "출력신호값 OVER"},
        Refused{"WAIT 49", "WAIT 입력신호값 OVER"}, Refused{"SIGI R1000 1", "SIGI-MAX_REG_LMT_OVER"},
        Refused{"SIGI R1 7", "SIGI-MAX_IN_PORT_LMT_OVER"}, Refused{"SIGO 8 1", "SIGO-MAX_OUT_PORT_LMT_OVER"},
        Refused{"SIGO 1 R1000", "SIGO-MAX_REG_LMT_OVER"}, Refused{"SIGO 1 32768", "SIGO-MAX_HEX_LMT_OVER"},
        Refused{"JB 49 L1", "JB-MAX_SIG_LMT_OVER"}, Refused{"JB 5 P32", "JB-MAX_FILE_LMT_OVER"},
        Refused{"JB 5 L51", "JB-MAX_LABEL_LMT_OVER"}, Refused{"TMS 49 1", "TMS-MAX_SIG_LMT_OVER"},
        Refused{"TMS 1 10000", "TMS-MAX_TMS_LMT_OVER"}, Refused{"PWR 2 1H", "PWR_LMT_OVER(0~1)"},
        Refused{"PWR 0 40H", "PWR-MAX_AXIS_LMT_OVER"}, Refused{"RUN 33 0", "RUN-MAX_FILE_LMT_OVER"},
        Refused{"RUN 1 5", "RUN-MAX_RUN_TASK_NUM"}, Refused{"SAR 1 1H 101", "SAR-MAX_SAR_LMT_OVER"},
        Refused{"SAR 65536 1H 1", "SAR 명령어 Syntex Error"}, Refused{"HOME 1FFFFH", "HOME 명령어 Syntex Error"},
        Refused{"SETL R1 1000000000", "MAX_Long_Value_LMT_OVER"}, Refused{"ADD R1 -5", "MAX_Integer_Value_LMT_OVER"},
        Refused{"ACC 7 1", "ACC-MAX_AXIS_LMT_OVER"}, Refused{"DCC 0 1", "DCC-MAX_AXIS_LMT_OVER"},
        Refused{"DCC 1 20001", "ACCDCC-MAX_ACCDCC_LMT_OVER"}, Refused{"VEL 1 0", "VEL-MAX_VEL_LMT_OVER"},
        Refused{"VEL 3 1", "VEL-MAX_AXIS_LMT_OVER", 2}, Refused{"SPD 3 1", "AX_NUM_ERR", 2},
        Refused{"SPD 1 101", "SPD 번호가 큼"}, Refused{"SPD 1 0", "SPD 번호가 큼"},
        Refused{"SAVS 100 R1", "SAVS-MAX_Val_OVER(0~99)"}, Refused{"SAVA 100 R1", "SAVA-MAX_Val_OVER(0~99)"},
        Refused{"SAVL 1 1000", "SAVL-MAX_REG_LMT_OVER(0~999)"}, Refused{"SAVA 1 *1000", "SAVA-MAX_REG_LMT_OVER(0~999)"},
        Refused{"SAVS 1 R1000", "SAVS-MAX_REG_LMT_OVER(0~999)"}, Refused{"ADD R1 8000H", "MAX_Integer_Value_LMT_OVER"},
        Refused{"SETL R1 3B9ACA00H", "MAX_Long_Value_LMT_OVER"}, Refused{"LAP F1 3 R1", "MAX_AXIS_LMT_OVER", 2},
        Refused{"F16 1", "FSET COMM REG. 번호 초과"},  // single-line compile reaches F0..F15 only
        Refused{"F1 99999999", "FSET VALUE LIMIT"}, Refused{"OFF 7 1", "MAX AXIS LIMIT"},
        Refused{"OFF 1 -99999999", "OFF VALUE LIMIT"}, Refused{"SMV R1000 R1 R1", "MAX_REG_LMT_OVER"},
        Refused{"SMV R1 R1000 R1", "MAX_REG_LMT_OVER"}, Refused{"SMV R1 R1 R1000", "MAX_REG_LMT_OVER"},
        Refused{"LAP F1 1 R1000", "MAX_REG_LMT_OVER"}, Refused{"WRR D* R1000 R1 R1", "MAX_REG_LMT_OVER"},
        Refused{"WRR D* R1 R1000 R1", "MAX_REG_LMT_OVER"}, Refused{"WRR D* R1 R1 R1000", "MAX_REG_LMT_OVER"},
        Refused{"JB 0 L1", "JB-MAX_SIG_LMT_OVER"}, Refused{"TMS -0 1", "TMS-MAX_SIG_LMT_OVER"},
        // Text the scanner does not reach, a device the machine lacks, an operand nothing reads, a word that
        // names no form of its operand.

        Refused{std::string(71, ' ') + "SETL R1 123456789", "SETL 명령어 Syntex Error"},
        Refused{std::string(80, ' ') + "MVE P5", "해당 명령어가 없습니다"},
        Refused{"WRR M1 1 2 3", "WRR 명령어 Syntex Error"}, Refused{"RER Q1 1 2 3", "RER 명령어 Syntex Error"},
        Refused{"RER D*5 1 2 3", "RER 명령어 Syntex Error"}, Refused{"RER M* 1 2 3", "RER 명령어 Syntex Error", 6, 1},

        Refused{"IF R1 = 5 6", "IF_SYNTEX_ERR"}, Refused{"SIGO AXN", "SIGO-MAX_OUT_PORT_LMT_OVER"},
        Refused{"SAVA 1 R1 R001", "SAVA 명령어 Syntex Error"}, Refused{"SAVS 1 R1 R000 0", "SAVS 명령어 Syntex Error"},
        Refused{"SAVL 1 R1 R", "SAVL 명령어 Syntex Error"}, Refused{"ADD R1000 1", "MAX_REG_LMT_OVER"},
        Refused{"SUB R1 R1000", "MAX_REG_LMT_OVER"}, Refused{"AND *1000 1", "MAX_REG_LMT_OVER"},
        Refused{"OR R1 *1000", "MAX_REG_LMT_OVER"}, Refused{"ADF *1000 F1", "MAX_REG_LMT_OVER"},
        Refused{"ADF F1 R1000", "MAX_REG_LMT_OVER"}, Refused{"IF R1 => 5", "IF_SYNTEX_ERR"},
        Refused{"IF X1 = 5", "IF_SYNTEX_ERR"}, Refused{"IF R1 = X5", "IF_SYNTEX_ERR"},
        Refused{"CONT OF", "CONT 명령어 Syntex Error"}, Refused{"INT 1 X", "INT 명령어 Syntex Error"},
        Refused{"ADD X1 5", "ADD 명령어 Syntex Error"}, Refused{"SET R1 X5", "SET 명령어 Syntex Error"},
        Refused{"ADF R1 F2", "ADF 명령어 Syntex Error"}, Refused{"MVE Q5", "LOC 번호 초과"},
        Refused{"CONT OFF\r.IF F1 ! 7FFFH", "CONT 명령어 Syntex Error"},
        Refused{"STOP\r6CALL PRG3", "STOP 명령어 Syntex Error"}, Refused{"MVE S5", "MVE 명령어 Syntex Error"},
        Refused{"SMV *1 R2 R3", "SMV 명령어 Syntex Error"}, Refused{"LES R1 2 R3", "LES 명령어 Syntex Error"},
        Refused{"WRR D* *1 R2 R3", "WRR 명령어 Syntex Error"}, Refused{"SIGI *1 2", "SIGI 명령어 Syntex Error"},
        Refused{"JMP P1 5", "JMP 명령어 Syntex Error"}, Refused{"MVA P(R5 1", "MA1-MAX_REG_LMT_OVER"},
        Refused{"ADF F1 X2", "ADF 명령어 Syntex Error"}));

// Records listed back: the templates, and the fallbacks for unknown opcodes and modes. The generated round trip
// lists every form; these rows pin the widths and signs it cannot tell apart.
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
        Listed{0, 0x0A5003E7, 0x00300000, "000 SFF S999 -48"}, Listed{0, 0x0B400005, 0x00070000, "000 SFB S005 07"},
        Listed{0, 0x0A000005, 0x00070000, "000 SFF S(R005) 07"},
        Listed{0, 0x3142000A, 0x00050000, "000 IF R010 = 00005"},
        Listed{0, 0x31D10001, 0x7FFF0000, "000 IF *001 ! 7FFFH"}, Listed{0, 0x53030000, 0, "000 SIGO AON"},
        Listed{0, 0x58000001, 0x00020003, "000 SMV R001 R002 R003"},
        Listed{0, 0x53010007, 0x000F0000, "000 SIGO 7 0FH"}, Listed{0, 0x53000007, 0x00050000, "000 SIGO 7 R005"},
        Listed{0, 0x53020007, 0x00050000, "000 SIGO 7 005"}, Listed{0, 0x73100001, 0x00320000, "000 SPD 1 050"},
        Listed{0, 0x5501000C, 0, "000 WAIT -12"}, Listed{0, 0x9500000A, 0, "000 INC R010"},
        Listed{0, 0x34010005, 0x000A0000, "000 JMP L05 010"}, Listed{0, 0xBA000001, 0x00010002, "000 LAP F01 1 R002"},
        Listed{0, 0x54110005, 0x001F0000, "000 JB -05 PRG31"}, Listed{0, 0x54030005, 0x00380000, "000 JB  05 -56"},
        Listed{0, 0x5A800005, 0x001F0064, "000 SAR 5 -001FH 100"},
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
}  // namespace zova::language::testing
