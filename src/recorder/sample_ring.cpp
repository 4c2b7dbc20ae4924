// A ring of packed samples.
#include "recorder/sample_ring.h"

#include <algorithm>
#include <cstring>

namespace zova::recorder {

namespace {

// Bytes a group takes in a frame.
std::size_t GroupBytes(Group g, int axes) {
  switch (g) {
    case Group::Inputs:
    case Group::Outputs:
    case Group::Error:
      return 8;
    default:
      return 4 * static_cast<std::size_t>(axes);
  }
}

template <typename T>
void Put(std::uint8_t*& at, const T& value) {
  std::memcpy(at, &value, sizeof value);
  at += sizeof value;
}

template <typename T>
void Take(const std::uint8_t*& at, T& value) {
  std::memcpy(&value, at, sizeof value);
  at += sizeof value;
}

}  // namespace

SampleRing::SampleRing(const SignalSet& set, std::size_t capacity)
    : axes_(set.axes), capacity_(std::max<std::size_t>(capacity, 1)) {
  frame_ = sizeof(std::int64_t);  // the time, its lowest bit marking a gap
  for (int g = 0; g < kGroups; ++g) {
    if (!set.reads(static_cast<Group>(g))) continue;
    groups_ = static_cast<std::uint8_t>(groups_ | (1u << g));
    frame_ += GroupBytes(static_cast<Group>(g), axes_);
  }
  bytes_.reserve(frame_ * capacity_);
  bytes_.resize(frame_ * capacity_);
}

std::size_t SampleRing::CapacityFor(Micros span, Micros interval) {
  return static_cast<std::size_t>(std::max<long long>(1, span.count() / std::max<long long>(1, interval.count())));
}

void SampleRing::push(const Sample& s) {
  std::uint8_t* at = bytes_.data() + head_ * frame_;
  Put(at, static_cast<std::int64_t>(s.at.count() * 2 + (s.gap ? 1 : 0)));
  EachField(s, [&](const auto& field) { Put(at, field); });
  head_ = (head_ + 1) % capacity_;
  size_ = std::min(size_ + 1, capacity_);
}

Sample SampleRing::operator[](std::size_t i) const {
  Sample s;
  const std::uint8_t* at = bytes_.data() + slot(i) * frame_;
  std::int64_t stamp = 0;
  Take(at, stamp);
  s.at = Micros(stamp >> 1);
  s.gap = (stamp & 1) != 0;
  EachField(s, [&](auto& field) { Take(at, field); });
  return s;
}

std::vector<Sample> SampleRing::window(Micros from, Micros to) const {
  // Samples are pushed in time order: find the first at or after `from` by halving.
  std::size_t low = 0;
  std::size_t high = size_;
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if ((*this)[mid].at < from) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  std::vector<Sample> out;
  for (std::size_t i = low; i < size_; ++i) {
    Sample s = (*this)[i];
    if (s.at > to) break;
    out.push_back(s);
  }
  return out;
}

}  // namespace zova::recorder
