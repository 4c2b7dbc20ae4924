// The timeline's drawing and its mouse.
#include "app/widgets/timeline.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/widgets/window_util.h"

namespace zova::app {

namespace {

constexpr int kLabelWidth = 150;
constexpr int kAxisHeight = 22;
constexpr int kBitRow = 18;
constexpr int kNumberRow = 54;
constexpr int kTickSpacing = 90;  // the least room between two labelled ticks, in pixels
constexpr Micros kLeastSpan{1000};
constexpr Micros kLiveSpan = std::chrono::seconds(30);

// Tick steps in milliseconds: 1-2-5 below a second, then what clocks count in.
constexpr qint64 kSteps[] = {1,      2,      5,       10,      20,      50,       100,      200,      500,
                             1000,   2000,   5000,    10000,   15000,   30000,    60000,    120000,   300000,
                             600000, 900000, 1800000, 3600000, 7200000, 10800000, 21600000, 43200000, 86400000};

}  // namespace

QColor Timeline::traceColour() { return {0, 110, 40}; }
QColor Timeline::gapColour() { return {250, 215, 215}; }

Timeline::Timeline(QWidget* parent) : QWidget(parent) {
  setObjectName("timeline");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 200);
  setAccessibleName(tr("Timeline"));
  vbar_ = new QScrollBar(Qt::Vertical, this);
  vbar_->setObjectName("sbTimelineRows");
  vbar_->setAccessibleName(tr("Rows of the timeline"));
  connect(vbar_, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void Timeline::showRecording(const recorder::Recording& r) {
  data_.assign(r);
  whole_ = data_.span(0, data_.size());
  trigger_.reset();
  cursor_.reset();
  fitAll();
}

void Timeline::reset(const recorder::SignalSet& set, recorder::Utc start) {
  data_.reset(set, start);
  whole_ = {};
  trigger_.reset();
  cursor_.reset();
  following_ = true;
  from_ = Micros{0};
  to_ = kLiveSpan;
  updateScrollRange();
  update();
}

void Timeline::append(const recorder::Sample& s) {
  data_.append(s);
  whole_.merge(data_.span(data_.size() - 1, data_.size()), data_.numbers());
}

void Timeline::refresh() {
  if (following_ && data_.size() > 0) {
    const Micros span = to_ - from_;
    to_ = std::max(span, data_.at(data_.size() - 1));
    from_ = to_ - span;
  }
  update();
}

void Timeline::setTrigger(std::optional<Micros> at) {
  trigger_ = at;
  update();
}

void Timeline::setView(Micros from, Micros to) {
  from_ = from;
  to_ = std::max(to, from + kLeastSpan);
  following_ = data_.size() > 0 && to_ >= data_.at(data_.size() - 1);
  update();
}

void Timeline::fitAll() {
  const Micros last = data_.size() > 0 ? data_.at(data_.size() - 1) : Micros{0};
  const Micros first = data_.size() > 0 ? data_.at(0) : Micros{0};
  // A little room after the last sample, so that its value is seen held.
  setView(first, last + std::max(kLeastSpan, (last - first) / 50));
  updateScrollRange();
}

QRect Timeline::plotRect() const {
  const int bar = vbar_->isVisible() ? vbar_->width() : 0;
  return {kLabelWidth, kAxisHeight, std::max(1, width() - kLabelWidth - bar), std::max(1, height() - kAxisHeight)};
}

double Timeline::xOf(Micros t) const {
  const QRect plot = plotRect();
  return plot.left() +
         static_cast<double>((t - from_).count()) * plot.width() / static_cast<double>((to_ - from_).count());
}

Micros Timeline::timeAt(double x) const {
  const QRect plot = plotRect();
  return from_ + Micros(std::llround((x - plot.left()) * static_cast<double>((to_ - from_).count()) / plot.width()));
}

int Timeline::rowHeight(int row) const {
  return data_.numberOf(static_cast<std::size_t>(row)) < 0 ? kBitRow : kNumberRow;
}

int Timeline::contentHeight() const {
  int h = 0;
  for (std::size_t r = 0; r < data_.set().list.size(); ++r) h += rowHeight(static_cast<int>(r));
  return h;
}

QRect Timeline::rowRect(int row) const {
  int top = kAxisHeight - vbar_->value();
  for (int r = 0; r < row; ++r) top += rowHeight(r);
  return {0, top, width() - (vbar_->isVisible() ? vbar_->width() : 0), rowHeight(row)};
}

void Timeline::updateScrollRange() {
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  vbar_->setGeometry(width() - extent, kAxisHeight, extent, std::max(0, height() - kAxisHeight));
  const int hidden = contentHeight() - (height() - kAxisHeight);
  vbar_->setVisible(hidden > 0);
  vbar_->setRange(0, std::max(0, hidden));
  vbar_->setPageStep(std::max(1, height() - kAxisHeight));
  vbar_->setSingleStep(kBitRow);
}

void Timeline::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  updateScrollRange();
}

qint64 Timeline::epochMs(Micros t) const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(data_.start().time_since_epoch() + t).count();
}

QString Timeline::localTime(Micros t) const {
  return QDateTime::fromMSecsSinceEpoch(epochMs(t)).toString("yyyy-MM-dd HH:mm:ss.zzz");
}

std::optional<std::size_t> Timeline::sampleAt(Micros t) const {
  const std::size_t after = data_.firstFrom(t + Micros(1));
  if (after == 0 || (after == data_.size() && t > data_.at(data_.size() - 1))) return std::nullopt;
  return after - 1;
}

QString Timeline::valueText(int row, Micros t) const {
  const std::optional<std::size_t> i = sampleAt(t);
  if (!i || data_.gap(*i)) return QStringLiteral("—");
  const auto r = static_cast<std::size_t>(row);
  return Qs(recorder::ValueText(data_.sample(*i), data_.set().list[r]));
}

void Timeline::setCursorAt(std::optional<Micros> t) {
  cursor_ = t;
  update();
  emit cursorMoved(cursorText());
}

QString Timeline::cursorText() const {
  if (!cursor_) return {};
  QStringList lines{localTime(*cursor_)};
  for (std::size_t r = 0; r < data_.set().list.size(); ++r) {
    lines << Qs(recorder::SignalName(data_.set().list[r])) + " = " + valueText(static_cast<int>(r), *cursor_);
  }
  return lines.join('\n');
}

void Timeline::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  const QRect plot = plotRect();
  // What each pixel column held: its samples and the one before them.
  const auto width = static_cast<std::size_t>(plot.width());
  std::vector<TimelineSpan> columns(width);
  const std::size_t n = data_.size();
  if (n > 0) {
    const Micros last = data_.at(n - 1);
    std::size_t begin = data_.firstFrom(timeAt(plot.left()));
    for (std::size_t c = 0; c < width; ++c) {
      const Micros colStart = timeAt(plot.left() + static_cast<double>(c));
      if (colStart > last) break;
      const std::size_t end = data_.firstFrom(timeAt(plot.left() + static_cast<double>(c) + 1));
      // The value held into the column joins it, so a change is drawn in the column where it shows.
      columns[c] = data_.span(begin > 0 ? begin - 1 : begin, end);
      begin = end;
    }
  }
  p.setClipRect(QRect(plot.left(), plot.top(), plot.width(), plot.height()));
  for (std::size_t c = 0; c < width; ++c) {
    if (columns[c].gap) p.fillRect(QRect(plot.left() + static_cast<int>(c), plot.top(), 1, plot.height()), gapColour());
  }
  p.setClipping(false);
  paintAxis(p, plot);
  paintRows(p, plot, columns);
  if (trigger_) {
    const int x = static_cast<int>(std::floor(xOf(*trigger_)));
    if (x >= plot.left() && x <= plot.right()) {
      p.setPen(QPen(Qt::red, 1, Qt::DashLine));
      p.drawLine(x, plot.top(), x, plot.bottom());
      p.setPen(Qt::red);
      p.drawText(QRect(x + 2, 0, 60, kAxisHeight), Qt::AlignLeft | Qt::AlignBottom, tr("Trigger"));
    }
  }
  paintCursor(p, plot);
}

void Timeline::paintAxis(QPainter& p, const QRect& plot) const {
  p.setPen(palette().text().color());
  p.drawLine(plot.left(), kAxisHeight - 1, plot.right(), kAxisHeight - 1);
  const double pxPerMs = 1000.0 * plot.width() / static_cast<double>((to_ - from_).count());
  qint64 step = kSteps[std::size(kSteps) - 1];
  for (const qint64 s : kSteps) {
    if (s * pxPerMs >= kTickSpacing) {
      step = s;
      break;
    }
  }
  // Ticks fall on whole steps of the local clock (a minute tick at :00 in every time zone).
  const qint64 fromMs = epochMs(from_);
  const qint64 offset = static_cast<qint64>(QDateTime::fromMSecsSinceEpoch(fromMs).offsetFromUtc()) * 1000;
  const qint64 firstLocal = ((fromMs + offset) / step + 1) * step;
  const QString form = step < 1000 ? "HH:mm:ss.zzz" : "HH:mm:ss";
  const auto startUs = std::chrono::duration_cast<Micros>(data_.start().time_since_epoch());
  for (qint64 local = firstLocal;; local += step) {
    const Micros t = std::chrono::milliseconds(local - offset) - startUs;
    const int x = static_cast<int>(std::floor(xOf(t)));
    if (x > plot.right()) break;
    p.setPen(palette().mid().color());
    p.drawLine(x, plot.top(), x, plot.bottom());
    p.setPen(palette().text().color());
    p.drawLine(x, kAxisHeight - 5, x, kAxisHeight - 1);
    p.drawText(QRect(x - 60, 0, 120, kAxisHeight - 5), Qt::AlignCenter,
               QDateTime::fromMSecsSinceEpoch(local - offset).toString(form));
  }
}

void Timeline::paintRows(QPainter& p, const QRect& plot, const std::vector<TimelineSpan>& columns) const {
  const auto& rows = data_.set().list;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    const QRect band = rowRect(row);
    if (band.bottom() < plot.top() || band.top() > plot.bottom()) continue;
    p.setClipRect(QRect(0, plot.top(), width(), plot.height()));
    p.setPen(palette().midlight().color());
    p.drawLine(0, band.bottom(), plot.right(), band.bottom());
    p.setPen(palette().text().color());
    p.drawText(band.adjusted(4, 0, -(width() - kLabelWidth) - 4, 0), Qt::AlignVCenter | Qt::AlignLeft,
               Qs(recorder::SignalName(rows[r])));
    const int top = band.top() + 3;
    const int bottom = band.bottom() - 3;
    const int number = data_.numberOf(r);
    const recorder::Signal s = rows[r];
    const auto k = static_cast<std::size_t>(std::max(0, number));
    const double lo = number >= 0 ? whole_.lo[k] : 0.0;
    const double hi = number >= 0 ? whole_.hi[k] : 1.0;
    auto yOf = [&](double v) {
      if (hi <= lo) return (top + bottom) / 2;
      return bottom - static_cast<int>(std::lround((v - lo) * (bottom - top) / (hi - lo)));
    };
    if (number >= 0 && whole_.values) {
      QFont small = font();
      small.setPointSizeF(small.pointSizeF() * 0.8);
      p.setFont(small);
      p.drawText(QRect(kLabelWidth - 70, band.top(), 66, 14), Qt::AlignRight, QString::number(hi, 'g', 8));
      p.drawText(QRect(kLabelWidth - 70, band.bottom() - 14, 66, 14), Qt::AlignRight, QString::number(lo, 'g', 8));
      p.setFont(font());
    }
    // Each column a vertical stroke from its lowest to its highest; runs of flat columns as one line.
    std::vector<QLine> lines;
    int runStart = -1, runY = 0;
    auto flush = [&](int endX) {
      if (runStart >= 0) lines.emplace_back(runStart, runY, endX, runY);
      runStart = -1;
    };
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const TimelineSpan& col = columns[c];
      const int x = plot.left() + static_cast<int>(c);
      if (!col.values) {
        flush(x - 1);
        continue;
      }
      int yLo = 0, yHi = 0;
      if (number < 0) {
        const bool inputs = s.group == recorder::Group::Inputs;
        const std::uint64_t anyOn = inputs ? col.inOr : col.outOr;
        const std::uint64_t allOn = inputs ? col.inAnd : col.outAnd;
        const bool high = ((anyOn >> s.index) & 1U) != 0;
        const bool low = ((allOn >> s.index) & 1U) == 0;
        yHi = high ? top : bottom;
        yLo = low ? bottom : top;
      } else {
        yLo = yOf(col.lo[k]);
        yHi = yOf(col.hi[k]);
      }
      if (yLo == yHi) {
        if (runStart >= 0 && runY != yLo) flush(x - 1);
        if (runStart < 0) runStart = x, runY = yLo;
        continue;
      }
      flush(x - 1);
      lines.emplace_back(x, yLo, x, yHi);
    }
    flush(plot.left() + static_cast<int>(columns.size()) - 1);
    p.setClipRect(QRect(plot.left(), std::max(plot.top(), band.top()), plot.width(), band.height()));
    p.setPen(QPen(traceColour(), 1));
    p.drawLines(lines.data(), static_cast<int>(lines.size()));
    p.setClipping(false);
  }
}

void Timeline::paintCursor(QPainter& p, const QRect& plot) const {
  if (!cursor_) return;
  const int x = static_cast<int>(std::floor(xOf(*cursor_)));
  if (x < plot.left() || x > plot.right()) return;
  p.setPen(QPen(Qt::blue, 1));
  p.drawLine(x, plot.top(), x, plot.bottom());
  const QString time = localTime(*cursor_).mid(11);
  const int w = fontMetrics().horizontalAdvance(time) + 8;
  const QRect box(std::min(x + 2, plot.right() - w), 1, w, kAxisHeight - 3);
  p.fillRect(box, palette().toolTipBase());
  p.setPen(palette().toolTipText().color());
  p.drawText(box, Qt::AlignCenter, time);
  p.setClipRect(plot);
  for (std::size_t r = 0; r < data_.set().list.size(); ++r) {
    const QRect band = rowRect(static_cast<int>(r));
    if (band.bottom() < plot.top() || band.top() > plot.bottom()) continue;
    p.setPen(Qt::blue);
    p.drawText(QRect(x + 4, band.top(), 120, band.height()), Qt::AlignVCenter | Qt::AlignLeft,
               valueText(static_cast<int>(r), *cursor_));
  }
  p.setClipping(false);
}

void Timeline::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps != 0) zoom(event->position().x(), steps);
  event->accept();
}

void Timeline::zoom(double at, double steps) {
  const Micros t = timeAt(at);
  const double factor = std::pow(0.8, steps);
  const auto scale = [factor](Micros d) { return Micros(std::llround(static_cast<double>(d.count()) * factor)); };
  setView(t - scale(t - from_), t + scale(to_ - t));
}

void Timeline::keyPressEvent(QKeyEvent* event) {
  // The keyboard's wheel and drag: + and - zoom around the middle, the arrows pan a tenth, Home shows all.
  const Micros tenth = (to_ - from_) / 10;
  const double middle = plotRect().center().x();
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoom(middle, 1);
      break;
    case Qt::Key_Minus:
      zoom(middle, -1);
      break;
    case Qt::Key_Left:
      setView(from_ - tenth, to_ - tenth);
      break;
    case Qt::Key_Right:
      setView(from_ + tenth, to_ + tenth);
      break;
    case Qt::Key_Home:
      fitAll();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void Timeline::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || event->position().x() < kLabelWidth) return;
  dragX_ = static_cast<int>(event->position().x());
  dragFrom_ = from_;
}

void Timeline::mouseMoveEvent(QMouseEvent* event) {
  const double x = event->position().x();
  if (dragX_) {
    const Micros span = to_ - from_;
    const Micros shift(std::llround((*dragX_ - x) * static_cast<double>(span.count()) / plotRect().width()));
    setView(dragFrom_ + shift, dragFrom_ + shift + span);
  }
  setCursorAt(x >= plotRect().left() && x <= plotRect().right() ? std::optional(timeAt(x)) : std::nullopt);
}

void Timeline::mouseReleaseEvent(QMouseEvent*) { dragX_.reset(); }

void Timeline::leaveEvent(QEvent*) {
  if (!dragX_) setCursorAt(std::nullopt);
}

}  // namespace zova::app
