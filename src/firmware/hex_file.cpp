// Intel HEX firmware files.
#include "firmware/hex_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/atomic_file.h"
#include "base/translation.h"

namespace zova::firmware {

namespace {

constexpr std::uint8_t kData = 0x00, kEnd = 0x01, kSegment = 0x02, kSegmentStart = 0x03, kLinear = 0x04,
                       kLinearStart = 0x05;
constexpr std::uint32_t kSegmentSize = 0x10000;
constexpr char kDigits[] = "0123456789ABCDEF";

std::optional<std::uint8_t> hexByte(std::string_view two) {
  auto digit = [](char ch) -> int {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
  };
  const int hi = digit(two[0]);
  const int lo = digit(two[1]);
  if (hi < 0 || lo < 0) return std::nullopt;
  return static_cast<std::uint8_t>(hi * 16 + lo);
}

std::string hexText(unsigned value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  return text;
}

// Why a line is not a well-formed record; empty when it is. `bytes` receives count, address, type, data, checksum.
std::string checkRecord(std::string_view line, std::vector<std::uint8_t>& bytes) {
  if (line.empty()) return Tr("빈 줄입니다");
  if (line.front() != ':') return Tr("':'로 시작하지 않습니다");
  line.remove_prefix(1);
  if (line.size() < 10 || line.size() % 2 != 0) return Tr("레코드의 길이가 잘못되었습니다");
  bytes.clear();
  for (std::size_t i = 0; i < line.size(); i += 2) {
    const auto b = hexByte(line.substr(i, 2));
    if (!b) return Tr("16진수가 아닌 문자가 있습니다");
    bytes.push_back(*b);
  }
  if (bytes.size() != static_cast<std::size_t>(bytes[0]) + 5) return Tr("바이트 수가 줄의 길이와 맞지 않습니다");
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  if ((sum & 0xFFu) != 0) return Tr("레코드 체크섬이 틀립니다");
  return {};
}

// Why a well-formed record of a type other than data cannot stand as it is; empty when it can.
std::string checkOtherRecord(std::uint8_t type, std::uint8_t count, unsigned offset) {
  int wanted = -1;
  if (type == kEnd) wanted = 0;
  if (type == kSegment || type == kLinear) wanted = 2;
  if (type == kSegmentStart || type == kLinearStart) wanted = 4;
  if (wanted < 0) return Tr("알 수 없는 레코드 종류 {1}입니다", {hexText(type, 2)});
  if (count != wanted) {
    return Tr("레코드 종류 {1}의 바이트 수는 {2}이어야 합니다", {hexText(type, 2), std::to_string(wanted)});
  }
  if ((type == kSegment || type == kLinear) && offset != 0) return Tr("주소 레코드의 주소 필드는 0000이어야 합니다");
  return {};
}

}  // namespace

bool MatchesHexPattern(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  if (name.size() < 4) return false;
  std::string ending = name.substr(name.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return ending == ".hex";
}

Outcome ParseHex(std::string_view text, HexImage& image, TextFault& fault) {
  HexImage result;
  std::uint64_t base = 0;  // from the last 02 or 04 record
  std::uint64_t next = 0;  // where the next data byte belongs once the first is placed
  int endLine = 0;
  std::vector<std::uint8_t> bytes;
  const std::vector<TextLine> lines = SplitTextLines(text);
  auto refuse = [&fault](int line, std::string message) {
    fault = {line, std::move(message)};
    return Outcome::FileDamaged;
  };
  for (const TextLine& line : lines) {
    if (endLine != 0) return refuse(line.number, Tr("끝 레코드 뒤에 줄이 있습니다"));
    std::string_view record = line.text;
    while (!record.empty() && (record.back() == ' ' || record.back() == '\t')) record.remove_suffix(1);
    if (std::string why = checkRecord(record, bytes); !why.empty()) return refuse(line.number, why);
    const std::uint8_t count = bytes[0];
    const unsigned offset = bytes[1] * 256u + bytes[2];
    const std::uint8_t type = bytes[3];
    const std::uint8_t* data = bytes.data() + 4;
    if (type != kData) {
      if (std::string why = checkOtherRecord(type, count, offset); !why.empty()) return refuse(line.number, why);
      if (type == kSegment) base = (data[0] * 256u + data[1]) << 4;
      if (type == kLinear) base = static_cast<std::uint64_t>(data[0] * 256u + data[1]) << 16;
      if (type == kEnd) endLine = line.number;
      continue;
    }
    if (count == 0) return refuse(line.number, Tr("데이터 레코드에 데이터가 없습니다"));
    // Past the segment's end the address would wrap to its start or run on, as tools differ: neither is trusted.
    if (offset + count > kSegmentSize) return refuse(line.number, Tr("레코드가 64 KiB 세그먼트의 끝을 넘습니다"));
    const std::uint64_t address = base + offset;
    if (result.data.empty()) {
      result.start = static_cast<std::uint32_t>(address);
    } else if (address != next) {
      const std::string at = hexText(static_cast<unsigned>(address), 8);
      const std::string end = hexText(static_cast<unsigned>(next - 1), 8);
      return refuse(line.number,
                    address > next ? Tr("주소 {1}: 앞 데이터가 {2}에서 끝나 사이가 비어 있습니다", {at, end})
                                   : Tr("주소 {1}: 앞 데이터가 {2}에서 끝나 겹치거나 주소가 거꾸로 갑니다", {at, end}));
    }
    next = address + count;
    result.data.insert(result.data.end(), data, data + count);
  }
  if (endLine == 0) return refuse(static_cast<int>(lines.size()) + 1, Tr("끝 레코드가 없습니다 (파일이 잘렸습니다)"));
  // Announcing 0 bytes would still let the controller erase its flash, then report success.
  if (result.data.empty()) return refuse(endLine, Tr("보낼 데이터가 없습니다"));
  image = std::move(result);
  return Outcome::Ok;
}

Outcome ReadHexFile(const std::filesystem::path& path, HexImage& image, std::string& message) {
  std::string content;
  if (!ReadTextFile(path.string(), kHexFileMaxBytes, content, message)) {
    message = FormatFileFault(path.string(), message);
    return Outcome::FileFailed;
  }
  TextFault fault;
  const Outcome status = ParseHex(content, image, fault);
  if (status != Outcome::Ok) message = FormatTextFault(path.string(), fault);
  return status;
}

std::string HexRecordLine(std::uint8_t type, std::uint16_t address, std::span<const std::uint8_t> data) {
  unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFFu) + type;
  std::string text = ':' + hexText(static_cast<unsigned>(data.size()), 2) + hexText(address, 4) + hexText(type, 2);
  for (std::uint8_t b : data) {
    text += hexText(b, 2);
    sum += b;
  }
  return text + hexText((0u - sum) & 0xFFu, 2);
}

std::string WriteHex(const HexImage& image) {
  std::string text;
  unsigned upper = 0;
  for (std::size_t i = 0; i < image.data.size();) {
    const auto address = static_cast<std::uint32_t>(image.start + i);
    if (address >> 16 != upper) {
      upper = address >> 16;
      const std::uint8_t value[2] = {static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper & 0xFF)};
      text += HexRecordLine(kLinear, 0, value) + "\r\n";
    }
    const std::size_t count =
        std::min<std::size_t>({16, image.data.size() - i, kSegmentSize - (address & (kSegmentSize - 1))});
    text += HexRecordLine(kData, address & 0xFFFF, std::span(image.data).subspan(i, count)) + "\r\n";
    i += count;
  }
  return text + HexRecordLine(kEnd, 0, {}) + "\r\n";
}

}  // namespace zova::firmware
