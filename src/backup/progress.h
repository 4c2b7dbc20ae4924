// One progress bar over a whole-controller operation. The transfers it runs report on bars of their own
// (a program's two bars, a table's rows, a parameter block's bytes); this Ui folds them into one bar of
// the outer Ui and passes everything else through. It also keeps the operator's stop away from a
// transfer that must run whole, such as a table that is being written.
#pragma once

#include <string>

#include "link/link.h"
#include "link/ui.h"

namespace zova::backup {

class OverallProgress final : public Ui {
 public:
  static constexpr int kMaximum = 1000;

  // `bar` names the one bar on the outer Ui; the whole operation is worth `total` units.
  OverallProgress(Ui& outer, std::string bar, double total);

  // The next transfer is worth `units`; its first bar (index 0) covers `firstBarShare` of them, its second
  // bar (index 1) the rest.
  void beginStep(double units, double firstBarShare = 1.0);
  void endStep();

  // While held, transfers are not told of the operator's stop; the operation asks stopRequested() between them.
  void holdStop(bool hold) { hold_ = hold; }
  [[nodiscard]] bool stopRequested() { return outer_.cancelRequested(); }

  MessageResult messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                           MessageIcon icon) override {
    return outer_.messageBox(text, title, buttons, icon);
  }
  void setProgressMaximum(std::string_view bar, int index, int maximum) override;
  void setProgressValue(std::string_view bar, int index, int value) override;
  void yield() override { outer_.yield(); }
  void note(std::string_view text) override { outer_.note(text); }
  bool cancelRequested() override { return !hold_ && outer_.cancelRequested(); }

 private:
  void show(double fraction);

  Ui& outer_;
  std::string bar_;
  double total_;
  double done_ = 0;
  double units_ = 0;
  double firstShare_ = 1;
  double stepFraction_ = 0;
  int maxima_[2] = {0, 0};
  int shown_ = -1;
  bool hold_ = false;
};

// Sends a link's messages and progress through another Ui for as long as it lives.
class RouteLinkUi {
 public:
  RouteLinkUi(Link& link, Ui& ui) : link_(link), old_(link.replaceUi(ui)) {}
  ~RouteLinkUi() { link_.replaceUi(old_); }
  RouteLinkUi(const RouteLinkUi&) = delete;
  RouteLinkUi& operator=(const RouteLinkUi&) = delete;

 private:
  Link& link_;
  Ui& old_;
};

}  // namespace zova::backup
