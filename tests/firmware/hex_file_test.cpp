// Reading Intel HEX files: which images are taken, and which files are refused, at which line, before
// anything is sent.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "firmware/hex_file.h"

namespace zova::firmware {
namespace {

std::string Line(std::uint8_t type, std::uint16_t address, const std::vector<std::uint8_t>& data) {
  return HexRecordLine(type, address, data) + "\n";
}
const std::string kEnd = ":00000001FF\n";

TEST(HexFile, AddressesPlaceTheBytesOfOneUnbrokenRun) {
  struct Case {
    const char* name;
    std::string text;
    HexImage image;
  } cases[] = {
      {"as compilers write it: 04 first, 05 before the end",
       ":020000040000FA\n" + Line(0, 0, {1, 2}) + Line(0, 2, {3}) + Line(5, 0, {0, 0, 1, 0}) + kEnd,
       {0, {1, 2, 3}}},
      {"a linear address record continues the run past 64 KiB",
       Line(4, 0, {0x08, 0x00}) + Line(0, 0xFFFE, {1, 2}) + Line(4, 0, {0x08, 0x01}) + Line(0, 0, {3}) + kEnd,
       {0x0800FFFE, {1, 2, 3}}},
      {"segment addresses; a segment start is not used",
       Line(2, 0, {0x10, 0x00}) + Line(0, 0xFFFF, {9}) + Line(2, 0, {0x20, 0x00}) + Line(0, 0, {8}) +
           Line(3, 0, {0, 0, 1, 0}) + kEnd,
       {0x1FFFF, {9, 8}}},
      {"byte order mark, CR LF and LF, blanks after a record, lower case, no last line end",
       "\xEF\xBB\xBF:0100000055aa \t\r\n:00000001ff",
       {0, {0x55}}},
      {"blank lines and an end-of-file mark after the end record", Line(0, 0, {7}) + kEnd + "\r\n \r\n\x1A", {0, {7}}},
  };
  for (const auto& c : cases) {
    HexImage image;
    TextFault fault;
    ASSERT_EQ(ParseHex(c.text, image, fault), Outcome::Ok) << c.name << ": " << fault.message;
    EXPECT_EQ(image, c.image) << c.name;
  }
}

TEST(HexFile, RefusedFilesNameTheLineAndLeaveTheImage) {
  const std::string good = Line(0, 0, {1, 2, 3, 4}) + Line(0, 4, {5});
  struct Case {
    const char* name;
    std::string text;
    int line;
    const char* message;
  } cases[] = {
      {"no colon", good + "0400000001020304F2\n" + kEnd, 3, "':'로 시작하지 않습니다"},
      {"not hexadecimal: a lower-case g", good + ":04000000010g0304F2\n" + kEnd, 3, "16진수가 아닌 문자가 있습니다"},
      {"count larger than the line", good + ":0500000001020304F1\n" + kEnd, 3, "바이트 수가 줄의 길이와 맞지 않습니다"},
      {"odd number of digits", good + ":0400000001020304F\n" + kEnd, 3, "레코드의 길이가 잘못되었습니다"},
      {"too short", good + ":00000001\n" + kEnd, 3, "레코드의 길이가 잘못되었습니다"},
      {"a blank line", good + " \n" + kEnd, 3, "빈 줄입니다"},
      {"an extended address leaves a gap", Line(0, 0xFFFF, {1}) + Line(4, 0, {0, 2}) + Line(0, 0, {2}) + kEnd, 3,
       "주소 00020000: 앞 데이터가 0000FFFF에서 끝나 사이가 비어 있습니다"},
      {"a record runs past its segment", good + Line(0, 0xFFFF, {1, 2}) + kEnd, 3,
       "레코드가 64 KiB 세그먼트의 끝을 넘습니다"},
      {"a data record without data", good + Line(0, 5, {}) + kEnd, 3, "데이터 레코드에 데이터가 없습니다"},
      {"an address record of 1 byte", Line(4, 0, {0}) + good + kEnd, 1, "레코드 종류 04의 바이트 수는 2이어야 합니다"},
      {"an address record with an address", Line(2, 0x10, {0, 1}) + good + kEnd, 1,
       "주소 레코드의 주소 필드는 0000이어야 합니다"},
      {"an end record with data", good + Line(1, 0, {0}), 3, "레코드 종류 01의 바이트 수는 0이어야 합니다"},
      {"a line after the end record", good + kEnd + Line(0, 5, {6}), 4, "끝 레코드 뒤에 줄이 있습니다"},
      {"nothing to send", "\xEF\xBB\xBF" + kEnd, 1, "보낼 데이터가 없습니다"},
  };
  for (const auto& c : cases) {
    HexImage image{7, {42}};
    TextFault fault;
    EXPECT_EQ(ParseHex(c.text, image, fault), Outcome::FileDamaged) << c.name;
    EXPECT_EQ(std::tuple(fault.line, fault.message, image), std::tuple(c.line, c.message, HexImage{7, {42}})) << c.name;
  }
}

// The values land in the English sentences too, in their places.
// Images of every size and place, written as the program writes them, read back whole; then one edit
// each, which the reader refuses at the line the edit made wrong.
TEST(HexFile, SingleEditsOfWrittenImagesAreRefusedAtTheirLine) {
  using Lines = std::vector<std::string>;
  struct Edit {
    const char* name;
    int (*apply)(Lines& lines, std::size_t at);  // returns the line to blame, counted from 1
    const char* ending;
  } edits[] = {
      {"a hole", [](Lines& l, std::size_t at) { return l.erase(l.begin() + at), int(at) + 1; }, "사이가 비어 있습니다"},
      {"an overlap", [](Lines& l, std::size_t at) { return l.insert(l.begin() + at, l[at]), int(at) + 2; },
       "겹치거나 주소가 거꾸로 갑니다"},
      {"a decreasing address", [](Lines& l, std::size_t at) { return l[at + 1] = l[at - 1], int(at) + 2; },
       "겹치거나 주소가 거꾸로 갑니다"},
      {"an unknown record type",
       [](Lines& l, std::size_t at) { return l[at] = HexRecordLine(6, 0, std::vector<std::uint8_t>{1}), int(at) + 1; },
       "알 수 없는 레코드 종류 06입니다"},
      {"a bad checksum",
       [](Lines& l, std::size_t at) { return l[at].back() = l[at].back() == '0' ? '1' : '0', int(at) + 1; },
       "레코드 체크섬이 틀립니다"},
      {"a dropped end record", [](Lines& l, std::size_t) { return l.pop_back(), int(l.size()) + 1; },
       "끝 레코드가 없습니다 (파일이 잘렸습니다)"},
  };
  std::mt19937 random(20);
  for (int n = 0; n < 40; ++n) {
    HexImage image{static_cast<std::uint32_t>(n % 2 == 0 ? random() % 0x30000 : random() % 0xFFFF0000u), {}};
    image.data.resize(64 + random() % 700);
    for (std::uint8_t& b : image.data) b = static_cast<std::uint8_t>(random());
    const std::string text = WriteHex(image);
    HexImage back;
    TextFault fault;
    ASSERT_EQ(ParseHex(text, back, fault), Outcome::Ok) << fault.message;
    ASSERT_EQ(back, image);
    Lines lines;
    for (const TextLine& line : SplitTextLines(text)) lines.emplace_back(line.text);
    // A data record between two others: every edit above has neighbours to work with.
    auto isData = [&](std::size_t i) { return lines[i].substr(7, 2) == "00"; };
    std::vector<std::size_t> middles;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      if (isData(i - 1) && isData(i) && isData(i + 1)) middles.push_back(i);
    }
    ASSERT_FALSE(middles.empty());
    for (const Edit& edit : edits) {
      Lines edited = lines;
      const int blamed = edit.apply(edited, middles[random() % middles.size()]);
      std::string editedText;
      for (const std::string& line : edited) editedText += line + (random() % 2 ? "\r\n" : "\n");
      EXPECT_EQ(ParseHex(editedText, back, fault), Outcome::FileDamaged) << edit.name;
      EXPECT_EQ(fault.line, blamed) << edit.name;
      EXPECT_TRUE(fault.message.ends_with(edit.ending)) << edit.name << ": " << fault.message;
    }
  }
}

TEST(HexFile, NamePattern) {
  const std::pair<const char*, bool> cases[] = {
      {"firmware.hex", true}, {"/tmp/dir/a.hex", true}, {".hex", true}, {"FIRMWARE.HEX", true},
      {"fw.Hex", true},       {"fw.hex.bak", false},    {"hex", false}, {"/tmp/x.hex/fw.bin", false},
  };
  for (const auto& [path, matches] : cases) EXPECT_EQ(MatchesHexPattern(path), matches) << path;
}

}  // namespace
}  // namespace zova::firmware
