// The black box: once a trigger fires, the ring's last `pre` before it and `post` after it are kept as one
// capture, without the operator doing anything. A stop ends the capture under way at the last sample.
#pragma once

#include <optional>
#include <string>

#include "recorder/recording_file.h"
#include "recorder/sample_ring.h"
#include "recorder/trigger.h"

namespace zova::recorder {

struct Capture {
  Micros at{};  // the sample that fired the trigger
  Micros from{};
  Micros to{};
  std::string cause;
};

class BlackBox {
 public:
  BlackBox(Trigger trigger, Micros pre, Micros post) : trigger_(std::move(trigger)), pre_(pre), post_(post) {}
  // Each sample as it is taken. Returns a capture once a sample `post` or more after its trigger came; a
  // trigger while a capture is under way belongs to that capture.
  std::optional<Capture> feed(const Sample& s);
  // The recording stops: the capture under way, ending at the last sample.
  std::optional<Capture> stop();
  [[nodiscard]] bool capturing() const { return pending_.has_value(); }

 private:
  Trigger trigger_;
  Micros pre_;
  Micros post_;
  std::optional<Sample> last_;  // the last sample with values
  Micros lastAt_{};
  std::optional<Capture> pending_;
};

// The samples of a capture as a recording of its own, its start the recording's.
Recording CaptureRecording(const SampleRing& ring, const SignalSet& set, Utc start, const Capture& c);
// Named by the trigger's UTC time and its cause: "2026-12-07T223001.123Z-in3-rise.csv".
std::string CaptureFileName(Utc start, const Capture& c, FileForm form);

}  // namespace zova::recorder
