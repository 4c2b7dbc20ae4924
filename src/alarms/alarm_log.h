// The alarm log: every controller error the programs see, kept across restarts in one SQLite database that
// zova and zovactl share. The database runs with a write-ahead log, so a program killed while it writes
// leaves the log whole (the row is in or out), and a writer waits for another's write instead of failing.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"

struct sqlite3;

namespace zova::alarms {

struct Alarm {
  std::string utc;  // "2026-12-07T22:30:01.123Z"
  int code = 0;
  int value = 0;
  std::string text;       // the error text in the language of the program that saw it
  std::string port;       // "/dev/ttyUSB0", "sim", "rfc2217://plc:4001"
  std::string recording;  // the recording file the alarm triggered; empty when none
  friend bool operator==(const Alarm&, const Alarm&) = default;
};

class AlarmLog {
 public:
  // Opens the log at `path`, creating it and its folder when missing. FileDamaged for a file that is not
  // this program's log (another database, or not a database at all), FileFailed when it cannot be opened.
  static Outcome Open(const std::string& path, std::unique_ptr<AlarmLog>& out);
  ~AlarmLog();
  AlarmLog(const AlarmLog&) = delete;
  AlarmLog& operator=(const AlarmLog&) = delete;

  Outcome add(const Alarm& alarm);
  // The alarms at or after `sinceUtc` (all when empty), newest first.
  Outcome list(std::string_view sinceUtc, std::vector<Alarm>& out) const;
  // The newest alarm of `port`, if the log holds one.
  Outcome newest(std::string_view port, std::optional<Alarm>& out) const;

 private:
  explicit AlarmLog(sqlite3* db) : db_(db) {}
  // The rows `where` (one "?" bound to `value`) picks, newest first, at most `limit` (-1: all).
  Outcome select(const char* where, std::string_view value, int limit, std::vector<Alarm>& out) const;
  sqlite3* db_;
};

// Where the programs keep the log: $XDG_DATA_HOME/zova/alarms.sqlite, else ~/.local/share/zova/ (on Windows
// %LOCALAPPDATA%\zova\).
std::string DefaultAlarmLogPath();
// Adds a controller error a program read to the log at `path`, unless the log's newest alarm of the same port
// is the same report (a standing error read again). An alarm without a time is stamped now.
Outcome LogControllerError(const std::string& path, Alarm alarm);
// A header row, then one row per alarm, as RFC 4180 quotes them.
std::string AlarmsCsv(const std::vector<Alarm>& alarms);

}  // namespace zova::alarms
