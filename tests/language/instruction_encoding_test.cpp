// Known answers of the single-line compiler: the record of every instruction form, and the message of every
// failing check, in the order the checks are made.
#include <gtest/gtest.h>

#include "language/mnemonic_table.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

struct Encoded {
  const char* line;
  std::uint32_t word1;
  std::uint32_t word2;
};

class EncodesTo : public ::testing::TestWithParam<Encoded> {};

TEST_P(EncodesTo, Record) {
  const Encoded& c = GetParam();
  LanguageRig rig;
  const auto record = rig.compiler.compileLine(c.line);
  ASSERT_TRUE(record.has_value()) << c.line << " -> " << (rig.ui.messages.empty() ? "" : rig.ui.texts()[0]);
  EXPECT_EQ(Words(*record), Words({c.word1, c.word2})) << c.line;
  EXPECT_TRUE(rig.ui.messages.empty());
  EXPECT_EQ(rig.compiler.wordCounter(), 2);
  EXPECT_EQ(rig.store.image[0], c.word1);
  EXPECT_EQ(rig.store.image[1], c.word2);
}

INSTANTIATE_TEST_SUITE_P(
    Motion, EncodesTo,
    ::testing::Values(
        Encoded{"MVE P2500", 0x011009C4, 0}, Encoded{"MVE P(R999)", 0x010003E7, 0},
        Encoded{"MVE P(*12)", 0x0120000C, 0}, Encoded{"mve p12", 0x0110000C, 0},
        Encoded{"012 MVE P0005 ;first point", 0x01100005, 0}, Encoded{"MVS P0", 0x02100000, 0},
        Encoded{"UP P5", 0x11100005, 0}, Encoded{"MVL P(X7)", 0x12000007, 0}, Encoded{"SFT R12", 0x0730000C, 0},
        Encoded{"SFT S999", 0x071003E7, 0}, Encoded{"SFT S(*5)", 0x07200005, 0}, Encoded{"SFT S(R5)", 0x07000005, 0},
        Encoded{"MVA P(*5) 100", 0x03900005, 0x00640000}, Encoded{"MVA P1 *7", 0x03600001, 0x00070000},
        Encoded{"MVA P(R1) R2", 0x03000001, 0x00020000}, Encoded{"ARC P1 2000", 0x06500001, 0x07D00000},
        Encoded{"MVC P(R1) P(*2)", 0x04200001, 0x00020000}, Encoded{"CIR P2500 P0", 0x055009C4, 0},
        Encoded{"MVF P5 -48", 0x08500005, 0x00300000}, Encoded{"MVB P(*5) 1", 0x09800005, 0x00010000},
        Encoded{"SFF S(*3) -1", 0x0A900003, 0x00010000}, Encoded{"SFB S999 48", 0x0B4003E7, 0x00300000},
        Encoded{"PMV 100 9999", 0x0C400064, 0x270F0000}, Encoded{"PMS 1 *5", 0x0D800001, 0x00050000},
        Encoded{"DRP P2500 3FH", 0x0E1009C4, 0x003F0000}, Encoded{"DRP P(*1) 1H", 0x0E200001, 0x00010000},
        Encoded{"DRS R12 1H", 0x0F30000C, 0x00010000}, Encoded{"DRS S(R12) 2H", 0x0F00000C, 0x00020000},
        Encoded{"SPL 10", 0x1010000A, 0}, Encoded{"SPL R999", 0x100003E7, 0}, Encoded{"VMN *5", 0x14200005, 0},
        Encoded{"VMP 100", 0x13100064, 0}, Encoded{"TSPD R5", 0x75000005, 0}, Encoded{"PAL 100", 0x76100064, 0},
        Encoded{"SPLS *10", 0x7720000A, 0}, Encoded{"HERA P(*7)", 0xB5200007, 0}, Encoded{"HERC P2500", 0xB41009C4, 0},
        Encoded{"HERC P(R9)", 0xB4000009, 0}, Encoded{"CCLR 6", 0xB6000006, 0}));

INSTANTIATE_TEST_SUITE_P(
    Flow, EncodesTo,
    ::testing::Values(Encoded{"CONT", 0x15010000, 0}, Encoded{"CONT ON", 0x15010000, 0},
                      Encoded{"CONT OFF", 0x15000000, 0}, Encoded{"PLC", 0x7F010000, 0},
                      Encoded{"PLC OFF", 0x7F000000, 0}, Encoded{"GOTO L50", 0x32000032, 0},
                      Encoded{"DLY 1.5", 0x3300000F, 0}, Encoded{"DLY 999999", 0x330F423F, 0},
                      Encoded{"INP 900000", 0x740DBBA0, 0}, Encoded{"INP 0", 0x74000000, 0},
                      Encoded{"HOME 3FH", 0x3500003F, 0}, Encoded{"HOME FFFFH", 0x3500FFFF, 0},
                      Encoded{"STOP", 0x36000000, 0}, Encoded{"RET", 0x38000000, 0}, Encoded{"RETC", 0x39000000, 0},
                      Encoded{"CALL PRG32", 0x37000020, 0}, Encoded{"JMP L50 R999", 0x34000032, 0x03E70000},
                      Encoded{"JMP L1 255", 0x34010001, 0x00FF0000}, Encoded{"JMP L1 *3", 0x34020001, 0x00030000},
                      Encoded{"L7", 0xB2000007, 0}, Encoded{"L 7", 0xB2000007, 0},
                      Encoded{"INT 3 L50", 0xB3010003, 0x00320000}, Encoded{"INT 1 PRG31", 0xB3020001, 0x001F0000},
                      Encoded{"INT 1 OFF", 0xB3000001, 0}, Encoded{"[EOF]", 0xFF000000, 0},
                      Encoded{"[eof]", 0xFF000000, 0}, Encoded{"IF R010 = 00005", 0x3142000A, 0x00050000},
                      Encoded{"IF *1 ! F99", 0x31D40001, 0x00630000}, Encoded{"IF F1 < 7FFFH", 0x31A10001, 0x7FFF0000},
                      Encoded{"IF 5 > R7", 0x31000005, 0x00070000}, Encoded{"IF R1 = *2", 0x31430001, 0x00020000}));

INSTANTIATE_TEST_SUITE_P(
    Signals, EncodesTo,
    ::testing::Values(Encoded{"SIGB -56", 0x51010038, 0}, Encoded{"SIGB 1", 0x51000001, 0},
                      Encoded{"WAIT -48", 0x55010030, 0}, Encoded{"SIGI R999 6", 0x520003E7, 0x00060000},
                      Encoded{"SIGO AON", 0x53030000, 0}, Encoded{"SIGO AOFF", 0x53040000, 0},
                      Encoded{"SIGO 7 FFH", 0x53010007, 0x00FF0000}, Encoded{"SIGO 1 32767", 0x53020001, 0x7FFF0000},
                      Encoded{"SIGO 1 R999", 0x53000001, 0x03E70000}, Encoded{"JB -5 PRG31", 0x54110005, 0x001F0000},
                      Encoded{"JB 5 -56", 0x54030005, 0x00380000}, Encoded{"JB 1 L50", 0x54000001, 0x00320000},
                      Encoded{"JB 48 56", 0x54020030, 0x00380000}, Encoded{"TMS -5 100", 0x56000104, 0x00640000},
                      Encoded{"TMS 48 9999", 0x56000030, 0x270F0000}, Encoded{"PWR 1 3FH", 0x57000001, 0x003F0000},
                      Encoded{"SMV R1 R2 R3", 0x58000001, 0x00020003}, Encoded{"RUN PRG32 4", 0x59000020, 0x00040000},
                      Encoded{"SAR 5 -1FH 100", 0x5A800005, 0x001F0064},
                      Encoded{"SAR 5 8000H 1", 0x5A000005, 0x80000001}));

INSTANTIATE_TEST_SUITE_P(
    SpeedsAndTransfers, EncodesTo,
    ::testing::Values(Encoded{"ACC 6 20000", 0x71000006, 0x4E200000}, Encoded{"DCC 1 0", 0x72000001, 0},
                      Encoded{"VEL 1 30000", 0x78000001, 0x75300000}, Encoded{"SPD 1 100", 0x73100001, 0x00640000},
                      Encoded{"SPD 1 *5", 0x73200001, 0x00050000}, Encoded{"SPD 2 R7", 0x73000002, 0x00070000},
                      Encoded{"RER D* R1 R2 R3", 0x79000001, 0x00020003},
                      Encoded{"WRS Y* R1 R2 R3", 0x81500001, 0x00020003},
                      Encoded{"REP QQ R1 R2 R3", 0x7A000001, 0x00020003},
                      Encoded{"SAVA 99 R999", 0x82000063, 0x03E70000}, Encoded{"SAVS 1 5", 0x83100001, 0x00050000},
                      Encoded{"SAVL 1 *5", 0x84200001, 0x00050000}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, EncodesTo,
    ::testing::Values(Encoded{"ADD R1 7FFFH", 0x91100001, 0x7FFF0000}, Encoded{"ADD *999 F99", 0x91C003E7, 0x00630000},
                      Encoded{"AND R1 *5", 0x94300001, 0x00050000}, Encoded{"MUL R1 FFH", 0x97100001, 0x00FF0000},
                      Encoded{"SUB 7 R8", 0x92000007, 0x00080000}, Encoded{"SET R1 32767", 0xB1200001, 0x7FFF0000},
                      Encoded{"SETL R1 999999999", 0xBF200001, 0x3B9AC9FF},
                      Encoded{"SETL R1 3B9AC9FFH", 0xBF100001, 0x3B9AC9FF}, Encoded{"SETL *2 F99", 0xBFC00002, 99},
                      Encoded{"INC *999", 0x950103E7, 0}, Encoded{"DEC R0", 0x96000000, 0},
                      Encoded{"ADF *999 R999", 0x98A003E7, 0x03E70000}, Encoded{"SUF F1 *2", 0x99100001, 0x00020000},
                      Encoded{"MUF F99 F0", 0x9A000063, 0}, Encoded{"LAP F99 6 R999", 0xBA000063, 0x000603E7},
                      Encoded{"LES F0 1 R0", 0xBE000000, 0x00010000}, Encoded{"LP R1 R2 R3", 0xB7000001, 0x00020003},
                      Encoded{"LS R999 R0 R999", 0xB80003E7, 0x000003E7}, Encoded{"F12 -0.125", 0xB901000C, 12},
                      Encoded{"F3 -2.5", 0xB9010003, 250}, Encoded{"F15 1", 0xB900000F, 100},
                      Encoded{"F1 2.675", 0xB9000001, 268}, Encoded{"F1 -0.001", 0xB9000001, 0},
                      Encoded{"OFF 6 -1.25", 0xBC010006, 125}, Encoded{"OFF 2.5 1", 0xBC000002, 100},
                      Encoded{"OFF 1 21474836.4", 0xBC000001, 2147483640}));

TEST(EncodesTo, SetlKeepsItsValueUnshiftedWhereSetShiftsIt) {
  LanguageRig rig;
  const auto setl = rig.compiler.compileLine("SETL R1 999999999");
  const auto set = rig.compiler.compileLine("SET R1 32767");
  ASSERT_TRUE(setl && set);
  EXPECT_EQ(setl->word2, 999999999u);
  EXPECT_EQ(set->word2, 32767u << 16);
}

TEST(EncodesTo, PlcDeviceCodesFollowTheMachineType) {
  struct Case {
    int machineType;
    const char* device;
    int code;
  };
  const Case cases[] = {{0, "D*", 0}, {0, "R*", 1}, {0, "ZR", 2}, {0, "M*", 3},  {0, "X*", 4}, {0, "Y*", 5},
                        {2, "ZR", 2}, {2, "Y*", 5}, {1, "DT", 0}, {1, "FL", 1},  {1, "R*", 2}, {1, "X*", 3},
                        {1, "Y*", 4}, {1, "ZR", 0}, {0, "DT", 0}, {0, "D100", 0}};
  for (const Case& c : cases) {
    LanguageRig rig({6, c.machineType});
    const auto record = rig.compiler.compileLine(std::string("WRR ") + c.device + " R1 R2 R3");
    ASSERT_TRUE(record) << c.device;
    EXPECT_EQ(record->mode(), c.code << 4) << "type " << c.machineType << " " << c.device;
  }
}

struct Refused {
  const char* line;
  const char* message;
  int axes = 6;
};

class RefusesWith : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusesWith, Message) {
  const Refused& c = GetParam();
  LanguageRig rig({c.axes, 0});
  rig.store.image[0] = 0x12345678;
  EXPECT_FALSE(rig.compiler.compileLine(c.line).has_value()) << c.line;
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{c.message}) << c.line;
  ASSERT_EQ(rig.ui.messages.size(), 1u);
  EXPECT_EQ(rig.ui.messages[0].title, "");  // the application title
  EXPECT_EQ(rig.ui.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(rig.compiler.wordCounter(), 0);
  EXPECT_EQ(rig.store.image[0], 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Motion, RefusesWith,
    ::testing::Values(
        Refused{"MVE P2501", "LOC 번호 초과"}, Refused{"MVE P(R1000)", "REG 번호 초과"},
        Refused{"MVE 5", "MVE 명령어 Syntex Error"}, Refused{"MVS X", "MVS 명령어 Syntex Error"},
        Refused{"UP", "UP 명령어 Syntex Error"}, Refused{"MVL PP", "MVL 명령어 Syntex Error"},
        Refused{"MVE,P5", "MVE 명령어 Syntex Error"},  // the comma empties token 2
        Refused{"SFT S1000", "SFT 번호 초과"}, Refused{"SFT S(R1000)", "REG 번호 초과"},
        Refused{"SFT R1000", "REG 번호 초과"}, Refused{"SFT X", "SFT 명령어 Syntex Error"},
        Refused{"SPL 11", "SPL 번호가 큼"}, Refused{"SPLS 11", "SPL 번호가 큼"}, Refused{"SPL *1000", "REG 번호가 큼"},
        Refused{"SPL X", "SPL 명령어 Syntex Error"}, Refused{"VMP 101", "SPD 번호가 큼"},
        Refused{"VMN X", "VMN 명령어 Syntex Error"}, Refused{"TSPD 101", "SPD 번호가 큼"},
        Refused{"PAL 101", "PAL 번호가 큼"}, Refused{"PAL X", "PAL 명령어 Syntex Error"},
        Refused{"SPLS X", "SPLS 명령어 Syntex Error"}, Refused{"TSPD X", "TSPD 명령어 Syntex Error"},
        Refused{"VMP X", "VMP 명령어 Syntex Error"}, Refused{"HERC P2501", "HERC MAX_LOC_LMT_OVER"},
        Refused{"HERA P(R1000)", "HERC MAX_REG_LMT_OVER"}, Refused{"CCLR 0", "CCLR-MAX_AXIS_LMT_OVER"},
        Refused{"CCLR 4", "CCLR-MAX_AXIS_LMT_OVER", 3}, Refused{"MVA P2501 1", "MA1-MAX_LOC_LMT_OVER"},
        Refused{"MVA P(R1000) 0", "MA1-MAX_REG_LMT_OVER"}, Refused{"MVA P1 0", "MA2-MAX_ARCH_LMT_OVER"},
        Refused{"MVA P1 101", "MA2-MAX_ARCH_LMT_OVER"}, Refused{"MVA P1 R1000", "MA2-MAX_REG_LMT_OVER"},
        Refused{"ARC P1 2001", "ARC-MAX_ARC_LMT_OVER"}, Refused{"ARC P2501 1", "ARC-MAX_LOC_LMT_OVER"},
        Refused{"ARC P(*1000) 1", "ARC-MAX_REG_LMT_OVER"}, Refused{"ARC P1 *1000", "ARC-MAX_REG_LMT_OVER"},
        Refused{"MVC P(R1000) P1", "MVC-MAX_REG_LMT_OVER"}, Refused{"MVC P1 P2501", "MVC-MAX_LOC_LMT_OVER"},
        Refused{"CIR P1 P2501", "CIR-MAX_LOC_LMT_OVER"}, Refused{"CIR P1 P(*1000)", "CIR-MAX_REG_LMT_OVER"},
        Refused{"MVF P(R1000) 1", "MVF/MVB-MAX_REG_LMT_OVER"}, Refused{"MVB P2501 1", "MVF/MVB-MAX_LOC_LMT_OVER"},
        Refused{"MVB P5 49", "MVF/MVB-MAX_SIG_LMT_OVER"}, Refused{"MVF P5 0", "MVF/MVB-MAX_SIG_LMT_OVER"},
        // the location is checked before the signal
        Refused{"MVF P2501 49", "MVF/MVB-MAX_LOC_LMT_OVER"}, Refused{"SFF S(R1000) 1", "SFF/SFB-MAX_REG_LMT_OVER"},
        Refused{"SFB S1000 1", "SFF/SFB-MAX_SFT_LMT_OVER"}, Refused{"SFF S1 -49", "SF-MAX_SIG_LMT_OVER"},
        Refused{"PMS 0 1", "PM/PS-MAX_PAL_LMT_OVER"}, Refused{"PMV 101 1", "PM/PS-MAX_PAL_LMT_OVER"},
        Refused{"PMV 1 10000", "PM/PS-MAX_PAL_LMT_OVER"}, Refused{"PMV 1 *1000", "PM/PS-MAX_REG_LMT_OVER"},
        Refused{"DRP P1 40H", "DRP/DRS-MAX_AXIS_LMT_OVER"}, Refused{"DRS S1 0H", "DRP/DRS-MAX_AXIS_LMT_OVER"},
        Refused{"DRP P(R1000) 1H", "DRP/DRS-MAX_REG_LMT_OVER"}, Refused{"DRS R1000 1H", "DRP/DRS-MAX_REG_LMT_OVER"},
        Refused{"DRP P2501 1H", "DRP-MAX_LOC_LMT_OVER"}, Refused{"DRS S1000 1H", "DRS-MAX_SFT_LMT_OVER"}));

INSTANTIATE_TEST_SUITE_P(
    Flow, RefusesWith,
    ::testing::Values(Refused{"GOTO 5", "GOT sysntex error"}, Refused{"GOTO L51", "LEVEL 번호가 큼"},
                      Refused{"DLY 1000000", "DLY Data Range OVer"}, Refused{"INP 900001", "IN-POSITION 값 큼"},
                      Refused{"CALL 33", "FILE 번호가 큼"}, Refused{"L51", "MAX_LABEL_LMT_OVER"},
                      Refused{"L 51", "MAX_LABEL_LMT_OVER"}, Refused{"JMP L51 1", "JMP-MAX_LABEL_LMT_OVER"},
                      Refused{"JMP L1 256", "JMP-MAX_JMP_LMT_OVER"}, Refused{"JMP L1 *1000", "JMP-MAX_REG_LMT_OVER"},
                      Refused{"INT 4 OFF", "MAX_INT_LMT_OVER"}, Refused{"INT 0 OFF", "MAX_INT_LMT_OVER"},
                      Refused{"INT 1 L51", "MAX_LABEL_LMT_OVER"}, Refused{"INT 1 PRG32", "MAX_FILE_LMT_OVER"},
                      Refused{"IF F100 > 1", "MAX_FREG_LMT_OVER"}, Refused{"IF 5 = 40000", "IF_SYNTEX_ERR"},
                      Refused{"IF F1 = 32768", "IF_SYNTEX_ERR"}, Refused{"IF R1000 = 1", "MAX_REG_LMT_OVER"},
                      Refused{"IF 1000 = 1", "MAX_REG_LMT_OVER"}, Refused{"IF R1 = F100", "MAX_FREG_LMT_OVER"},
                      Refused{"IF R1 = 8000H", "MAX_HEX_LMT_OVER"}, Refused{"IF *1 = 32768", "MAX_HEX_LMT_OVER"},
                      Refused{"IF R1 = *1000", "MAX_REG_LMT_OVER"}, Refused{"XYZ", "해당 명령어가 없습니다"},
                      Refused{"", "해당 명령어가 없습니다"}, Refused{"  0123 ", "해당 명령어가 없습니다"},
                      Refused{";MVE P1", "해당 명령어가 없습니다"},
                      Refused{"NoOperationFUNCZova", "해당 명령어가 없습니다"}));

INSTANTIATE_TEST_SUITE_P(
    Signals, RefusesWith,
    ::testing::Values(
        Refused{"SIGB 57", "출력신호값 OVER"}, Refused{"SIGB -57", "출력신호값 OVER"},
        Refused{"SIGB 0", "출력신호값 OVER"}, Refused{"WAIT 49", "WAIT 입력신호값 OVER"},
        Refused{"SIGI R1000 1", "SIGI-MAX_REG_LMT_OVER"}, Refused{"SIGI R1 7", "SIGI-MAX_IN_PORT_LMT_OVER"},
        Refused{"SIGI R1 0", "SIGI-MAX_IN_PORT_LMT_OVER"}, Refused{"SIGO 8 1", "SIGO-MAX_OUT_PORT_LMT_OVER"},
        Refused{"SIGO 0 1", "SIGO-MAX_OUT_PORT_LMT_OVER"}, Refused{"SIGO 1 R1000", "SIGO-MAX_REG_LMT_OVER"},
        Refused{"SIGO 1 32768", "SIGO-MAX_HEX_LMT_OVER"}, Refused{"JB 49 L1", "JB-MAX_SIG_LMT_OVER"},
        Refused{"JB 5 P32", "JB-MAX_FILE_LMT_OVER"}, Refused{"JB 5 L51", "JB-MAX_LABEL_LMT_OVER"},
        Refused{"JB 1 57", "JB-MAX_SIG_LMT_OVER"}, Refused{"JB 1 -57", "JB-MAX_SIG_LMT_OVER"},
        Refused{"TMS 49 1", "TMS-MAX_SIG_LMT_OVER"}, Refused{"TMS 0 1", "TMS-MAX_SIG_LMT_OVER"},
        Refused{"TMS 1 10000", "TMS-MAX_TMS_LMT_OVER"}, Refused{"PWR 2 1H", "PWR_LMT_OVER(0~1)"},
        Refused{"PWR 0 40H", "PWR-MAX_AXIS_LMT_OVER"}, Refused{"SMV R1 R1000 R1", "MAX_REG_LMT_OVER"},
        Refused{"RUN 33 0", "RUN-MAX_FILE_LMT_OVER"}, Refused{"RUN -1 0", "RUN-MAX_FILE_LMT_OVER"},
        Refused{"RUN 1 5", "RUN-MAX_RUN_TASK_NUM"}, Refused{"SAR 1 1H 101", "SAR-MAX_SAR_LMT_OVER"},
        Refused{"SAR 1 1H 0", "SAR-MAX_SAR_LMT_OVER"}));

INSTANTIATE_TEST_SUITE_P(
    SpeedsAndTransfers, RefusesWith,
    ::testing::Values(
        Refused{"ACC 7 1", "ACC-MAX_AXIS_LMT_OVER"}, Refused{"DCC 0 1", "DCC-MAX_AXIS_LMT_OVER"},
        Refused{"DCC 1 20001", "ACCDCC-MAX_ACCDCC_LMT_OVER"}, Refused{"VEL 1 0", "VEL-MAX_VEL_LMT_OVER"},
        Refused{"VEL 1 30001", "VEL-MAX_VEL_LMT_OVER"}, Refused{"VEL 3 1", "VEL-MAX_AXIS_LMT_OVER", 2},
        Refused{"SPD 7 1", "AX_NUM_ERR"}, Refused{"SPD 3 1", "AX_NUM_ERR", 2}, Refused{"SPD 1 R1000", "REG 번호가 큼"},
        Refused{"SPD 1 0", "SPD 번호가 큼"}, Refused{"SPD 1 101", "SPD 번호가 큼"},
        Refused{"REF ZR R1 R2 R1000", "MAX_REG_LMT_OVER"}, Refused{"RES D* R1000 R2 R3", "MAX_REG_LMT_OVER"},
        Refused{"SAVS 100 R1", "SAVS-MAX_Val_OVER(0~99)"}, Refused{"SAVA 100 R1", "SAVA-MAX_Val_OVER(0~99)"},
        Refused{"SAVL 1 1000", "SAVL-MAX_REG_LMT_OVER(0~999)"}, Refused{"SAVA 1 *1000", "SAVA-MAX_REG_LMT_OVER(0~999)"},
        Refused{"SAVS 1 R1000", "SAVS-MAX_REG_LMT_OVER(0~999)"}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, RefusesWith,
    ::testing::Values(
        Refused{"ADD R1 8000H", "MAX_Integer_Value_LMT_OVER"}, Refused{"ROR R1 FFFFH", "MAX_Integer_Value_LMT_OVER"},
        Refused{"ADD R1 32768", "MAX_Integer_Value_LMT_OVER"}, Refused{"ADD R1000 1", "MAX_REG_LMT_OVER"},
        Refused{"SUB R1 F100", "MAX_FREG_LMT_OVER"}, Refused{"OR R1 *1000", "MAX_REG_LMT_OVER"},
        Refused{"ROL *1000 R1", "MAX_REG_LMT_OVER"}, Refused{"SETL R1 3B9ACA00H", "MAX_Long_Value_LMT_OVER"},
        Refused{"SETL R1 FFFFFFFFH", "MAX_Long_Value_LMT_OVER"}, Refused{"SETL R1 R1000", "MAX_REG_LMT_OVER"},
        Refused{"INC R1000", "MAX_REG_LMT_OVER"}, Refused{"DEC *1000", "MAX_REG_LMT_OVER"},
        Refused{"ADF F100 F1", "MAX_FREG_LMT_OVER"}, Refused{"SUF *1000 F1", "MAX_REG_LMT_OVER"},
        Refused{"MUF F1 F100", "MAX_FREG_LMT_OVER"}, Refused{"MUF F1 *1000", "MAX_REG_LMT_OVER"},
        Refused{"LAS F100 1 R1", "MAX_FREG_LMT_OVER"}, Refused{"LEP F1 7 R1", "MAX_AXIS_LMT_OVER"},
        Refused{"LAP F1 3 R1", "MAX_AXIS_LMT_OVER", 2}, Refused{"LES F1 1 R1000", "MAX_REG_LMT_OVER"},
        Refused{"F16 1", "FSET COMM REG. 번호 초과"},  // single-line compile reaches F0..F15 only
        Refused{"F1 99999999", "FSET VALUE LIMIT"}, Refused{"OFF 7 1", "MAX AXIS LIMIT"},
        Refused{"OFF 0.4 1", "MAX AXIS LIMIT"}, Refused{"OFF -1 1", "MAX AXIS LIMIT"},
        Refused{"OFF 1 -99999999", "OFF VALUE LIMIT"}));

}  // namespace
}  // namespace zova::language::testing
