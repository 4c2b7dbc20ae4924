// The samples a timeline draws, kept by column (the inputs and outputs as one word each, every other signal as
// a number) with a summary pyramid beside them: a block of each level holds, for the samples it covers, which
// bits were ever on and ever off and each number's lowest and highest value. A pixel column then costs a few
// dozen blocks however many samples it covers, which is what lets an hour at full rate redraw in a frame.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "recorder/black_box.h"
#include "recorder/recorder.h"
#include "recorder/recording.h"
#include "recorder/recording_file.h"
#include "recorder/signal_set.h"
#include "recorder/trigger.h"

namespace zova::app {

using recorder::Micros;

// What a stretch of samples held: only samples with values count; `gap` tells that a gap mark was among them.
struct TimelineSpan {
  static constexpr int kMaxNumbers = 2 * recorder::kMaxAxes * 3;  // sensors, command, actual, error: 20 at most
  bool values = false;
  bool gap = false;
  std::uint64_t inOr = 0, inAnd = ~0ULL, outOr = 0, outAnd = ~0ULL;
  std::array<float, kMaxNumbers> lo{}, hi{};  // each number's lowest and highest (enough for a pixel)
  // Adds what `other` held; `numbers` is how many of lo and hi are in use.
  void merge(const TimelineSpan& other, int numbers);
};

class TimelineData {
 public:
  // Empties the data for a recording of `set` that began at `start` (UTC).
  void reset(const recorder::SignalSet& set, recorder::Utc start);
  void append(const recorder::Sample& s);
  void assign(const recorder::Recording& r);

  [[nodiscard]] const recorder::SignalSet& set() const { return set_; }
  [[nodiscard]] recorder::Utc start() const { return start_; }
  [[nodiscard]] std::size_t size() const { return at_.size(); }
  [[nodiscard]] Micros at(std::size_t i) const { return Micros(at_[i]); }
  [[nodiscard]] bool gap(std::size_t i) const { return gap_[i] != 0; }
  // The first sample at or after `t`.
  [[nodiscard]] std::size_t firstFrom(Micros t) const;
  // The value of signal `row` (an index into set().list) in sample `i`, as ValueOf gives it.
  [[nodiscard]] double value(std::size_t row, std::size_t i) const;
  // What samples [from, to) held, all rows at once.
  [[nodiscard]] TimelineSpan span(std::size_t from, std::size_t to) const;
  // The number slot of a row that is not a bit, -1 for a bit.
  [[nodiscard]] int numberOf(std::size_t row) const { return number_[row]; }
  [[nodiscard]] int numbers() const { return numbers_; }
  // The sample back as the recorder took it (for saving what the timeline shows).
  [[nodiscard]] recorder::Sample sample(std::size_t i) const;

 private:
  static constexpr std::size_t kFan = 32;  // samples (or blocks) a block of the next level covers
  [[nodiscard]] TimelineSpan spanOfSample(std::size_t i) const;

  recorder::SignalSet set_;
  recorder::Utc start_{};
  std::vector<int> number_;  // per row: its number slot, or -1 for a bit
  int numbers_ = 0;
  std::vector<std::int64_t> at_;
  std::vector<std::uint8_t> gap_;
  std::vector<std::uint64_t> in_, out_;
  std::vector<double> values_;                     // numbers_ per sample
  std::vector<std::vector<TimelineSpan>> levels_;  // levels_[k]: blocks of kFan^(k+1) samples
};

}  // namespace zova::app
