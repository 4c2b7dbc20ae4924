// The one progress bar of a whole-controller operation.
#include "backup/progress.h"

#include <algorithm>
#include <cmath>

namespace zova::backup {

OverallProgress::OverallProgress(Ui& ui, Job job, double total) : ui_(ui), job_(job), total_(std::max(total, 1.0)) {
  ui_.setProgressMaximum(job_, 0, kMaximum);
  show(0);
  ui_.foldProgress(this);
}

OverallProgress::~OverallProgress() {
  ui_.holdStop(false);
  ui_.foldProgress(nullptr);
}

void OverallProgress::beginStep(double units, double firstBarShare) {
  units_ = units;
  firstShare_ = firstBarShare;
  stepFraction_ = 0;
  maxima_[0] = maxima_[1] = 0;
}

void OverallProgress::endStep() {
  done_ += units_;
  units_ = 0;
  show(0);
}

void OverallProgress::stepMaximum(int index, int maximum) {
  if (index == 0 || index == 1) maxima_[index] = maximum;
}

void OverallProgress::stepValue(int index, int value) {
  if ((index != 0 && index != 1) || maxima_[index] <= 0) return;
  const double f = std::clamp(static_cast<double>(value) / maxima_[index], 0.0, 1.0);
  // Transfers set their bars back to 0 when they end: the step only ever moves forward.
  const double inStep = index == 0 ? f * firstShare_ : firstShare_ + f * (1 - firstShare_);
  stepFraction_ = std::max(stepFraction_, inStep);
  show(stepFraction_);
}

void OverallProgress::show(double fraction) {
  const int value = static_cast<int>(std::lround(kMaximum * std::min(1.0, (done_ + units_ * fraction) / total_)));
  if (value == shown_) return;
  shown_ = value;
  ui_.setProgressValue(job_, 0, value);
}

}  // namespace zova::backup
