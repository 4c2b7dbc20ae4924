// The alarm log: newest first from a date on, its CSV, another program's file refused, two writers at once
// losing nothing, and a writer killed mid-row leaving a whole log.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "alarms/alarm_log.h"
#include "support/scratch_dir.h"

namespace zova::alarms {
namespace {

struct AlarmLogFile : test::ScratchDir {
  std::unique_ptr<AlarmLog> open() {
    std::unique_ptr<AlarmLog> log;
    const Outcome opened = AlarmLog::Open(path("log/alarms.sqlite"), log);
    EXPECT_TRUE(opened) << opened;
    return log;
  }
  std::size_t count() {
    std::vector<Alarm> all;
    EXPECT_TRUE(open()->list("", all));
    return all.size();
  }
};

TEST_F(AlarmLogFile, ListsNewestFirstFromADateAndExportsCsv) {
  const Alarm older{"2026-12-07T22:30:01.123Z", 4, -1, "원점 복귀, 미완료", "/dev/ttyS0", ""};
  const Alarm newer{"2026-12-08T01:00:00.000Z", 12, 3, "limit \"+\"", "sim", "rec/2026-12-08T010000.000Z-error.vcd"};
  ASSERT_TRUE(open()->add(older));
  ASSERT_TRUE(open()->add(newer));  // a second program, later: the log survived the first one's end
  std::vector<Alarm> all, since;
  ASSERT_TRUE(open()->list("", all));
  ASSERT_TRUE(open()->list("2026-12-08", since));
  EXPECT_EQ(all, (std::vector<Alarm>{newer, older}));
  EXPECT_EQ(since, std::vector<Alarm>{newer});
  EXPECT_EQ(AlarmsCsv(all),
            "time,code,value,text,port,recording\r\n"
            "2026-12-08T01:00:00.000Z,12,3,\"limit \"\"+\"\"\",sim,rec/2026-12-08T010000.000Z-error.vcd\r\n"
            "2026-12-07T22:30:01.123Z,4,-1,\"원점 복귀, 미완료\",/dev/ttyS0,\r\n");
}

TEST_F(AlarmLogFile, AnotherProgramsFileIsRefusedAndLeftAlone) {
  write(path("other.sqlite"), "not a database, and longer than a database header would be: " + std::string(200, 'x'));
  ASSERT_EQ(std::system(("sqlite3 '" + path("foreign.sqlite") + "' 'CREATE TABLE t (x)'").c_str()), 0);
  for (const char* name : {"other.sqlite", "foreign.sqlite"}) {
    const std::string before = read(path(name));
    std::unique_ptr<AlarmLog> log;
    EXPECT_EQ(AlarmLog::Open(path(name), log), Outcome::FileDamaged) << name;
    EXPECT_EQ(read(path(name)), before) << name;
  }
}

TEST_F(AlarmLogFile, TwoWritersAtOnceLoseNothing) {
  auto writer = [this](int code) {  // each opens the log as it starts: the first two opens of a new log race
    const std::unique_ptr<AlarmLog> log = open();
    for (int i = 0; log && i < 200; ++i) EXPECT_TRUE(log->add({"2026-12-07T22:30:01.123Z", code, i, "", "", ""}));
  };
  std::thread first(writer, 1), second(writer, 2);
  first.join();
  second.join();
  EXPECT_EQ(count(), 400u);
}

// A writer killed at any moment: the log opens whole, with every row it finished and no half one.
TEST_F(AlarmLogFile, AWriterKilledMidRowLeavesAWholeLog) {
  open();
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    const std::unique_ptr<AlarmLog> log = open();
    for (int i = 0;; ++i) {
      (void)log->add({"2026-12-07T22:30:01.123Z", 1, i, std::string(1000, 'x'), "", ""});
      if (i == 50) (void)!::write(ready[1], "r", 1);
    }
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);  // the child has written 50 rows and goes on
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  std::vector<Alarm> all;
  ASSERT_TRUE(open()->list("", all));
  EXPECT_GE(all.size(), 51u);
  for (const Alarm& a : all) EXPECT_EQ(a.text.size(), 1000u);
  EXPECT_EQ(
      std::system(("test \"$(sqlite3 '" + path("log/alarms.sqlite") + "' 'PRAGMA integrity_check')\" = ok").c_str()),
      0);
}

}  // namespace
}  // namespace zova::alarms
