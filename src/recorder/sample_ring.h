// The last samples of a recording, in a bounded ring that keeps only the groups the recording reads: eight
// hours of the 128 inputs and outputs at 50 samples a second take 24 bytes a sample, 34.6 MB in all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "recorder/recording.h"

namespace zova::recorder {

class SampleRing {
 public:
  SampleRing(const SignalSet& set, std::size_t capacity);
  // The samples `span` holds at one every `interval` (at least one).
  static std::size_t CapacityFor(Micros span, Micros interval);

  // Adds a sample; once full, the oldest goes.
  void push(const Sample& s);
  void clear() { size_ = head_ = 0; }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] std::size_t capacity() const { return capacity_; }
  // 0 is the oldest sample kept.
  [[nodiscard]] Sample operator[](std::size_t i) const;
  // The samples stamped from `from` to `to`, both included, oldest first.
  [[nodiscard]] std::vector<Sample> window(Micros from, Micros to) const;
  // What the ring holds in memory, whatever it is filled with.
  [[nodiscard]] std::size_t memoryBytes() const { return bytes_.capacity(); }
  [[nodiscard]] std::size_t frameBytes() const { return frame_; }

 private:
  [[nodiscard]] std::size_t slot(std::size_t i) const { return (head_ + capacity_ - size_ + i) % capacity_; }
  // Calls `visit` on each field of `s` the ring keeps, in the order of a frame (for packing and unpacking).
  template <typename S, typename Visit>
  void EachField(S& s, Visit&& visit) const {
    const auto axes = static_cast<std::size_t>(axes_);
    auto kept = [this](Group g) { return ((groups_ >> static_cast<int>(g)) & 1u) != 0; };
    if (kept(Group::Inputs)) visit(s.inputs);
    if (kept(Group::Outputs)) visit(s.outputs);
    for (std::size_t a = 0; kept(Group::Sensors) && a < axes; ++a) visit(s.sensors[a]);
    for (std::size_t a = 0; kept(Group::CommandPositions) && a < axes; ++a) visit(s.command[a]);
    for (std::size_t a = 0; kept(Group::ActualPositions) && a < axes; ++a) visit(s.actual[a]);
    if (kept(Group::Error)) {
      visit(s.errorCode);
      visit(s.errorValue);
    }
  }
  std::uint8_t groups_ = 0;  // bit g: group g is kept
  int axes_ = 4;
  std::size_t frame_ = 0;
  std::size_t capacity_ = 1;
  std::size_t size_ = 0;
  std::size_t head_ = 0;  // where the next sample goes
  std::vector<std::uint8_t> bytes_;
};

}  // namespace zova::recorder
