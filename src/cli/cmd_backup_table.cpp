// zovactl commands of the backup subsystem.
#include <array>

#include "cli/cmd_backup.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{
        "backup", true, RunBackup, "backup DIR [--only LIST]",
        TrMark(
            "fetch programs 0 to 31, the location and shift tables and the system and axis "
            "parameters into the new or empty folder DIR: source, table and parameter files, the blocks as sent under "
            "raw/, BACKUP.txt and SHA256SUMS (needs --axes; LIST: some of programs,loc,sft,sys,axis)"),
        false, false, CheckBackup},
    Command{"restore", true, RunRestore, "restore DIR [--only LIST]",
            TrMark("check DIR against its SHA256SUMS (exit 3) and its axis count (exit 2), send "
                   "it back exactly as fetched, read it back and compare (needs --axes)"),
            false, false, CheckRestore},
    Command{"compare", true, RunCompare, "compare DIR [--only LIST]",
            TrMark("print one line per difference between the controller and the backup DIR "
                   "(exit 4 when they differ; needs --axes)"),
            false, false, CheckCompare},
    Command{"diff", false, RunDiff, "diff OLD NEW",
            TrMark("print one line per difference between the backup folders OLD and NEW, both checked as "
                   "restore checks them (exit 4 when they differ, 3 when one is damaged)"),
            false},
    Command{
        "fleet", false, RunFleet, "fleet backup FLEET --into DIR [--only LIST] [--keep N] [--jobs N]",
        TrMark("back up every controller of the TOML "
               "file FLEET side by side into DIR/NAME/YYYY-MM-DDTHHMMSSZ (DIR/NAME/latest names the newest), print one "
               "line per controller and write DIR/fleet-YYYY-MM-DDTHHMMSSZ.json; --keep N keeps each controller's N "
               "newest backups, --jobs N runs at most N at once; --settings, --machine-type, --timeout and "
               "--handshake-timeout "
               "before the command are defaults under FLEET's, --trace DIR writes one trace per controller (exit 1 "
               "when any failed, 2 for a mistake in FLEET or a DIR another run is writing into)"),
        false, false, CheckFleet},
};

}  // namespace

std::span<const Command> BackupCommands() { return kCommands; }

}  // namespace zova::cli
