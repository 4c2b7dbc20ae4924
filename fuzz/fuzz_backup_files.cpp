// A backup folder's SHA256SUMS and BACKUP.txt, as a restore reads them from a folder anyone may have
// written. Nothing may crash; a refused list names one of its lines; an accepted list or record, written
// again by the program's own writer, reads back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "backup/backup_files.h"

namespace {

using zova::backup::Manifest;

bool Same(const Manifest& a, const Manifest& b) {
  return a.date == b.date && a.port == b.port && a.settings == b.settings && a.axes == b.axes &&
         a.machineType == b.machineType && a.version == b.version && a.included == b.included;
}

void Sums(std::string_view text) {
  std::map<std::string, std::string> digests;
  const zova::TextFault fault = zova::backup::ParseSums(text, digests);
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (fault.failed()) {
    if (fault.line < 1 || fault.line > lines || fault.message.empty() || !digests.empty()) std::abort();
    return;
  }
  std::string written;
  for (const auto& [name, digest] : digests) {
    if (!zova::backup::IsBackupFileName(name) || !zova::backup::InsideFolder(name)) std::abort();
    if (digest.size() != 64 || digest.find_first_not_of("0123456789abcdef") != std::string::npos) std::abort();
    written += digest + "  " + name + "\n";
  }
  std::map<std::string, std::string> again;
  if (zova::backup::ParseSums(written, again).failed() || again != digests) std::abort();
}

void Record(std::string_view text) {
  Manifest manifest;
  std::string error;
  if (!zova::backup::ParseManifest(text, manifest, error)) {
    if (error.empty()) std::abort();
    return;
  }
  if (manifest.axes < 2 || manifest.axes > 6 || manifest.machineType < 0 || manifest.machineType > 2) std::abort();
  // Every field is a piece of one line of the text.
  for (const std::string* field : {&manifest.date, &manifest.port, &manifest.settings, &manifest.version}) {
    if (field->size() > text.size() || field->find('\n') != std::string::npos) std::abort();
  }
  Manifest again;
  if (!zova::backup::ParseManifest(zova::backup::ManifestText(manifest), again, error) || !Same(again, manifest)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Sums(text);
  Record(text);
  return 0;
}
