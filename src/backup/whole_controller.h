// Backup, restore and compare of a whole controller: programs 0 to 31, the location and shift tables and
// the system and axis parameters, composed of the program's own transfers. Each operation shows one
// progress bar (of Job::Backup, Job::Restore or Job::Compare, index 0, maximum OverallProgress::kMaximum)
// and its own messages through the link's Ui, and looks at Ui::cancelRequested() between exchanges.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/differences.h"
#include "backup/parts.h"
#include "link/link.h"
#include "base/outcome.h"
#include "base/translation.h"

namespace zova::backup {

// The machine and line a backup is made on, recorded in BACKUP.txt.
struct Setup {
  int axes = 0;         // the configured axis count, 2 to 6
  int machineType = 0;  // PLC family 0..2, which names the devices in program listings
  std::string port;
  std::string settings;
  std::string version;  // of this program
};

struct Report {
  // Different: compare, or a restore's read-back, found the controller holding other than the backup. Refused
  // (a folder that is not empty, another axis count, a part the backup lacks) and FileDamaged (files that fail
  // SHA256SUMS) sent nothing; FileFailed: a backup file could not be written, no folder was left.
  Outcome result;
  std::vector<Difference> differences;  // compare, and a restore's read-back
  std::vector<std::string> summary;     // what was done, one line each, for the operator (chosen language)
  std::vector<std::string> notices;     // lines of the summary the operator must see even when all went well
};

// What a restore is about to do, for the operator's confirmation.
struct RestorePlan {
  Parts parts;
  int controllerAxes = 0;  // the controller's AXES before the restore
  int backupAxes = 0;      // the AXES the backup's system parameters set
};

// "AXES: controller 3, now 4" (in the chosen language) when the restore changes the controller's axis count,
// else empty.
[[nodiscard]] std::string AxesChangeLine(const RestorePlan& plan);

// Fetches `parts` into the new folder `dir` (which must not exist or must be an empty folder, not a link).
// Everything is written into a temporary folder beside it, renamed into place at the end: a cancelled or
// failed backup leaves no folder, and one left by a backup killed outright is removed by the next. With the system
// parameters included, a controller whose AXES is not the configured axis count is refused.
Report Backup(Link& link, const Setup& setup, Parts parts, const std::string& dir);

// Checks the backup folder (plain files and folders only, every file SHA256SUMS lists, each text file
// against its raw block, the axis count of BACKUP.txt and of the system block), reads the controller's AXES, then sends
// the system parameters, axis parameters, locations, shifts and programs exactly as the controller once sent them,
// reads them back and compares. `only` (if given) restricts the parts, else all the backup holds. `confirm` (if set) is
// asked after the checks, before anything is sent; false sends nothing (Cancelled). A table or a program is never left
// half sent: a stop is taken between them. The summary says what was sent and any change of AXES.
Report Restore(Link& link, const Setup& setup, const Parts* only, const std::string& dir,
               const std::function<bool(const RestorePlan&)>& confirm = {});

// Checks the backup as Restore does, fetches the same parts from the controller and lists the differences.
Report Compare(Link& link, const Setup& setup, const Parts* only, const std::string& dir);

// Checks both backup folders as Restore does and lists what differs from `oldDir` to `newDir` (the old side in
// Difference::controller, the new in Difference::backup): the parts both hold, their axis counts, and which
// parts each holds when they are not the same. Ok, Different, or Damaged/Refused after a message.
Report DiffBackups(Ui& ui, const std::string& oldDir, const std::string& newDir);

}  // namespace zova::backup
