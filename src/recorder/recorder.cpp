// Sampling the controller's signals on an idle line.
#include "recorder/recorder.h"

#include <algorithm>

#include "link/requests.h"

namespace zova::recorder {

Recorder::Recorder(Link& link, SignalSet set, RecorderSettings settings)
    : link_(link),
      set_(std::move(set)),
      settings_(std::move(settings)),
      ring_(set_, SampleRing::CapacityFor(settings_.keep, std::max(settings_.interval, settings_.fastest))) {
  if (settings_.trigger) box_.emplace(*settings_.trigger, settings_.pre, settings_.post);
}

Outcome Recorder::read(Sample& s) {
  const int axes = set_.axes;
  if (set_.reads(Group::Inputs) || set_.reads(Group::Outputs)) {
    for (const bool inputs : {true, false}) {
      if (!set_.reads(inputs ? Group::Inputs : Group::Outputs)) continue;
      IoImage image;
      if (Outcome o = RequestIoImage(link_, inputs, image); !o) return o;
      std::uint64_t bits = 0;
      for (int w = 3; w >= 0; --w) bits = bits << 16 | image.W[static_cast<std::size_t>(w)];
      (inputs ? s.inputs : s.outputs) = bits;
    }
  }
  if (set_.reads(Group::Sensors)) {
    std::array<std::uint32_t, 6> words{};
    if (Outcome o = RequestSensorWords(link_, axes, words); !o) return o;
    std::copy(words.begin(), words.end(), s.sensors.begin());
  }
  for (const bool command : {true, false}) {
    if (!set_.reads(command ? Group::CommandPositions : Group::ActualPositions)) continue;
    std::array<std::int32_t, 6> positions{};
    if (Outcome o = RequestPositions(link_, command, axes, positions); !o) return o;
    std::copy(positions.begin(), positions.end(), (command ? s.command : s.actual).begin());
  }
  if (set_.reads(Group::Error)) {
    ErrorReport report;
    if (Outcome o = RequestErrorReport(link_, report); !o) return o;
    s.errorCode = report.code;
    s.errorValue = report.value;
  }
  return {};
}

void Recorder::keep(const Sample& s) {
  ring_.push(s);
  ++kept_;
  if (box_) {
    if (auto capture = box_->feed(s)) captures_.push_back(*capture);
  }
}

Outcome Recorder::turn(Micros now) {
  if (now < nextDue_) return {};
  BusyGuard busy(link_);
  if (!busy.acquired()) {
    // The line is another operation's: the time until it is free is a gap, marked once where it began.
    if (!inGap_) keep(Sample{.at = now, .gap = true});
    inGap_ = true;
    return {Outcome::Busy};
  }
  Sample s{.at = now};
  const Outcome read = this->read(s);
  if (!read) {
    if (!inGap_) keep(Sample{.at = now, .gap = true});
    inGap_ = true;
    return read;
  }
  inGap_ = false;
  keep(s);
  last_ = s;
  ++taken_;
  nextDue_ = std::max(now, nextDue_ + settings_.interval);
  return {};
}

std::optional<Capture> Recorder::finish() { return box_ ? box_->stop() : std::nullopt; }

}  // namespace zova::recorder
