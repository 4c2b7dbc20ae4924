// Backup, restore and compare of a whole controller.
#include "backup/whole_controller.h"

#include <algorithm>

#include "backup/backup_files.h"
#include "backup/backup_folder.h"
#include "backup/progress.h"
#include "backup/transfers.h"
#include "base/system.h"
#include "base/translation.h"

namespace zova::backup {

namespace {

// Parts in the order they travel: the system parameters first, as AXES decides the size of the rest.
constexpr Part kTravelOrder[] = {Part::Sys, Part::Axis, Part::Loc, Part::Sft, Part::Programs};

// A wait the operator's stop cut short fails its transfer like silence would; it was a stop. Whatever else
// ended a step midway, the controller no longer matches one copy: a failure of the transfer.
Outcome Stopped(const Link& link, const Outcome& step) {
  if (step == Outcome::Cancelled || link.StoppedByOperator) return Outcome::Cancelled;
  return step.linkFailed() || step == Outcome::BadChecksum ? step : Outcome(Outcome::Rejected, to_string(step));
}

// Fetches every part of `parts` into `s`; false at the first failure, which is then explained.
Outcome FetchAll(Link& link, OverallProgress& progress, Snapshot& s, bool checkAxes) {
  Ui& ui = link.ui();
  for (Part part : kTravelOrder) {
    if (!s.parts.has(part)) continue;
    const int count = part == Part::Programs ? kBackupPrograms : 1;
    for (int n = 0; n < count; ++n) {
      const Outcome step = FetchPart(link, progress, s, part, n);
      if (step == Outcome::BadChecksum) {
        // The transfers answer such a block with DLE and say nothing; a backup must not go on without it.
        ui.messageBox(Tr("a block of the {1} arrived with a wrong checksum", {Tr(PartTitle(part))}));
      }
      if (!step) return Stopped(link, step);
    }
    if (part == Part::Sys && checkAxes) {
      const std::int32_t axes = AxesOf(s.sys);
      if (axes != s.axes) {
        ui.messageBox(Tr("the controller reports AXES {1}, the configured axis count is {2}",
                         {std::to_string(axes), std::to_string(s.axes)}));
        return Outcome::Refused;
      }
    }
  }
  return Outcome::Ok;
}

std::string DifferenceCount(std::size_t count) {
  return count == 1 ? Tr("{1} difference", {std::to_string(count)}) : Tr("{1} differences", {std::to_string(count)});
}

// A report of an operation that ended before its end, with the one line that says so.
Report Ended(const Outcome& result, std::string line) {
  Report report;
  report.result = result;
  report.summary.push_back(std::move(line));
  return report;
}

Parts SysOnly() {
  Parts parts;
  parts.add(Part::Sys);
  return parts;
}

// The controller's `parts`, the system parameters checked against the configured axis count.
Outcome FetchForBackup(Link& link, const Setup& setup, Parts parts, Snapshot& snapshot) {
  snapshot.axes = setup.axes;
  snapshot.parts = parts;
  OverallProgress progress(link.ui(), Job::Backup, FetchUnits(parts, setup.axes));
  return FetchAll(link, progress, snapshot, true);
}

Manifest ManifestOf(const Setup& setup, Parts parts) {
  return {LocalTimeStamp(), setup.port, setup.settings, setup.axes, setup.machineType, setup.version, parts};
}

// The backup, checked, and refused when it is of another axis count than the configured one.
Outcome LoadToRestore(Ui& ui, const Setup& setup, const Parts* only, const std::string& dir, LoadedBackup& backup) {
  const Outcome loaded = LoadBackup(ui, dir, only, backup);
  if (loaded != Outcome::Ok || backup.manifest.axes == setup.axes) return loaded;
  ui.messageBox(Tr("{1}: the backup is of {2} axes, the configured axis count is {3}",
                   {dir, std::to_string(backup.manifest.axes), std::to_string(setup.axes)}));
  return Outcome::Refused;
}

// The controller's own AXES first: the restore changes it (said in the question and the summary), and
// without the system parameters the backup's tables fit only a controller of the backup's axis count.
// Ok once `confirm` (if set) agreed to the plan.
Outcome PlanRestore(Link& link, OverallProgress& progress, const Snapshot& saved,
                    const std::function<bool(const RestorePlan&)>& confirm, RestorePlan& plan) {
  Snapshot held;
  held.axes = saved.axes;
  held.parts = SysOnly();
  if (const Outcome read = FetchAll(link, progress, held, false); read != Outcome::Ok) return read;
  plan = {saved.parts, AxesOf(held.sys), saved.axes};
  if (!saved.parts.has(Part::Sys) && plan.controllerAxes != saved.axes) {
    link.ui().messageBox(
        Tr("the controller reports AXES {1}: the {2}-axis tables of the backup go only with its system "
           "parameters",
           {std::to_string(plan.controllerAxes), std::to_string(saved.axes)}));
    return Outcome::Refused;
  }
  return confirm && !confirm(plan) ? Outcome::Cancelled : Outcome::Ok;
}

// The programs one after the other; the summary says how many went.
Outcome SendPrograms(Link& link, OverallProgress& progress, const Snapshot& saved, Report& report) {
  Outcome step;
  int rows = 0;
  int n = 0;
  for (; n < kBackupPrograms; ++n) {
    step = progress.stopRequested() ? Outcome::Cancelled : SendPart(link, progress, saved, Part::Programs, n, rows);
    if (!step) break;
  }
  report.summary.push_back(Tr("{1}: {2} of {3} programs sent",
                              {Tr(PartTitle(Part::Programs)), std::to_string(n), std::to_string(kBackupPrograms)}));
  return step;
}

// A table or a parameter block; the summary says whether it went (and any change of AXES with it), or how
// many rows of a table did.
Outcome SendBlock(Link& link, OverallProgress& progress, const Snapshot& saved, Part part, const RestorePlan& plan,
                  Report& report) {
  const std::string title = Tr(PartTitle(part));
  int rows = 0;
  const Outcome step = progress.stopRequested() ? Outcome::Cancelled : SendPart(link, progress, saved, part, 0, rows);
  if (step) {
    report.summary.push_back(Tr("{1}: sent", {title}));
    if (const std::string change = AxesChangeLine(plan); part == Part::Sys && !change.empty()) {
      report.summary.push_back(change);
      report.notices.push_back(change);
    }
  } else if (step != Outcome::Cancelled && (part == Part::Loc || part == Part::Sft)) {
    report.summary.push_back(
        Tr("{1}: {2} of {3} rows sent",
           {title, std::to_string(rows), std::to_string(part == Part::Loc ? kLocRows : kSftRows)}));
  } else {
    report.summary.push_back(Tr("{1}: not sent", {title}));
  }
  return step;
}

// Every part of the backup, each named in the summary. A table is sent whole or the link failed in it: the
// operator's stop waits for its end.
Outcome SendBackup(Link& link, OverallProgress& progress, const Snapshot& saved, const RestorePlan& plan,
                   Report& report) {
  progress.holdStop(true);
  Outcome step;
  for (Part part : kTravelOrder) {
    if (!saved.parts.has(part)) continue;
    if (!step) {
      report.summary.push_back(Tr("{1}: not sent", {Tr(PartTitle(part))}));
    } else {
      step = part == Part::Programs ? SendPrograms(link, progress, saved, report)
                                    : SendBlock(link, progress, saved, part, plan, report);
    }
  }
  progress.holdStop(false);
  if (step) return Outcome::Ok;
  const Outcome ended = Stopped(link, step);
  report.summary.push_back(ended == Outcome::Cancelled ? Tr("stopped at the operator's request; the rest was not sent")
                                                       : Tr("ended by a failure; the rest was not sent"));
  return ended;
}

// Reads back what was sent and lists what differs from the backup.
Outcome ReadBack(Link& link, OverallProgress& progress, const Snapshot& saved, int machineType, Report& report) {
  Snapshot now;
  now.axes = saved.axes;
  now.parts = saved.parts;
  if (const Outcome read = FetchAll(link, progress, now, false); read != Outcome::Ok) {
    report.summary.push_back(read == Outcome::Cancelled ? Tr("everything was sent; the read-back was stopped")
                                                        : Tr("everything was sent; reading it back failed"));
    return read;
  }
  report.differences = FindDifferences(now, saved, saved.parts, machineType);
  report.summary.push_back(report.differences.empty()
                               ? Tr("read back: the controller holds the backup")
                               : Tr("read back: {1}", {DifferenceCount(report.differences.size())}));
  return report.differences.empty() ? Outcome::Ok : Outcome::Different;
}

}  // namespace

Report Backup(Link& link, const Setup& setup, Parts parts, const std::string& dir) {
  Ui& ui = link.ui();
  if (!BackupTargetFree(ui, dir)) return Ended(Outcome::Refused, Tr("no backup was written"));
  if (!PrepareBackupTarget(ui, dir)) return Ended(Outcome::FileFailed, Tr("no backup was written"));
  Snapshot snapshot;
  if (const Outcome fetched = FetchForBackup(link, setup, parts, snapshot); fetched != Outcome::Ok) {
    return Ended(fetched, Tr("no backup was written"));
  }
  FileSet files = BackupFiles(snapshot, ManifestOf(setup, parts));
  if (!WriteBackupFolder(ui, dir, files)) return Ended(Outcome::FileFailed, Tr("no backup was written"));
  return Ended(Outcome::Ok, Tr("{1} saved in {2} ({3} files)",
                               {parts.text(), BackupTarget(dir).string(), std::to_string(files.size())}));
}

std::string AxesChangeLine(const RestorePlan& plan) {
  if (!plan.parts.has(Part::Sys) || plan.controllerAxes == plan.backupAxes) return {};
  return Tr("AXES: controller {1}, now {2}", {std::to_string(plan.controllerAxes), std::to_string(plan.backupAxes)});
}

Report Restore(Link& link, const Setup& setup, const Parts* only, const std::string& dir,
               const std::function<bool(const RestorePlan&)>& confirm) {
  Ui& ui = link.ui();
  LoadedBackup backup;
  if (const Outcome loaded = LoadToRestore(ui, setup, only, dir, backup); loaded != Outcome::Ok) {
    return Ended(loaded, Tr("nothing was sent"));
  }
  const Snapshot& saved = backup.snapshot;
  OverallProgress progress(
      ui, Job::Restore,
      FetchUnits(SysOnly(), saved.axes) + SendUnits(saved, saved.parts) + FetchUnits(saved.parts, saved.axes));
  RestorePlan plan;
  if (const Outcome planned = PlanRestore(link, progress, saved, confirm, plan); planned != Outcome::Ok) {
    return Ended(planned, Tr("nothing was sent"));
  }
  Report report;
  report.result = SendBackup(link, progress, saved, plan, report);
  if (report.result == Outcome::Ok) report.result = ReadBack(link, progress, saved, setup.machineType, report);
  return report;
}

Report Compare(Link& link, const Setup& setup, const Parts* only, const std::string& dir) {
  Ui& ui = link.ui();
  LoadedBackup backup;
  if (const Outcome loaded = LoadBackup(ui, dir, only, backup); loaded != Outcome::Ok) {
    return Ended(loaded, Tr("nothing was compared"));
  }
  Report report;
  Snapshot controller;
  controller.axes = setup.axes;
  controller.parts = backup.snapshot.parts;
  {
    OverallProgress progress(ui, Job::Compare, FetchUnits(controller.parts, controller.axes));
    report.result = FetchAll(link, progress, controller, true);
  }
  if (report.result != Outcome::Ok) return report;
  report.differences = FindDifferences(controller, backup.snapshot, controller.parts, setup.machineType);
  const bool axesShown = std::any_of(report.differences.begin(), report.differences.end(),
                                     [](const Difference& d) { return d.item == "AXES"; });
  if (setup.axes != backup.manifest.axes && !axesShown) {
    report.differences.insert(report.differences.begin(),
                              {"AXES", std::to_string(setup.axes), std::to_string(backup.manifest.axes)});
  }
  report.result = report.differences.empty() ? Outcome::Ok : Outcome::Different;
  report.summary.push_back(report.differences.empty() ? Tr("the controller holds what the backup holds")
                                                      : DifferenceCount(report.differences.size()));
  return report;
}

Report DiffBackups(Ui& ui, const std::string& oldDir, const std::string& newDir) {
  LoadedBackup before;
  LoadedBackup after;
  Outcome loaded = LoadBackup(ui, oldDir, nullptr, before);
  if (loaded == Outcome::Ok) loaded = LoadBackup(ui, newDir, nullptr, after);
  if (loaded != Outcome::Ok) return Ended(loaded, Tr("nothing was compared"));
  Report report;
  const Parts oldParts = before.manifest.included;
  const Parts newParts = after.manifest.included;
  Parts common;
  for (Part part : kEveryPart) {
    if (oldParts.has(part) && newParts.has(part)) common.add(part);
  }
  std::vector<Difference>& out = report.differences;
  if (oldParts != newParts) out.push_back({"parts", oldParts.text(), newParts.text()});
  const bool axesDiffer = before.manifest.axes != after.manifest.axes;
  // The system blocks name their AXES themselves when both backups hold them.
  if (axesDiffer && !common.has(Part::Sys)) {
    out.push_back({"AXES", std::to_string(before.manifest.axes), std::to_string(after.manifest.axes)});
  }
  const std::vector<Difference> found =
      FindDifferences(before.snapshot, after.snapshot, common, after.manifest.machineType);
  out.insert(out.end(), found.begin(), found.end());
  report.result = out.empty() ? Outcome::Ok : Outcome::Different;
  report.summary.push_back(out.empty() ? Tr("the backups hold the same")
                                       : Tr("the backups differ: {1}", {DifferenceCount(out.size())}));
  return report;
}

}  // namespace zova::backup
