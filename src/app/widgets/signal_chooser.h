// The recorder's choice of signals: a tree of the groups (inputs, outputs, sensors, positions, the error
// report), each signal under its point label, a group's box choosing or clearing all of it.
#pragma once

#include <QTreeWidget>

#include "recorder/black_box.h"
#include "recorder/recorder.h"
#include "recorder/recording.h"
#include "recorder/recording_file.h"
#include "recorder/signal_set.h"
#include "recorder/trigger.h"

namespace zova::app {

class SignalChooser : public QTreeWidget {
  Q_OBJECT
 public:
  explicit SignalChooser(QWidget* parent = nullptr);
  // Lists the signals of a controller with `axes` axes; what was chosen stays chosen where it still exists.
  void setAxes(int axes);
  [[nodiscard]] recorder::SignalSet chosen() const;
  void choose(const recorder::SignalSet& set);

 private:
  int axes_ = 0;
};

}  // namespace zova::app
