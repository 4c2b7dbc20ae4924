// The recorder: reads the chosen signals on the link in rotation while the line is idle, keeps the samples
// in the ring, and hands out a black-box capture when its trigger fires. It never sends anything else: a
// transfer, a manual operation or the desktop's own polling takes its turn, and the recorder marks the time
// it could not read as a gap.
#pragma once

#include <optional>
#include <vector>

#include "link/link.h"
#include "recorder/black_box.h"
#include "recorder/sample_ring.h"

namespace zova::recorder {

struct RecorderSettings {
  Micros interval{0};                      // between samples; 0: as fast as the line allows
  Micros keep = std::chrono::minutes(10);  // what the ring holds
  // The ring is sized for no faster sampling: even the inputs alone at 115200 baud take 1.3 ms a sample.
  Micros fastest = std::chrono::milliseconds(1);
  std::optional<Trigger> trigger;
  Micros pre = std::chrono::seconds(60);
  Micros post = std::chrono::seconds(10);
};

class Recorder {
 public:
  Recorder(Link& link, SignalSet set, RecorderSettings settings);

  // One turn at `now` (the recording's own time): a sample when one is due and the line is free, a gap mark
  // when the line is held elsewhere. Returns how the reading ended; a failed exchange leaves a gap and the
  // caller decides whether to go on.
  Outcome turn(Micros now);
  // When the next sample falls due.
  [[nodiscard]] Micros nextDue() const { return nextDue_; }

  [[nodiscard]] const SampleRing& ring() const { return ring_; }
  [[nodiscard]] const SignalSet& set() const { return set_; }
  [[nodiscard]] std::size_t samplesTaken() const { return taken_; }
  // Everything put into the ring so far, samples and gap marks: the newest is ring()[ring().size() - 1].
  [[nodiscard]] std::size_t kept() const { return kept_; }
  // The captures the trigger completed since the last call.
  std::vector<Capture> takeCaptures() { return std::exchange(captures_, {}); }
  // The recording ends: the capture under way ends at the last sample.
  std::optional<Capture> finish();
  // The last error report read, when the recording reads the error.
  [[nodiscard]] const Sample* last() const { return last_ ? &*last_ : nullptr; }

 private:
  // Reads each chosen group once; the caller holds the line.
  Outcome read(Sample& s);
  void keep(const Sample& s);

  Link& link_;
  SignalSet set_;
  RecorderSettings settings_;
  SampleRing ring_;
  std::optional<BlackBox> box_;
  std::vector<Capture> captures_;
  std::optional<Sample> last_;
  Micros nextDue_{0};
  bool inGap_ = false;
  std::size_t taken_ = 0;
  std::size_t kept_ = 0;
};

}  // namespace zova::recorder
