// The recorder window: the signals to record, Start, Stop and Clear, the interval, the black box's trigger
// with its seconds before and after, and the timeline. The core's recorder samples only while the line is
// idle, so the main window's polling and every operation take their turn and leave a gap in the recording.
// A trigger's capture goes into the user's data folder by itself; a stop or the window's closing still
// writes the capture under way whole.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/session.h"
#include "app/widgets/signal_chooser.h"
#include "app/widgets/timeline.h"
#include "recorder/black_box.h"
#include "recorder/recorder.h"
#include "recorder/recording.h"
#include "recorder/recording_file.h"
#include "recorder/signal_set.h"
#include "recorder/trigger.h"

namespace zova::app {

class FrmRecorder : public QWidget {
  Q_OBJECT
 public:
  FrmRecorder(Session& session, QWidget* parent);
  ~FrmRecorder() override;

  // Where the black box puts its captures: the user's data folder's "recordings".
  static QString RecordingsFolder();

  void start();
  void stop();
  void clear();
  // Reads a CSV or VCD recording into the timeline, after stopping the recording under way; a refused file
  // is said naming its line. A capture's name carries its trigger's time, which the timeline marks.
  bool openFile(const QString& path);
  bool saveFile(const QString& path);
  bool exportPng(const QString& path);
  [[nodiscard]] bool recording() const { return rec_ != nullptr; }
  [[nodiscard]] Timeline& timeline() { return *timeline_; }
  [[nodiscard]] SignalChooser& signalChooser() { return *signals_; }
  // The captures the black box saved since the window opened.
  [[nodiscard]] const std::vector<QString>& saved() const { return saved_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildSettings();
  void triggerKindChanged();
  bool readTrigger(const recorder::SignalSet& set, recorder::RecorderSettings& settings);
  void turn();
  void takeNewSamples();
  void noteError(const recorder::Sample& s);
  void saveCapture(const recorder::Capture& c);
  void showState();

  Session& session_;
  SignalChooser* signals_ = nullptr;
  Timeline* timeline_ = nullptr;
  QCheckBox* chkFastest_ = nullptr;
  QSpinBox* spnInterval_ = nullptr;
  QComboBox* cboTrigger_ = nullptr;
  QComboBox* cboTriggerSignal_ = nullptr;
  QDoubleSpinBox* spnLevel_ = nullptr;
  QDoubleSpinBox* spnPre_ = nullptr;
  QDoubleSpinBox* spnPost_ = nullptr;
  QPushButton* cmdStart_ = nullptr;
  QPushButton* cmdStop_ = nullptr;
  QPushButton* cmdOpen_ = nullptr;
  QLabel* lblState_ = nullptr;
  QTimer* turnTimer_ = nullptr;
  QTimer* drawTimer_ = nullptr;
  QString lastFile_;

  std::unique_ptr<recorder::Recorder> rec_;
  std::optional<recorder::Trigger> trigger_;
  recorder::Utc start_{};
  QElapsedTimer clock_;
  std::size_t handed_ = 0;                       // ring entries the timeline has
  std::optional<recorder::Sample> lastValues_;   // the last sample with values, for the trigger's mark
  bool capturing_ = false;                       // a trigger fired; its capture is not saved yet
  int lastCode_ = 0, lastValue_ = 0;             // the error report last read
  std::vector<std::pair<int, int>> heldAlarms_;  // errors that wait for their capture's file name
  std::vector<QString> saved_;
  bool turning_ = false;
  bool stopAfterTurn_ = false;
  bool closeAfterTurn_ = false;
};

}  // namespace zova::app
