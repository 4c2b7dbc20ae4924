// The timeline: one row per signal (inputs and outputs as logic traces, every number as a line plot on its own
// scale), a time axis in local time, the wheel zooming around the mouse (+ and - around the middle), a drag
// (or the arrows) panning, a cursor that shows the time and every value under it, the recorder's gaps as a
// band with no trace, and the trigger. Each pixel column draws the lowest and highest value its samples held
// (and the value held into it), so the cost of a frame follows the width of the view, not the samples in it.
#pragma once

#include <QScrollBar>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/widgets/timeline_data.h"

namespace zova::app {

class Timeline : public QWidget {
  Q_OBJECT
 public:
  explicit Timeline(QWidget* parent = nullptr);

  // The recording, whole in view.
  void showRecording(const recorder::Recording& r);
  // Starts over with no samples (a new live recording).
  void reset(const recorder::SignalSet& set, recorder::Utc start);
  // A live sample: the view follows the newest samples unless the operator zoomed or panned away from them.
  void append(const recorder::Sample& s);
  // Redraws after samples were appended.
  void refresh();
  [[nodiscard]] const TimelineData& data() const { return data_; }

  void setTrigger(std::optional<Micros> at);
  [[nodiscard]] std::optional<Micros> trigger() const { return trigger_; }
  void setView(Micros from, Micros to);
  void fitAll();
  [[nodiscard]] Micros viewFrom() const { return from_; }
  [[nodiscard]] Micros viewTo() const { return to_; }

  // Where the axis puts a time (the left edge of its pixel column), and the time at an x.
  [[nodiscard]] double xOf(Micros t) const;
  [[nodiscard]] Micros timeAt(double x) const;
  // The band a row is drawn in, in the widget's coordinates (rows scroll under the axis).
  [[nodiscard]] QRect rowRect(int row) const;
  // The cursor at a time (as the mouse puts it), or none.
  void setCursorAt(std::optional<Micros> t);
  // The cursor's time in local time and each signal's value under it, one "name = value" a line.
  [[nodiscard]] QString cursorText() const;
  // A time of the recording in local time, with milliseconds.
  [[nodiscard]] QString localTime(Micros t) const;

  // The colours a test finds the traces and the gaps by.
  static QColor traceColour();
  static QColor gapColour();

 Q_SIGNALS:
  void cursorMoved(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  [[nodiscard]] QRect plotRect() const;
  [[nodiscard]] int rowHeight(int row) const;
  [[nodiscard]] int contentHeight() const;
  [[nodiscard]] qint64 epochMs(Micros t) const;
  [[nodiscard]] std::optional<std::size_t> sampleAt(Micros t) const;  // the one whose values hold at t
  [[nodiscard]] QString valueText(int row, Micros t) const;
  void paintAxis(QPainter& p, const QRect& plot) const;
  void paintRows(QPainter& p, const QRect& plot, const std::vector<TimelineSpan>& columns) const;
  void paintCursor(QPainter& p, const QRect& plot) const;
  void updateScrollRange();
  // Zooms by 0.8 a step (a wheel notch) around the time at `at`, which stays where it is.
  void zoom(double at, double steps);

  TimelineData data_;
  TimelineSpan whole_;  // every sample: each number's scale
  Micros from_{0};
  Micros to_{std::chrono::seconds(10)};
  bool following_ = true;
  std::optional<Micros> trigger_;
  std::optional<Micros> cursor_;
  std::optional<int> dragX_;
  Micros dragFrom_{0};
  QScrollBar* vbar_ = nullptr;
};

}  // namespace zova::app
