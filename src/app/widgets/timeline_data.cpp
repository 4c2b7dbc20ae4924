// The timeline's columns and their summary pyramid.
#include "app/widgets/timeline_data.h"

#include <algorithm>
#include <cmath>

#include "recorder/value_reading.h"

namespace zova::app {

using recorder::Group;
using recorder::Signal;

void TimelineSpan::merge(const TimelineSpan& other, int numbers) {
  gap = gap || other.gap;
  if (!other.values) return;
  inOr |= other.inOr;
  inAnd &= other.inAnd;
  outOr |= other.outOr;
  outAnd &= other.outAnd;
  for (int n = 0; n < numbers; ++n) {
    const auto k = static_cast<std::size_t>(n);
    lo[k] = values ? std::min(lo[k], other.lo[k]) : other.lo[k];
    hi[k] = values ? std::max(hi[k], other.hi[k]) : other.hi[k];
  }
  values = true;
}

void TimelineData::reset(const recorder::SignalSet& set, recorder::Utc start) {
  set_ = set;
  start_ = start;
  number_.clear();
  numbers_ = 0;
  for (const Signal& s : set_.list) number_.push_back(recorder::IsBit(s) ? -1 : numbers_++);
  numbers_ = std::min(numbers_, TimelineSpan::kMaxNumbers);
  at_.clear();
  gap_.clear();
  in_.clear();
  out_.clear();
  values_.clear();
  levels_.clear();
}

void TimelineData::assign(const recorder::Recording& r) {
  reset(r.set, r.start);
  at_.reserve(r.samples.size());
  for (const recorder::Sample& s : r.samples) append(s);
}

void TimelineData::append(const recorder::Sample& s) {
  at_.push_back(s.at.count());
  gap_.push_back(s.gap ? 1 : 0);
  in_.push_back(s.inputs);
  out_.push_back(s.outputs);
  for (std::size_t row = 0; row < number_.size(); ++row) {
    if (number_[row] >= 0 && number_[row] < numbers_) values_.push_back(recorder::ValueOf(s, set_.list[row]));
  }
  // Each level's last block takes the sample in. A level is made once its first block is full; it starts
  // from the level below, which already holds this sample.
  const std::size_t n = at_.size() - 1;
  const TimelineSpan one = spanOfSample(n);
  std::size_t blockSize = kFan;
  for (std::size_t k = 0;; ++k, blockSize *= kFan) {
    if (k == levels_.size()) {
      if (n < blockSize) break;
      std::vector<TimelineSpan> level;
      const std::size_t count = k == 0 ? at_.size() : levels_[k - 1].size();
      for (std::size_t i = 0; i < count; ++i) {
        if (i / kFan == level.size()) level.emplace_back();
        level.back().merge(k == 0 ? spanOfSample(i) : levels_[k - 1][i], numbers_);
      }
      levels_.push_back(std::move(level));
      continue;
    }
    std::vector<TimelineSpan>& level = levels_[k];
    if (n / blockSize == level.size()) level.emplace_back();
    level[n / blockSize].merge(one, numbers_);
  }
}

TimelineSpan TimelineData::spanOfSample(std::size_t i) const {
  TimelineSpan s;
  if (gap_[i] != 0) {
    s.gap = true;
    return s;
  }
  s.values = true;
  s.inOr = s.inAnd = in_[i];
  s.outOr = s.outAnd = out_[i];
  const auto n = static_cast<std::size_t>(numbers_);
  for (std::size_t k = 0; k < n; ++k) s.lo[k] = s.hi[k] = static_cast<float>(values_[i * n + k]);
  return s;
}

std::size_t TimelineData::firstFrom(Micros t) const {
  return static_cast<std::size_t>(std::lower_bound(at_.begin(), at_.end(), t.count()) - at_.begin());
}

double TimelineData::value(std::size_t row, std::size_t i) const {
  const Signal s = set_.list[row];
  if (s.group == Group::Inputs) return static_cast<double>((in_[i] >> s.index) & 1U);
  if (s.group == Group::Outputs) return static_cast<double>((out_[i] >> s.index) & 1U);
  const int n = number_[row];
  return n < numbers_ ? values_[i * static_cast<std::size_t>(numbers_) + static_cast<std::size_t>(n)] : 0.0;
}

TimelineSpan TimelineData::span(std::size_t from, std::size_t to) const {
  TimelineSpan out;
  std::size_t i = from;
  while (i < to) {
    // The largest block that starts at i and ends by `to`.
    std::size_t size = 1;
    std::size_t k = 0;
    while (k < levels_.size() && i % (size * kFan) == 0 && i + size * kFan <= to &&
           (i / (size * kFan)) < levels_[k].size()) {
      size *= kFan;
      ++k;
    }
    out.merge(k == 0 ? spanOfSample(i) : levels_[k - 1][i / size], numbers_);
    i += size;
  }
  return out;
}

recorder::Sample TimelineData::sample(std::size_t i) const {
  recorder::Sample s{.at = at(i), .gap = gap(i)};
  if (s.gap) return s;
  s.inputs = in_[i];
  s.outputs = out_[i];
  for (std::size_t row = 0; row < number_.size(); ++row) {
    if (number_[row] < 0) continue;
    const Signal signal = set_.list[row];
    const double v = value(row, i);
    recorder::Store(s, signal, std::llround(recorder::IsPosition(signal) ? v * 100.0 : v));
  }
  return s;
}

}  // namespace zova::app
