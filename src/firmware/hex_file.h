// Intel HEX firmware files: one unbroken run of data bytes, checked line by line before anything is sent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "base/text_lines.h"

namespace zova::firmware {

// The data bytes of a HEX file and the address of the first. The download sends only the bytes (the
// controller writes them from the start of its flash), so a file is accepted only where its bytes form
// one run without holes or overlaps: then the order sent is the order of the addresses.
struct HexImage {
  std::uint32_t start = 0;
  std::vector<std::uint8_t> data;
  [[nodiscard]] std::uint32_t TotalBytes() const { return static_cast<std::uint32_t>(data.size()); }
  bool operator==(const HexImage&) const = default;
};

// The largest HEX file read: more than 20 MiB of data in the usual 16-byte records, far beyond a controller's flash.
inline constexpr std::size_t kHexFileMaxBytes = 64 << 20;

// A name ending in ".hex" in any case ("FIRMWARE.HEX" too): tools and old systems write either.
[[nodiscard]] bool MatchesHexPattern(const std::filesystem::path& path);

// Reads every record (":" then hexadecimal digits, a byte count that matches the line, a correct record
// checksum; LF or CR LF, a byte order mark, blanks after a record and a missing last line end are allowed).
// Data records (00) are placed by their address and the last extended segment (02) or linear (04)
// address before them; start addresses (03, 05) are not used; the end record (01) must close the file.
// Refused, naming the line: any other record type, data that does not continue exactly where the bytes
// before it ended, a record running past the end of its 64 KiB segment, and a file without data bytes.
// FileDamaged: a line is not a record this reader takes, or the end record is missing.
[[nodiscard]] Outcome ParseHex(std::string_view text, HexImage& image, TextFault& fault);

// ParseHex on a file. On FileDamaged, `message` is "FILE:LINE: what is wrong"; on FileFailed (missing, not a
// regular file, larger than kHexFileMaxBytes), "FILE: why".
[[nodiscard]] Outcome ReadHexFile(const std::filesystem::path& path, HexImage& image, std::string& message);

// One record as this program writes it: ":", count, address, type, data and checksum in upper-case
// hexadecimal, without a line end.
[[nodiscard]] std::string HexRecordLine(std::uint8_t type, std::uint16_t address, std::span<const std::uint8_t> data);

// The image as this program writes it: 16-byte data records (none running past a 64 KiB segment), a
// linear address record (04) where the upper half of the address is not 0 or changes, the end record,
// CR LF line ends.
[[nodiscard]] std::string WriteHex(const HexImage& image);

}  // namespace zova::firmware
