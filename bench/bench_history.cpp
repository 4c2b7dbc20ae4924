// The history over a year: 365 nightly runs of 8 simulated controllers, a few changes each night, backed up
// into DIR/out/NAME/STAMP and recorded into DIR/repo through the history core. Prints the time the history
// took; `du -sh DIR/out DIR/repo` and `zovactl history DIR/repo c1` measure the rest.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/whole_controller.h"
#include "history/history.h"
#include "support/test_support.h"

int main(int argc, char** argv) {
  using namespace zova;
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_history DIR [NIGHTS] [CONTROLLERS]\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const int nights = argc > 2 ? std::atoi(argv[2]) : 365;
  const int count = argc > 3 ? std::atoi(argv[3]) : 8;
  std::vector<std::unique_ptr<test::SimRig>> rigs;
  for (int i = 0; i < count; ++i) rigs.push_back(std::make_unique<test::SimRig>(4));
  backup::Parts parts;
  std::string error;
  if (!backup::Parts::Parse("sys,loc", parts, error)) return 1;
  const backup::FleetHistory settings{(dir / "repo").string(), "", "main", 60, 0};
  history::Options options;
  options.host = "bench";
  double recording = 0;
  double slowest = 0;
  int commits = 0;
  for (int night = 0; night < nights; ++night) {
    // Three controllers a night get two new locations each.
    for (int k = 0; k < 3; ++k) {
      auto& locations = rigs[static_cast<std::size_t>((night + k * 3) % count)]->controller.positions.locations;
      for (int j = 0; j < 2; ++j) locations[static_cast<std::size_t>((night * 7 + j * 13) % 500)][0] = night * 10 + j;
    }
    const std::time_t day = 1767225600 + static_cast<std::time_t>(night) * 86400;  // from 2026-01-01
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT023000Z", std::gmtime(&day));
    std::vector<history::ControllerRun> runs;
    for (int i = 0; i < count; ++i) {
      const std::string name = "c" + std::to_string(i + 1);
      const std::filesystem::path folder = dir / "out" / name / stamp;
      std::filesystem::create_directories(folder.parent_path());
      const backup::Setup setup{4, 0, "sim", "9600,n,8,1", "1.0"};
      if (backup::Backup(rigs[static_cast<std::size_t>(i)]->link, setup, parts, folder.string()).result !=
          Outcome::Ok) {
        std::fprintf(stderr, "%s: backup failed\n", folder.c_str());
        return 1;
      }
      runs.push_back({name, folder.string(), ""});
    }
    const auto start = std::chrono::steady_clock::now();
    const history::Recorded r = history::RecordRun(settings, stamp, runs, options);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!r.result) {
      std::fprintf(stderr, "%s: %s\n", stamp, r.reason.c_str());
      return 1;
    }
    recording += took;
    slowest = std::max(slowest, took);
    commits += r.committed ? 1 : 0;
  }
  std::printf("%d runs of %d controllers: %d commits, history %.2f s in all, %.3f s the slowest run\n", nights, count,
              commits, recording, slowest);
  return 0;
}
