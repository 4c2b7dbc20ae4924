// Reading Intel HEX files: which bytes count, and which files are refused before anything is sent.
#include <gtest/gtest.h>

#include <utility>

#include "firmware/hex_file.h"
#include "hex_builder.h"

namespace zova {
namespace {

using test::HexRecord;

TEST(HexFile, OnlyDataRecordsBeforeTheEndRecordCount) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::uint8_t> data;
  } cases[] = {
      {"extended addresses 02 and 04 are neither counted nor sent",
       HexRecord(4, 0, {0x00, 0x01}) + "\n" + HexRecord(0, 0, {0xAA, 0xBB}) + "\n" + HexRecord(2, 0, {0x10, 0x00}) +
           "\n" + HexRecord(0, 0, {0xCC}) + "\n:00000001FF\n",
       {0xAA, 0xBB, 0xCC}},
      {"records after the end record are not used",
       HexRecord(0, 0, {1, 2}) + "\r\n:00000001FF\r\n" + HexRecord(0, 2, {3, 4}) + "\r\n",
       {1, 2}},
      {"addresses do not reorder the bytes",
       HexRecord(0, 0x100, {9}) + "\n" + HexRecord(0, 0x000, {8}) + "\n:00000001FF",
       {9, 8}},
      {"lower-case digits and blank lines", ":0100000055aa\n\n:00000001ff\n\n", {0x55}},
  };
  for (const auto& c : cases) {
    HexImage image;
    std::string message;
    ASSERT_EQ(ParseHex(c.text, image, message), HexStatus::Ok) << c.name << ": " << message;
    EXPECT_EQ(image.data, c.data) << c.name;
    EXPECT_EQ(image.TotalBytes(), c.data.size()) << c.name;
  }
}

TEST(HexFile, DamagedFilesAreRefusedNamingTheLine) {
  const std::string good = HexRecord(0, 0, {1, 2, 3, 4});  // :0400000001020304F2
  struct Case {
    const char* name;
    std::string badLine;
    const char* reason;
  } cases[] = {
      {"no colon", "0400000001020304F2", "':'로 시작하지 않습니다"},
      {"not hexadecimal", ":04000000010G0304F2", "16진수가 아닌 문자가 있습니다"},
      {"count larger than the line", ":0500000001020304F1", "바이트 수가 줄의 길이와 맞지 않습니다"},
      {"count smaller than the line", ":0300000001020304F3", "바이트 수가 줄의 길이와 맞지 않습니다"},
      {"wrong record checksum", ":0400000001020304F3", "레코드 체크섬이 틀립니다"},
      {"odd number of digits", ":0400000001020304F", "레코드의 길이가 잘못되었습니다"},
      {"too short", ":00000001", "레코드의 길이가 잘못되었습니다"},
  };
  for (const auto& c : cases) {
    const std::string text = good + "\r\n" + good + "\r\n" + c.badLine + "\r\n:00000001FF\r\n";
    HexImage image;
    image.data = {42};
    std::string message;
    EXPECT_EQ(ParseHex(text, image, message), HexStatus::Damaged) << c.name;
    EXPECT_EQ(message, std::string("HEX 파일 3번째 줄: ") + c.reason + ".") << c.name;
    EXPECT_EQ(image.data, std::vector<std::uint8_t>{42}) << c.name << ": the image is untouched";
  }
}

TEST(HexFile, AFileWithoutEndRecordOrDataOrDamagedAfterTheEndIsRefused) {
  HexImage image;
  std::string message;
  EXPECT_EQ(ParseHex(HexRecord(0, 0, {1}) + "\n", image, message), HexStatus::Damaged);
  EXPECT_EQ(message, "HEX 파일에 끝 레코드가 없습니다 (파일이 잘렸습니다).");
  EXPECT_EQ(ParseHex(":0000000000\n:00000001FF\n" + HexRecord(0, 0, {1}) + "\n", image, message), HexStatus::Damaged);
  EXPECT_EQ(message, "HEX 파일에 보낼 데이터가 없습니다.");
  EXPECT_EQ(ParseHex(":00000001FF\n:zz\n", image, message), HexStatus::Damaged) << "damage after the end record";
  EXPECT_NE(message.find("2번째 줄"), std::string::npos) << message;
}

TEST(HexFile, NamePattern) {
  const std::pair<const char*, bool> cases[] = {
      {"firmware.hex", true}, {"/tmp/dir/a.hex", true}, {".hex", true}, {"FIRMWARE.HEX", false},
      {"fw.Hex", false},      {"fw.hex.bak", false},    {"hex", false}, {"/tmp/x.hex/fw.bin", false},
  };
  for (const auto& [path, matches] : cases) EXPECT_EQ(MatchesHexPattern(path), matches) << path;
}

}  // namespace
}  // namespace zova
