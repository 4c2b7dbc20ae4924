// The alarm log on SQLite.
#include "alarms/alarm_log.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/system.h"
#include "base/translation.h"
#include "base/utc_time.h"

namespace zova::alarms {

namespace {

// Marks the database as this program's ("ZOVA"), so that another program's file is never taken for it.
constexpr int kApplicationId = 0x5A4F5641;
constexpr int kBusyWaitMs = 5000;

Outcome Failed(sqlite3* db, Outcome::Code code = Outcome::FileFailed) {
  return {code, db != nullptr ? sqlite3_errmsg(db) : "out of memory"};
}

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool Busy(sqlite3* db) {
  const int code = sqlite3_errcode(db) & 0xFF;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

int IntOf(sqlite3* db, const char* sql) {
  sqlite3_stmt* st = nullptr;
  int value = -1;
  if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
    value = sqlite3_column_int(st, 0);
  }
  sqlite3_finalize(st);
  return value;
}

std::string Column(sqlite3_stmt* st, int i) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
  return text != nullptr ? text : "";
}

std::string Quoted(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string out = "\"";
  for (char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// Makes a new log, or checks that an existing file is one. Two programs may open a new log at once: the
// check and the making happen under the write lock, so one makes it and the other finds it made. Another
// program's database is only read, never changed.
Outcome Prepare(sqlite3* db, const std::string& path) {
  if (!Exec(db, "BEGIN IMMEDIATE")) {
    const int id = IntOf(db, "PRAGMA application_id");  // a file that is not a database fails before
    return id < 0 && !Busy(db) ? Outcome{Outcome::FileDamaged, Tr("{1}: not this program's alarm log", {path})}
                               : Failed(db);
  }
  const int id = IntOf(db, "PRAGMA application_id");
  const int tables = IntOf(db, "SELECT count(*) FROM sqlite_master");
  if (id < 0 || (id != kApplicationId && !(id == 0 && tables == 0))) {
    Exec(db, "ROLLBACK");
    return {Outcome::FileDamaged, Tr("{1}: not this program's alarm log", {path})};
  }
  const std::string create =
      "PRAGMA application_id=" + std::to_string(kApplicationId) +
      "; CREATE TABLE IF NOT EXISTS alarms (id INTEGER PRIMARY KEY, utc TEXT NOT NULL, code INTEGER NOT NULL, "
      "value INTEGER NOT NULL, text TEXT NOT NULL, port TEXT NOT NULL, recording TEXT NOT NULL); "
      "CREATE INDEX IF NOT EXISTS alarms_by_time ON alarms (utc); COMMIT";
  if (!Exec(db, create.c_str())) {
    Outcome failed = Failed(db);
    Exec(db, "ROLLBACK");
    return failed;
  }
  if (!Exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL")) return Failed(db);
  return {};
}

}  // namespace

Outcome AlarmLog::Open(const std::string& path, std::unique_ptr<AlarmLog>& out) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr) !=
      SQLITE_OK) {
    Outcome failed = Failed(db);
    sqlite3_close(db);
    return failed;
  }
  std::unique_ptr<AlarmLog> log(new AlarmLog(db));
  sqlite3_busy_timeout(db, kBusyWaitMs);
  // A change of journal mode does not wait for another program that opens the same new log: try again.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyWaitMs);
  Outcome made = Prepare(db, path);
  while (!made && made.code == Outcome::FileFailed && Busy(db) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    made = Prepare(db, path);
  }
  if (!made) return made;
  out = std::move(log);
  return {};
}

AlarmLog::~AlarmLog() { sqlite3_close(db_); }

Outcome AlarmLog::add(const Alarm& a) {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db_, "INSERT INTO alarms (utc, code, value, text, port, recording) VALUES (?, ?, ?, ?, ?, ?)",
                         -1, &st, nullptr) != SQLITE_OK) {
    return Failed(db_);
  }
  sqlite3_bind_text(st, 1, a.utc.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int(st, 2, a.code);
  sqlite3_bind_int(st, 3, a.value);
  sqlite3_bind_text(st, 4, a.text.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st, 5, a.port.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(st, 6, a.recording.c_str(), -1, SQLITE_TRANSIENT);
  const bool done = sqlite3_step(st) == SQLITE_DONE;
  sqlite3_finalize(st);
  return done ? Outcome{} : Failed(db_);
}

Outcome AlarmLog::list(std::string_view sinceUtc, std::vector<Alarm>& out) const {
  return select("utc >= ?", sinceUtc, -1, out);
}

Outcome AlarmLog::newest(std::string_view port, std::optional<Alarm>& out) const {
  std::vector<Alarm> found;
  const Outcome o = select("port = ?", port, 1, found);
  if (o) out = found.empty() ? std::nullopt : std::optional<Alarm>(found.front());
  return o;
}

Outcome AlarmLog::select(const char* where, std::string_view value, int limit, std::vector<Alarm>& out) const {
  sqlite3_stmt* st = nullptr;
  const std::string sql = std::string("SELECT utc, code, value, text, port, recording FROM alarms WHERE ") + where +
                          " ORDER BY utc DESC, id DESC LIMIT " + std::to_string(limit);
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return Failed(db_);
  sqlite3_bind_text(st, 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
  std::vector<Alarm> alarms;
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(st)) == SQLITE_ROW) {
    alarms.push_back({Column(st, 0), sqlite3_column_int(st, 1), sqlite3_column_int(st, 2), Column(st, 3), Column(st, 4),
                      Column(st, 5)});
  }
  sqlite3_finalize(st);
  if (step != SQLITE_DONE) return Failed(db_);
  out = std::move(alarms);
  return {};
}

std::string DefaultAlarmLogPath() { return (std::filesystem::path(UserDataFolder()) / "alarms.sqlite").string(); }

Outcome LogControllerError(const std::string& path, Alarm alarm) {
  std::unique_ptr<AlarmLog> log;
  std::optional<Alarm> newest;
  Outcome o = AlarmLog::Open(path, log);
  if (o) o = log->newest(alarm.port, newest);
  if (!o || (newest && newest->code == alarm.code && newest->value == alarm.value)) return o;
  if (alarm.utc.empty())
    alarm.utc = UtcText(std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now()));
  return log->add(alarm);
}

std::string AlarmsCsv(const std::vector<Alarm>& alarms) {
  std::string text = "time,code,value,text,port,recording\r\n";
  for (const Alarm& a : alarms) {
    text += a.utc + "," + std::to_string(a.code) + "," + std::to_string(a.value) + "," + Quoted(a.text) + "," +
            Quoted(a.port) + "," + Quoted(a.recording) + "\r\n";
  }
  return text;
}

}  // namespace zova::alarms
