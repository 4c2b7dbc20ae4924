// Serves a simulated controller on a pseudo-terminal, on real time.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "sim/controller.h"

namespace zova::sim {

class PtyServer {
 public:
  explicit PtyServer(Controller& controller) : controller_(controller) {}
  ~PtyServer();

  // Creates the pseudo-terminal; false with `error` set when the system has none.
  bool create(std::string& error);
  // The device path the host opens.
  [[nodiscard]] const std::string& devicePath() const { return path_; }
  // Serves until `stop` becomes true, the disconnect fault drops the line, or an I/O error occurs.
  void serve(const volatile bool& stop);
  // Called every time the server wakes (at least five times a second), for work that waits.
  std::function<void()> onWake;

 private:
  // Hands the controller the host's bytes no faster than the line carries them.
  void deliverDue(TimePoint now);

  Controller& controller_;
  std::deque<std::pair<TimePoint, std::uint8_t>> incoming_;  // host bytes still on the wire
  TimePoint lastIn_{};
  int master_ = -1;
  int slave_ = -1;  // kept open so the line survives hosts that come and go
  std::string path_;
};

}  // namespace zova::sim
