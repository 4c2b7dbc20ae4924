// Backup folder files.
#include "backup/backup_files.h"

#include <algorithm>
#include <optional>
#include <set>
#include <span>

#include "backup/sha256.h"
#include "base/translation.h"
#include "base/whole_number.h"
#include "language/compiler.h"
#include "language/listing.h"
#include "language/source_check.h"
#include "parameters/ax_para_file.h"
#include "parameters/sys_para_file.h"
#include "parameters/wire_value.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"

namespace zova::backup {

namespace {

std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

std::span<const std::uint8_t, 4> Four(const Bytes& bytes, std::size_t at) {
  return std::span<const std::uint8_t, 4>(bytes.data() + at, 4);
}

// The text files show what the program's own fetches would have held: the controller's decoding rules.
std::string TableText(const Bytes& raw, const positions::TableLayout& layout, int axes) {
  positions::PositionTable table(layout);
  for (int r = 0; r < layout.fileRows; ++r) {
    for (int a = 0; a < axes; ++a) {
      table[r][static_cast<std::size_t>(a)] =
          positions::DecodePositionValue(Four(raw, static_cast<std::size_t>(4 * (r * axes + a))));
    }
  }
  return positions::FormatTableFile(table);
}

std::string SysText(const Bytes& raw) {
  parameters::SysPara table;
  for (int i = 0; i < parameters::kSysParaSize; ++i)
    table[i] = parameters::DecodeParameterValue(Four(raw, static_cast<std::size_t>(4 * i)));
  return parameters::SysParaFileText(table);
}

std::string AxisText(const Bytes& raw, int axes) {
  parameters::AxPara table;
  table.SetDefaults();  // the axes the controller does not drive, as the axis screen starts them
  std::size_t at = 0;
  for (int a = 0; a < axes; ++a) {
    for (std::int32_t& value : table[a]) {
      value = parameters::DecodeParameterValue(Four(raw, at));
      at += 4;
    }
  }
  return parameters::AxParaFileText(table);
}

bool ParseSmall(std::string_view text, int low, int high, int& out) {
  const std::optional<int> value = ReadWholeNumber(text);
  if (!value || *value < low || *value > high) return false;
  out = *value;
  return true;
}

bool IsHex(std::string_view text) { return text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos; }

}  // namespace

std::string ManifestText(const Manifest& m) {
  return "ZOVA controller backup\r\ndate: " + m.date + "\r\nport: " + m.port + "\r\nsettings: " + m.settings +
         "\r\naxes: " + std::to_string(m.axes) + "\r\nmachine type: " + std::to_string(m.machineType) +
         "\r\nprogram version: " + m.version + "\r\nincluded: " + m.included.text() + "\r\n";
}

bool ParseManifest(std::string_view text, Manifest& m, std::string& error) {
  Manifest out;
  bool axes = false;
  bool machineType = false;
  bool included = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    const std::string_view value = line.substr(colon + 2);
    if (key == "date") out.date = value;
    if (key == "port") out.port = value;
    if (key == "settings") out.settings = value;
    if (key == "program version") out.version = value;
    if (key == "axes") axes = ParseSmall(value, 2, 6, out.axes);
    if (key == "machine type") machineType = ParseSmall(value, 0, 2, out.machineType);
    if (key == "included") included = Parts::Parse(value, out.included, error);
  }
  if (!axes || !machineType || !included) {
    error = !axes          ? Tr("no axis count 2 to 6")
            : !machineType ? Tr("no machine type 0 to 2")
                           : Tr("no list of included parts");
    return false;
  }
  m = out;
  return true;
}

std::string RawFileName(Part part) { return std::string(kRawFolder) + "/" + std::string(PartFileStem(part)) + ".bin"; }

std::string RawProgramFileName(int program) {
  std::string name = language::ProgramFileName(program);
  return std::string(kRawFolder) + "/" + name.substr(0, name.find('.')) + ".bin";
}

FileSet BackupFiles(const Snapshot& s, const Manifest& manifest) {
  FileSet files;
  files[std::string(kManifestFile)] = ManifestText(manifest);
  if (s.parts.has(Part::Programs)) {
    language::ProgramStore store;
    for (int n = 0; n < kBackupPrograms; ++n) {
      const Bytes& raw = s.programs[static_cast<std::size_t>(n)];
      LoadProgram(raw, store, n);
      files[language::ProgramFileName(n)] = language::ListProgram(store, manifest.machineType);
      files[RawProgramFileName(n)] = Text(raw);
    }
  }
  auto add = [&](Part part, const Bytes& raw, std::string text) {
    files[std::string(PartFileStem(part)) + ".dat"] = std::move(text);
    files[RawFileName(part)] = Text(raw);
  };
  if (s.parts.has(Part::Loc)) add(Part::Loc, s.loc, TableText(s.loc, positions::kLocationLayout, s.axes));
  if (s.parts.has(Part::Sft)) add(Part::Sft, s.sft, TableText(s.sft, positions::kShiftLayout, s.axes));
  if (s.parts.has(Part::Sys)) add(Part::Sys, s.sys, SysText(s.sys));
  if (s.parts.has(Part::Axis)) add(Part::Axis, s.axis, AxisText(s.axis, s.axes));
  return files;
}

bool SaysTheSame(std::string_view name, std::string_view stored, std::string_view written, const Manifest& manifest) {
  if (stored == written) return true;
  auto stem = [&](Part part) { return name == std::string(PartFileStem(part)) + ".dat"; };
  if (stem(Part::Loc) || stem(Part::Sft)) {
    positions::PositionTable table(stem(Part::Loc) ? positions::kLocationLayout : positions::kShiftLayout);
    return !positions::ReadTableText(stored, table).failed() && positions::FormatTableFile(table) == written;
  }
  if (stem(Part::Sys)) {
    parameters::SysPara table;
    return !parameters::ParseSysParaText(stored, table).failed() && parameters::SysParaFileText(table) == written;
  }
  if (stem(Part::Axis)) {
    parameters::AxPara table;
    table.SetDefaults();
    return !parameters::ParseAxParaText(stored, table).failed() && parameters::AxParaFileText(table) == written;
  }
  for (int n = 0; n < kBackupPrograms; ++n) {
    if (name != language::ProgramFileName(n)) continue;
    language::ProgramStore store;
    const language::SourceCheck check = language::CheckSource(stored, {manifest.axes, manifest.machineType}, store, n);
    return check.problems.empty() && language::ListProgram(store, manifest.machineType) == written;
  }
  return false;
}

bool SumsText(const FileSet& files, std::string& text, std::string& error) {
  std::string out;
  for (const auto& [name, content] : files) {
    const std::string digest = Sha256Hex(content);
    // A line without its digest would pass the backup and fail its restore as damaged.
    if (digest.empty()) {
      error = Tr("{1}: its SHA-256 digest could not be made", {name});
      return false;
    }
    out += digest + "  " + name + "\n";
  }
  text = std::move(out);
  return true;
}

bool InsideFolder(std::string_view name) {
  // A leading separator is a root or a "\\server" share; a ':' a drive ("C:x") or a Windows stream.
  if (name.empty() || name.front() == '/' || name.front() == '\\' || name.find(':') != std::string_view::npos) {
    return false;
  }
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t separator = std::min(name.find_first_of("/\\", start), name.size());
    const std::string_view part = name.substr(start, separator - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = separator + 1;
  }
  return true;
}

bool IsBackupFileName(std::string_view name) {
  static const std::set<std::string, std::less<>> every = [] {
    std::set<std::string, std::less<>> names{std::string(kManifestFile)};
    for (int n = 0; n < kBackupPrograms; ++n) names.insert({language::ProgramFileName(n), RawProgramFileName(n)});
    for (Part part : kEveryPart) {
      if (part != Part::Programs) names.insert({std::string(PartFileStem(part)) + ".dat", RawFileName(part)});
    }
    return names;
  }();
  return every.contains(name);
}

TextFault ParseSums(std::string_view text, std::map<std::string, std::string>& digests) {
  std::map<std::string, std::string> out;
  int number = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (line.find('\r') != std::string_view::npos) return {number, Tr("a CR in the line: the lines end in LF alone")};
    // "digest  name" for text mode, "digest *name" for binary mode: sha256sum writes either.
    const bool wellFormed = line.size() > 66 && IsHex(line.substr(0, 64)) && line[64] == ' ' &&
                            (line[65] == ' ' || line[65] == '*') &&
                            std::none_of(line.begin() + 66, line.end(), [](char c) { return c >= 0 && c < ' '; });
    if (!wellFormed) return {number, Tr("not a line of the form \"DIGEST  NAME\" (64 hex digits)")};
    const std::string name(line.substr(66));
    if (!InsideFolder(name)) return {number, Tr("\"{1}\" leaves the backup folder", {name})};
    if (!IsBackupFileName(name)) return {number, Tr("\"{1}\" is not a file a backup writes", {name})};
    // sha256sum reads a digest in either case; the program compares it with its own lowercase one.
    std::string digest(line.substr(0, 64));
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](char c) { return c >= 'A' && c <= 'F' ? c + 32 : c; });
    if (!out.emplace(name, std::move(digest)).second) return {number, Tr("\"{1}\" is listed twice", {name})};
  }
  digests = std::move(out);
  return {};
}

std::int32_t AxesOf(const Bytes& sys) { return parameters::DecodeParameterValue(Four(sys, 0)); }

bool SnapshotFromFiles(const FileSet& files, int axes, Parts parts, Snapshot& s, std::string& error) {
  s = {};
  s.axes = axes;
  s.parts = parts;
  auto take = [&](const std::string& name, Bytes& into) {
    auto it = files.find(name);
    if (it == files.end()) {
      error = Tr("{1} is not in {2}", {name, kSumsFile});
      return false;
    }
    into.assign(it->second.begin(), it->second.end());
    return true;
  };
  for (Part part : kEveryPart) {
    if (!parts.has(part)) continue;
    bool ok = true;
    if (part == Part::Programs) {
      for (int n = 0; ok && n < kBackupPrograms; ++n) {
        ok = take(RawProgramFileName(n), s.programs[static_cast<std::size_t>(n)]);
      }
    } else {
      ok = take(RawFileName(part), s.block(part));
    }
    if (!ok) return false;
    if (std::string problem = CheckBlocks(s, part); !problem.empty()) {
      error = Tr("blocks of another size: {1}", {problem});
      return false;
    }
  }
  return true;
}

}  // namespace zova::backup
