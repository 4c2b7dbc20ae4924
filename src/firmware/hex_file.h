// Intel HEX firmware files: the data bytes in file order, checked line by line before anything is sent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zova {

// The data bytes of a HEX file up to its end record, in file order (addresses are not used:
// the controller places the bytes itself).
struct HexImage {
  std::vector<std::uint8_t> data;
  [[nodiscard]] std::uint32_t TotalBytes() const { return static_cast<std::uint32_t>(data.size()); }
};

// The largest HEX file read: more than 20 MiB of data in the usual 16-byte records, far beyond a controller's flash.
inline constexpr std::size_t kHexFileMaxBytes = 64 << 20;

enum class HexStatus {
  Ok,
  CannotRead,  // the file could not be read: missing, not a regular file, larger than kHexFileMaxBytes
  Damaged,     // a line is not a well-formed record, or the end record is missing
};

// "*.hex", upper and lower case told apart: "FIRMWARE.HEX" does not match.
[[nodiscard]] bool MatchesHexPattern(const std::filesystem::path& path);

// Checks every line (":" then hexadecimal digits, a byte count that matches the line, a correct record
// checksum) and collects the bytes of the data records (type 00) up to the end record (type 01).
// Other record types (02, 04 extended addresses, ...) are neither counted nor sent; records after the
// end record are not used either. An image without data bytes is Damaged too. On Damaged, `message` says
// why, naming the line where one is at fault.
[[nodiscard]] HexStatus ParseHex(std::string_view text, HexImage& image, std::string& message);

// ParseHex on a file; on CannotRead, `message` holds the system's description followed by the file name.
[[nodiscard]] HexStatus ReadHexFile(const std::filesystem::path& path, HexImage& image, std::string& message);

}  // namespace zova
