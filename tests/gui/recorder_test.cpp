// The recorder's timeline drawn offscreen, the recorder window's black box and alarms on the built-in
// simulator, and the alarm log window's order and filters.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QSpinBox>
#include <QWheelEvent>

#include "alarms/alarm_log.h"
#include "app/windows/frm_alarm_log.h"
#include "app/windows/frm_recorder.h"
#include "gui_support.h"
#include "sim/controller.h"

#undef signals  // SignalSet::signals

namespace zova::test {

namespace {

using namespace std::chrono_literals;
using recorder::Group;
using recorder::Micros;

// The timeline has the data folder of a test's own while it lives.
struct DataFolder {
  explicit DataFolder(const QString& path) : before(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", path.toUtf8());
  }
  ~DataFolder() { before.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", before); }
  QByteArray before;
};

// in00 low until 2.000 s, then high; nothing read from 2.500 s to 3.000 s; a sample every 10 ms to 4 s.
recorder::Recording KnownRecording() {
  recorder::Recording r{
      .set = {.axes = 1, .list = {{Group::Inputs, 0}, {Group::ActualPositions, 0}}}, .start = {}, .samples = {}};
  for (Micros t = 0ms; t <= 4000ms; t += 10ms) {
    if (t > 2500ms && t < 3000ms) continue;
    recorder::Sample s{.at = t, .gap = t == 2500ms};
    s.inputs = t >= 2000ms ? 1 : 0;
    s.actual[0] = static_cast<std::int32_t>(t.count() / 1000);  // a ramp, in hundredths
    r.samples.push_back(s);
  }
  return r;
}

bool Trace(const QImage& image, int x, int y) { return image.pixelColor(x, y) == app::Timeline::traceColour(); }

}  // namespace

TEST(Timeline, DrawsAnEdgeWhereTheAxisPutsItsTimeAndNoTraceInAGap) {
  app::Timeline timeline;
  timeline.resize(900, 300);
  timeline.showRecording(KnownRecording());
  timeline.setView(0ms, 4000ms);
  QImage image(timeline.size(), QImage::Format_ARGB32);
  timeline.render(&image);
  const QRect row = timeline.rowRect(0);
  const int low = row.bottom() - 3, high = row.top() + 3, middle = row.center().y();
  const int edge = static_cast<int>(std::floor(timeline.xOf(2000ms)));
  // The rise is a vertical stroke at the axis's x for 2.000 s, within a pixel; low before it, high after it.
  EXPECT_TRUE(Trace(image, edge - 1, middle) || Trace(image, edge, middle) || Trace(image, edge + 1, middle));
  for (int x : {edge - 6, edge + 6}) EXPECT_FALSE(Trace(image, x, middle)) << x;
  EXPECT_TRUE(Trace(image, edge - 6, low) && !Trace(image, edge - 6, high));
  EXPECT_TRUE(Trace(image, edge + 6, high) && !Trace(image, edge + 6, low));
  // Inside the gap no row has a trace, in any pixel, and the band shows.
  const int gapFrom = static_cast<int>(timeline.xOf(2520ms)), gapTo = static_cast<int>(timeline.xOf(2980ms));
  ASSERT_GT(gapTo - gapFrom, 20);
  for (int r = 0; r < 2; ++r) {
    const QRect band = timeline.rowRect(r);
    for (int x = gapFrom; x <= gapTo; ++x)
      for (int y = band.top(); y <= band.bottom(); ++y) ASSERT_FALSE(Trace(image, x, y)) << r << " " << x << "," << y;
  }
  EXPECT_EQ(image.pixelColor((gapFrom + gapTo) / 2, low), app::Timeline::gapColour());
  // The wheel zooms around the mouse: the time under it stays under it.
  const double mouse = timeline.xOf(1000ms);
  QWheelEvent notch({mouse, 50.0}, {mouse, 50.0}, {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&timeline, &notch);
  EXPECT_NEAR(timeline.timeAt(mouse).count(), 1'000'000, 5'000);
  EXPECT_LT(timeline.viewTo() - timeline.viewFrom(), 4000ms);
  // The cursor reads every value under it: the held sample's, and none in the gap.
  timeline.setCursorAt(2105ms);
  EXPECT_TRUE(timeline.cursorText().endsWith("\nin00 E-STOP = 1\naxis1 actual = 21.00"))
      << timeline.cursorText().toStdString();
  timeline.setCursorAt(2700ms);
  EXPECT_TRUE(timeline.cursorText().endsWith("\nin00 E-STOP = —\naxis1 actual = —"))
      << timeline.cursorText().toStdString();
}

TEST(RecorderWindow, ErrorTriggerSavesItsCaptureInTheDataFolderAndLogsTheAlarmWithIt) {
  MainRig rig(2, true);
  DataFolder data(rig.dir.path());
  rig.main->findChild<QAction*>("mnuRecorder")->trigger();
  QPointer<QWidget> window = TopWindow("frmRecorder");
  auto* recorderWindow = qobject_cast<app::FrmRecorder*>(window);
  ASSERT_NE(recorderWindow, nullptr);
  Find<QComboBox>(window, "cboTrigger")->setCurrentIndex(1);  // controller error
  Find<QDoubleSpinBox>(window, "spnPre")->setValue(0.2);
  Find<QDoubleSpinBox>(window, "spnPost")->setValue(0.2);
  Find<QSpinBox>(window, "spnInterval")->setValue(10);
  Click(window, "cmdStart");
  ASSERT_TRUE(recorderWindow->recording());
  ASSERT_TRUE(QTest::qWaitFor([&] { return recorderWindow->timeline().data().size() > 20; }, 10000));
  Controller(rig).machine.errorCode = 4;
  Controller(rig).machine.errorValue = 1;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recorderWindow->saved().empty(); }, 10000));
  Click(window, "cmdStop");
  const QString capture = recorderWindow->saved().front();
  EXPECT_TRUE(capture.startsWith(rig.dir.filePath("zova/recordings/"))) << capture.toStdString();
  EXPECT_TRUE(capture.endsWith("-error.csv")) << capture.toStdString();
  EXPECT_TRUE(recorderWindow->timeline().trigger().has_value());
  std::unique_ptr<alarms::AlarmLog> log;
  std::vector<alarms::Alarm> logged;
  ASSERT_TRUE(alarms::AlarmLog::Open(alarms::DefaultAlarmLogPath(), log));
  ASSERT_TRUE(log->list("", logged));
  ASSERT_EQ(logged.size(), 1U);
  EXPECT_EQ(logged[0].code, 4);
  EXPECT_EQ(logged[0].recording, capture.toStdString());
  // The capture reads back with the trigger's seconds around it, the trigger marked from its name.
  ASSERT_TRUE(recorderWindow->openFile(capture));
  const app::TimelineData& back = recorderWindow->timeline().data();
  ASSERT_GT(back.size(), 2U);
  EXPECT_LE(back.at(back.size() - 1) - back.at(0), 450ms);
  ASSERT_TRUE(recorderWindow->timeline().trigger().has_value());
  EXPECT_GE(*recorderWindow->timeline().trigger(), back.at(0));
  // A refused file names its line.
  WriteFile(rig.file("bad.csv"), "time,in00 E-STOP\n2026-12-07T22:30:01.123Z,7\n");
  EXPECT_FALSE(recorderWindow->openFile(rig.file("bad.csv")));
  ASSERT_EQ(rig.messages.size(), 1U);
  EXPECT_NE(rig.taken()[0].find("bad.csv:2:"), std::string::npos);
}

TEST(AlarmLogWindow, ShowsNewestFirstAndItsFiltersNarrowTheRows) {
  MainRig rig;
  const QString path = rig.file("alarms.sqlite");
  {
    std::unique_ptr<alarms::AlarmLog> log;
    ASSERT_TRUE(alarms::AlarmLog::Open(path.toStdString(), log));
    for (const alarms::Alarm& a : {alarms::Alarm{"2026-12-06T12:00:00.000Z", 4, 1, "overtravel", "sim", ""},
                                   alarms::Alarm{"2026-12-07T12:00:00.000Z", 9, 2, "servo alarm", "/dev/ttyUSB0", ""},
                                   alarms::Alarm{"2026-12-05T12:00:00.000Z", 4, 3, "overtravel", "/dev/ttyUSB0", ""}})
      ASSERT_TRUE(log->add(a));
  }
  app::FrmAlarmLog window(rig.session, rig.main.get(), path);
  auto values = [&] {
    std::vector<int> out;
    for (const alarms::Alarm& a : window.shown()) out.push_back(a.value);
    return out;
  };
  EXPECT_EQ(values(), (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(window.table()->item(0, 3)->text(), "servo alarm");
  SetText(&window, "txtFilter", "OVERTRAVEL");
  EXPECT_EQ(values(), (std::vector<int>{1, 3}));
  Find<QDateEdit>(&window, "dteSince")->setDate(QDate(2026, 12, 6));
  Click(&window, "chkSince");
  EXPECT_EQ(values(), (std::vector<int>{1}));
  SetText(&window, "txtFilter", "");
  EXPECT_EQ(values(), (std::vector<int>{2, 1}));
}

}  // namespace zova::test
