// Intel HEX firmware files.
#include "firmware/hex_file.h"

#include <optional>

#include "link/atomic_file.h"

namespace zova {

namespace {

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

// Why a record line is not well formed; empty when it is. `bytes` receives count, address, type, data, checksum.
std::string checkRecord(std::string_view line, std::vector<std::uint8_t>& bytes) {
  if (line.empty() || line.front() != ':') return "':'로 시작하지 않습니다";
  line.remove_prefix(1);
  if (line.size() < 10 || line.size() % 2 != 0) return "레코드의 길이가 잘못되었습니다";
  bytes.clear();
  for (std::size_t i = 0; i < line.size(); i += 2) {
    const auto b = hexByte(line.substr(i, 2));
    if (!b) return "16진수가 아닌 문자가 있습니다";
    bytes.push_back(*b);
  }
  if (bytes.size() != static_cast<std::size_t>(bytes[0]) + 5) return "바이트 수가 줄의 길이와 맞지 않습니다";
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  if ((sum & 0xFFu) != 0) return "레코드 체크섬이 틀립니다";
  return {};
}

}  // namespace

bool MatchesHexPattern(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return name.size() >= 4 && name.compare(name.size() - 4, 4, ".hex") == 0;
}

HexStatus ParseHex(std::string_view text, HexImage& image, std::string& message) {
  HexImage result;
  bool ended = false;
  std::vector<std::uint8_t> bytes;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;  // blank lines (a trailing line end) carry nothing
    const std::string fault = checkRecord(line, bytes);
    if (!fault.empty()) {
      message = "HEX 파일 " + std::to_string(lineNumber) + "번째 줄: " + fault + ".";
      return HexStatus::Damaged;
    }
    const std::uint8_t type = bytes[3];
    if (ended) continue;
    if (type == 0x00) result.data.insert(result.data.end(), bytes.begin() + 4, bytes.end() - 1);
    if (type == 0x01) ended = true;
  }
  if (!ended) {
    message = "HEX 파일에 끝 레코드가 없습니다 (파일이 잘렸습니다).";
    return HexStatus::Damaged;
  }
  // Announcing 0 bytes would still let the controller erase its flash, then report success.
  if (result.data.empty()) {
    message = "HEX 파일에 보낼 데이터가 없습니다.";
    return HexStatus::Damaged;
  }
  image = std::move(result);
  return HexStatus::Ok;
}

HexStatus ReadHexFile(const std::filesystem::path& path, HexImage& image, std::string& message) {
  std::string content;
  if (!ReadWholeFile(path.string(), kHexFileMaxBytes, content, message)) {
    message += path.string();
    return HexStatus::CannotRead;
  }
  return ParseHex(content, image, message);
}

}  // namespace zova
