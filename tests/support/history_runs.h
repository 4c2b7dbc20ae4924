// Fleet runs of two simulated controllers, c1 (2 axes) and c2 (3 axes), recorded into a history repository:
// the backups go to ROOT/out/NAME/STAMP, as a fleet folder holds them.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/whole_controller.h"
#include "history/history.h"
#include "support/test_support.h"

namespace zova::test {

struct HistoryRuns {
  explicit HistoryRuns(std::filesystem::path top) : root(std::move(top)) {}
  // Backs up the controllers named (a name ending in '!' fails) and records the run.
  history::Recorded run(const std::string& stamp, const std::vector<std::string>& names,
                        const backup::FleetHistory& settings, const std::string& host = "plant-a") {
    std::vector<history::ControllerRun> runs;
    for (const std::string& name : names) {
      if (name.ends_with("!")) {
        runs.push_back({name.substr(0, name.size() - 1), "", "timed out"});
        continue;
      }
      SimRig& sim = name == "c1" ? c1 : c2;
      const std::string folder = (root / "out" / name / stamp).string();
      std::filesystem::create_directories(std::filesystem::path(folder).parent_path());
      backup::Parts parts;
      std::string error;
      EXPECT_TRUE(backup::Parts::Parse("sys,loc", parts, error));
      const backup::Setup setup{name == "c1" ? 2 : 3, 0, "sim", "9600,n,8,1", "1.0"};
      EXPECT_EQ(backup::Backup(sim.link, setup, parts, folder).result, Outcome::Ok);
      runs.push_back({name, folder, ""});
    }
    history::Options options;
    options.host = host;
    options.pushLimit = std::chrono::seconds(30);
    return history::RecordRun(settings, stamp, runs, options);
  }
  std::filesystem::path root;
  SimRig c1{2};
  SimRig c2{3};
};

}  // namespace zova::test
