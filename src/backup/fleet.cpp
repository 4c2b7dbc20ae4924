// Fleet backups: a worker per line, dated folders, the link to the newest, pruning and the summary.
#include "backup/fleet.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "backup/backup_files.h"
#include "backup/backup_folder.h"
#include "backup/sha256.h"
#include "backup/whole_controller.h"
#include "base/atomic_file.h"
#include "base/translation.h"
#include "base/utc_time.h"
#include "link/line_owner.h"

namespace zova::backup {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kStampLength = 18;  // "2024-05-01T140309Z"

// Adds `text` to a summary message, after "; " where it holds one already.
void Note(std::string& message, const std::string& text) {
  if (!message.empty()) message += "; ";
  message += text;
}

// A worker's side of the operator: messages are kept for the summary, progress is not shown, and a stop
// comes from the run's shared (read-only) request.
class WorkerUi final : public Ui {
 public:
  explicit WorkerUi(const std::function<bool()>& stop) : stop_(stop) {}
  MessageResult messageBox(std::string_view text, std::string_view, MessageButtons, MessageIcon) override {
    Note(text_, std::string(text));
    return MessageResult::Ok;
  }
  bool stopAsked() override { return stop_ && stop_(); }
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  const std::function<bool()>& stop_;
  std::string text_;
};

// Whether `name` is `prefix`, a FleetStamp and `suffix`.
bool IsStamped(std::string_view name, std::string_view prefix, std::string_view suffix) {
  return name.size() == prefix.size() + kStampLength + suffix.size() && name.starts_with(prefix) &&
         name.ends_with(suffix) && IsFleetStamp(name.substr(prefix.size(), kStampLength));
}

// Whether the stamped name `a` ranks before `b`: newer first, except that a name later than `last` (the
// run's own) was written while the clock ran ahead, and ranks below every name up to `last`, so a clock set
// back does not leave it the newest for ever.
bool RanksBefore(const std::string& a, const std::string& b, const std::string& last) {
  const bool aLater = a > last;
  const bool bLater = b > last;
  return aLater != bLater ? bLater : a > b;
}

struct Held {
  std::string name;
  Parts parts;
};

// The backups of a controller's folder, best first: plain folders named by FleetStamp that hold a backup's
// SHA256SUMS and a BACKUP.txt that says what they include. Anything else there is the user's.
std::vector<Held> Backups(const fs::path& folder, const std::string& now) {
  std::vector<Held> held;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status;
    std::string text;
    std::string error;
    Manifest manifest;
    if (IsStamped(name, "", "") && fs::is_directory(it->symlink_status(status)) &&
        IsBackupFolder(it->path().string()) &&
        ReadPlainFile((it->path() / kManifestFile).string(), 1 << 16, text, error) &&
        ParseManifest(text, manifest, error)) {
      held.push_back({name, manifest.included});
    }
  }
  std::sort(held.begin(), held.end(),
            [&now](const Held& a, const Held& b) { return RanksBefore(a.name, b.name, now); });
  return held;
}

// What backups of earlier runs left when their program was killed outright: the hidden temporary folders
// of dated targets (Backup clears only its own target's).
bool FleetLeftover(const std::string& name) {
  const std::string target = name.size() > kStampLength ? name.substr(1, kStampLength) : std::string();
  return IsFleetStamp(target) && IsTemporaryFolderName(name, target);
}

// Points `latest` at `stamp`: a new link renamed over the old one, so a reader finds one or the other.
// Anything else of that name is the user's, and stays.
bool PointLatest(const fs::path& folder, const std::string& stamp, std::string& error) {
  const fs::path temporary = folder / ("." + std::string(kLatestName) + "-" + stamp);
  std::error_code ec;
  if (const fs::file_status status = fs::symlink_status(folder / kLatestName, ec);
      fs::exists(status) && !fs::is_symlink(status)) {
    error = Tr("{1}: not a link; the program keeps a link to the newest backup there: move it away",
               {(folder / kLatestName).string()});
    return false;
  }
  fs::remove(temporary, ec);
  fs::create_directory_symlink(stamp, temporary, ec);
  if (!ec) fs::rename(temporary, folder / kLatestName, ec);
  if (!ec) return true;
  std::error_code ignored;
  fs::remove(temporary, ignored);
  error = (folder / kLatestName).string() + ": " + ec.message();
  return false;
}

FleetOutcome BackUpOne(const FleetMember& member, const FleetRun& run) {
  const auto start = std::chrono::steady_clock::now();
  FleetOutcome outcome;
  outcome.name = member.name;
  outcome.port = member.port;
  WorkerUi ui(run.stopRequested);
  bool traceFailed = false;
  const fs::path folder = fs::path(run.into) / member.name;
  const fs::path target = folder / run.stamp;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!ec) RemoveLeftovers(folder, FleetLeftover);
  const std::vector<Held> earlier = ec ? std::vector<Held>() : Backups(folder, run.stamp);
  if (ec) {
    Ui& shown = ui;
    shown.messageBox(folder.string() + ": " + ec.message());
    outcome.result = {Outcome::FileFailed, folder.string()};
  } else if (std::unique_ptr<FleetLine> line = run.open(member, ui)) {
    const Setup setup{member.axes, member.machineType, member.port, line->settings(), run.version};
    Report report;
    report.result = HoldLine(line->link(), [&] {
      report = Backup(line->link(), setup, run.parts, target.string());
      return report.result;
    });
    // The port closes as soon as its work is done. A trace that could not be written fails the controller,
    // though its backup stands.
    if (const std::string fault = line->close(); !fault.empty()) {
      Ui& shown = ui;
      shown.messageBox(fault);
      traceFailed = true;
    }
    line.reset();
    outcome.stopped = report.result == Outcome::Cancelled;
    outcome.result = report.result;
  } else {
    // The stop cut the opening short (the link check says nothing then): the line was stopped, not dead.
    outcome.stopped = ui.text().empty() && run.stopRequested && run.stopRequested();
  }
  outcome.message = outcome.stopped && ui.text().empty() ? Tr("stopped before the backup was complete") : ui.text();
  // A controller never backed up leaves no folder of its own behind (remove takes only an empty one).
  if (!outcome.result && earlier.empty()) fs::remove(folder, ec);
  if (outcome.result) {
    outcome.folder = target.string();
    std::string error;
    if (!PointLatest(folder, run.stamp, error)) Note(outcome.message, error);
    if (!error.empty() || traceFailed) outcome.result = {Outcome::FileFailed, error};
    for (const Held& h : earlier) {
      if (h.name > run.stamp) {
        Note(outcome.message, Tr("{1} is stamped after this run (the clock was ahead): it counts as older than "
                                 "the backups stamped before this run",
                                 {h.name}));
      }
    }
    outcome.first = earlier.empty();
    if (!outcome.first) {
      WorkerUi quiet(run.stopRequested);
      const Report diff = DiffBackups(quiet, (folder / earlier.front().name).string(), target.string());
      if (diff.result == Outcome::Ok || diff.result == Outcome::Different) {
        outcome.changed = diff.differences.size();
      } else {
        Note(outcome.message, Tr("not compared with the previous backup: {1}", {quiet.text()}));
      }
    }
    if (run.keep > 0) {
      (void)PruneBackups(folder.string(), run.keep, run.stamp, error);
      if (!error.empty()) Note(outcome.message, error);
    }
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return outcome;
}

std::string_view ResultName(const Outcome& result) {
  return result == Outcome::Ok ? "ok" : result == Outcome::Refused ? "refused" : "failed";
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return text;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string FleetStamp(std::chrono::system_clock::time_point time) { return UtcStamp(time); }

bool IsFleetStamp(std::string_view name) {
  constexpr std::string_view kForm = "dddd-dd-ddTddddddZ";
  static_assert(kForm.size() == kStampLength);
  if (name.size() != kForm.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (kForm[i] == 'd' ? (name[i] < '0' || name[i] > '9') : name[i] != kForm[i]) return false;
  }
  return true;
}

std::vector<FleetOutcome> RunFleet(const std::vector<FleetMember>& members, const FleetRun& run) {
  std::vector<FleetOutcome> outcomes(members.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < members.size(); i = next++) outcomes[i] = BackUpOne(members[i], run);
    ReleaseDigestThreadState();
  };
  const std::size_t jobs = std::min(members.size(), run.jobs > 0 ? static_cast<std::size_t>(run.jobs) : members.size());
  auto start = [&run](std::function<void()> task) -> std::function<void()> {
    if (run.startThread) return run.startThread(std::move(task));
    auto thread = std::make_shared<std::thread>(std::move(task));
    return [thread] { thread->join(); };
  };
  std::vector<std::function<void()>> joins;
  for (std::size_t j = 0; j < jobs; ++j) joins.push_back(start(work));
  for (const auto& join : joins) join();
  return outcomes;
}

std::vector<std::string> PruneBackups(const std::string& folder, int keep, const std::string& now, std::string& error) {
  error.clear();
  std::error_code ec;
  const fs::path latest = fs::read_symlink(fs::path(folder) / kLatestName, ec);
  const std::string newest = ec ? std::string() : latest.filename().string();
  const std::vector<Held> held = Backups(folder, now);
  std::vector<bool> kept(held.size(), false);
  for (std::size_t i = 0; i < held.size(); ++i) {
    kept[i] = i < static_cast<std::size_t>(std::max(keep, 1)) || held[i].name == newest;
  }
  // A partial backup must not cost the last copy of a part it does not hold.
  for (Part part : kEveryPart) {
    const auto first = std::find_if(held.begin(), held.end(), [part](const Held& h) { return h.parts.has(part); });
    if (first != held.end()) kept[static_cast<std::size_t>(first - held.begin())] = true;
  }
  std::vector<std::string> removed;
  for (std::size_t i = 0; i < held.size(); ++i) {
    if (kept[i]) continue;
    fs::remove_all(fs::path(folder) / held[i].name, ec);
    if (ec) {
      error = (fs::path(folder) / held[i].name).string() + ": " + ec.message();
      break;
    }
    removed.push_back(held[i].name);
  }
  return removed;
}

std::vector<std::string> PruneSummaries(const std::string& into, int keep, const std::string& now, std::string& error) {
  error.clear();
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(into, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status;
    if (IsStamped(name, kSummaryPrefix, kSummarySuffix) && fs::is_regular_file(it->symlink_status(status))) {
      names.push_back(name);
    }
  }
  const std::string last = SummaryFileName(now);
  std::sort(names.begin(), names.end(),
            [&last](const std::string& a, const std::string& b) { return RanksBefore(a, b, last); });
  std::vector<std::string> removed;
  for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < names.size(); ++i) {
    fs::remove(fs::path(into) / names[i], ec);
    if (ec) {
      error = (fs::path(into) / names[i]).string() + ": " + ec.message();
      break;
    }
    removed.push_back(names[i]);
  }
  return removed;
}

std::string SummaryFileName(const std::string& stamp) {
  return std::string(kSummaryPrefix) + stamp + std::string(kSummarySuffix);
}

std::string FleetSummaryLine(const FleetOutcome& o) {
  const std::string changed = o.first ? "first" : o.changed ? std::to_string(*o.changed) : "-";
  return o.name + " " + std::string(ResultName(o.result)) + " " + (o.folder.empty() ? "-" : o.folder) + " " + changed +
         " " + Seconds(o.seconds);
}

std::string FleetJson(const std::vector<FleetOutcome>& outcomes, const std::vector<std::string>& more) {
  std::string out = "[";
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const FleetOutcome& o = outcomes[i];
    out += (i == 0 ? "\n" : ",\n");
    out += "  {\"name\": " + JsonString(o.name) + ", \"port\": " + JsonString(o.port) +
           ", \"result\": " + JsonString(ResultName(o.result)) +
           ", \"folder\": " + (o.folder.empty() ? "null" : JsonString(o.folder)) +
           ", \"changed\": " + (o.changed ? std::to_string(*o.changed) : "null") +
           ", \"message\": " + JsonString(o.message) + ", \"seconds\": " + Seconds(o.seconds) + "}";
  }
  for (const std::string& object : more) out += (out.size() == 1 ? "\n  " : ",\n  ") + object;
  return out + "\n]\n";
}

}  // namespace zova::backup
