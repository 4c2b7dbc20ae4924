// Captures around a trigger.
#include "recorder/black_box.h"

#include <algorithm>
#include <utility>

namespace zova::recorder {

std::optional<Capture> BlackBox::feed(const Sample& s) {
  lastAt_ = s.at;
  if (!pending_ && last_ && Fires(trigger_, *last_, s)) {
    pending_ = Capture{.at = s.at, .from = s.at - pre_, .to = s.at + post_, .cause = CauseName(trigger_)};
  }
  if (!s.gap) last_ = s;
  if (!pending_ || s.at < pending_->to) return std::nullopt;
  return std::exchange(pending_, std::nullopt);
}

std::optional<Capture> BlackBox::stop() {
  if (pending_) pending_->to = std::min(pending_->to, lastAt_);
  return std::exchange(pending_, std::nullopt);
}

Recording CaptureRecording(const SampleRing& ring, const SignalSet& set, Utc start, const Capture& c) {
  return Recording{.set = set, .start = start, .samples = ring.window(c.from, c.to)};
}

std::string CaptureFileName(Utc start, const Capture& c, FileForm form) {
  std::string stamp = UtcText(start + c.at);  // 2026-12-07T22:30:01.123Z
  stamp.erase(std::remove(stamp.begin(), stamp.end(), ':'), stamp.end());
  return stamp + "-" + c.cause + (form == FileForm::Csv ? ".csv" : ".vcd");
}

}  // namespace zova::recorder
