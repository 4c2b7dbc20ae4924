// The simulated controller's memory in a file (zovasim --state FILE): programs, location and shift tables,
// system and axis parameters and the axis count, so a simulated machine keeps its setup from one run to the
// next and backups and restores can be tried end to end.
#pragma once

#include <string>
#include <string_view>

#include "sim/controller.h"

namespace zova::sim {

// The memory as text: a header line, then "axes", "system", "axis", "loc", "sft" and "program" lines (rows
// and programs only where they hold something; program blocks in hexadecimal).
[[nodiscard]] std::string StateText(const Controller& controller);
// Puts a state text into the controller; false with `error` (and the memory unchanged) for a malformed text.
bool LoadStateText(std::string_view text, Controller& controller, std::string& error);

// Keeps a controller's memory in a file: loads it at start, or creates it from the controller as it is, and
// saves it atomically after each change. A burst of changes (a table going across row by row) is saved at
// most once per `interval`; tick() saves what waits once the interval has passed, and the destructor saves
// anything still unsaved.
class StateKeeper {
 public:
  StateKeeper(Controller& controller, std::string path, Duration interval = milliseconds(200));
  ~StateKeeper();
  StateKeeper(const StateKeeper&) = delete;
  StateKeeper& operator=(const StateKeeper&) = delete;

  // False with `error` when the file can be neither read nor created.
  bool start(std::string& error);
  // Saves when changes wait and the interval has passed; false (with `error`) when a save failed.
  bool tick(std::string& error);
  bool flush(std::string& error);
  [[nodiscard]] int saves() const { return saves_; }

 private:
  Controller& controller_;
  std::string path_;
  Duration interval_;
  bool dirty_ = false;
  TimePoint lastSave_{};
  int saves_ = 0;
};

}  // namespace zova::sim
