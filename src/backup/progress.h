// One progress bar over a whole-controller operation. The transfers it runs report progress of their own
// operations (a program's two bars, a table's rows, a parameter block's bytes); while it lives, the Ui folds
// them into the one bar of the operation's job. It also keeps the operator's stop away from a transfer
// that must run whole, such as a table that is being written.
#pragma once

#include "base/ui.h"

namespace zova::backup {

class OverallProgress final : public ProgressFold {
 public:
  static constexpr int kMaximum = 1000;

  // The whole operation `job` is worth `total` units; its bar is the one the Ui shows for `job`.
  OverallProgress(Ui& ui, Job job, double total);
  ~OverallProgress() override;
  OverallProgress(const OverallProgress&) = delete;
  OverallProgress& operator=(const OverallProgress&) = delete;

  // The next transfer is worth `units`; its first bar (index 0) covers `firstBarShare` of them, its second
  // bar (index 1) the rest.
  void beginStep(double units, double firstBarShare = 1.0);
  void endStep();

  // While held, transfers are not told of the operator's stop; the operation asks stopRequested() between them.
  void holdStop(bool hold) { ui_.holdStop(hold); }
  [[nodiscard]] bool stopRequested() { return ui_.stopAsked(); }
  [[nodiscard]] bool cancelRequested() { return ui_.cancelRequested(); }

  [[nodiscard]] Job job() const override { return job_; }
  void stepMaximum(int bar, int maximum) override;
  void stepValue(int bar, int value) override;

 private:
  void show(double fraction);

  Ui& ui_;
  Job job_;
  double total_;
  double done_ = 0;
  double units_ = 0;
  double firstShare_ = 1;
  double stepFraction_ = 0;
  int maxima_[2] = {0, 0};
  int shown_ = -1;
};

}  // namespace zova::backup
