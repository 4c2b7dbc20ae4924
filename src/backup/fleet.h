// Backups of a whole fleet: every controller into DIR/NAME/YYYY-MM-DDTHHMMSSZ, side by side, one Link per
// line in a thread of its own. Workers share nothing but the read-only run description; each outcome comes
// back as a value, and the summary is written in one place.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/fleet_file.h"
#include "backup/parts.h"
#include "link/link.h"

namespace zova::backup {

// The name of the link to the newest good backup in each controller's folder.
inline constexpr std::string_view kLatestName = "latest";

// An open line to one controller, closed when it goes.
class FleetLine {
 public:
  virtual ~FleetLine() = default;
  virtual Link& link() = 0;
  // The line settings in use, for BACKUP.txt.
  [[nodiscard]] virtual std::string settings() const = 0;
  // Closes the line: why its trace could not be written, or empty.
  virtual std::string close() { return {}; }
};

// Opens the line of `member` with its messages going to `ui`; null (after a message) when it cannot.
// Called from the worker threads, each time for another member.
using FleetLineOpener = std::function<std::unique_ptr<FleetLine>(const FleetMember& member, Ui& ui)>;

struct FleetRun {
  std::string into;   // DIR
  std::string stamp;  // the run's UTC time, YYYY-MM-DDTHHMMSSZ: every controller's folder name
  Parts parts = Parts::All();
  int keep = 0;         // each controller's newest backups kept after its backup; 0 keeps all
  int jobs = 0;         // controllers at once; 0 for all
  std::string version;  // of this program, for BACKUP.txt
  FleetLineOpener open;
  std::function<bool()> stopRequested;  // read by every worker between exchanges
  // Starts `work` in a thread of its own and gives back the call that waits for its end; unset, a std::thread.
  // (A port library may want threads of its own making.)
  std::function<std::function<void()>(std::function<void()> work)> startThread;
};

struct FleetOutcome {
  std::string name;
  std::string port;
  Outcome result{Outcome::LineDead, "the line was not opened"};
  std::string folder;                  // the new backup, or empty
  std::optional<std::size_t> changed;  // difference lines against the previous backup; none when first or failed
  bool first = false;                  // the controller's first backup: nothing to compare with
  std::string message;                 // what went wrong, or what the run noted
  double seconds = 0;
  bool stopped = false;  // ended by a stop request
};

// "2024-05-01T140309Z" for `time`, in UTC.
[[nodiscard]] std::string FleetStamp(std::chrono::system_clock::time_point time);
// Whether `name` has exactly that form.
[[nodiscard]] bool IsFleetStamp(std::string_view name);

// Backs up every member; one outcome each, in the members' order. A controller that fails never stops the
// others.
[[nodiscard]] std::vector<FleetOutcome> RunFleet(const std::vector<FleetMember>& members, const FleetRun& run);

// Keeps the `keep` newest backups in `folder` (folders named as FleetStamp names them, each holding a
// backup's SHA256SUMS and BACKUP.txt), the one `latest` names, and the newest that holds each part; anything
// else there stays. A backup stamped after `now` (the run's stamp) ranks below those stamped up to it. The
// names removed, or an error message in `error`.
std::vector<std::string> PruneBackups(const std::string& folder, int keep, const std::string& now, std::string& error);

// The run's summary file in DIR: "fleet-" + stamp + ".json".
inline constexpr std::string_view kSummaryPrefix = "fleet-";
inline constexpr std::string_view kSummarySuffix = ".json";
[[nodiscard]] std::string SummaryFileName(const std::string& stamp);
// Keeps the `keep` newest summary files in `into`, ranked as PruneBackups ranks backups.
std::vector<std::string> PruneSummaries(const std::string& into, int keep, const std::string& now, std::string& error);

// The outcome's summary line: "NAME RESULT FOLDER CHANGED SECONDS", with "-" for no folder, "first" for a
// first backup and "-" where nothing was compared.
[[nodiscard]] std::string FleetSummaryLine(const FleetOutcome& outcome);
// The whole run as JSON: an array of objects with name, port, result, folder, changed, message, seconds,
// then the objects of `more` (JSON text each).
[[nodiscard]] std::string FleetJson(const std::vector<FleetOutcome>& outcomes,
                                    const std::vector<std::string>& more = {});
// `text` as a JSON string, quoted.
[[nodiscard]] std::string JsonString(std::string_view text);

}  // namespace zova::backup
