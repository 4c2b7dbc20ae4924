// Scripted measurement runs.
#include "app/measurement.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include <sys/resource.h>

#include "app/qt/qt_sim_port.h"
#include "app/windows/frm_line_monitor.h"
#include "app/windows/frm_main.h"
#include "app/windows/frm_recorder.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"
#include "app/widgets/timeline.h"

namespace zova::app {

namespace {

int startup() {
  FrmSplash splash;
  splash.show();
  QTimer::singleShot(0, &splash, [&splash] { splash.accept(); });
  splash.exec();
  return 0;
}

// VmRSS of this process in KiB, from /proc.
long residentKiB() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

// The main window connected to the measured port, the line monitor open when asked.
struct Rig {
  explicit Rig(const StartOptions& options)
      : port(options.port.empty() ? "sim" : QString::fromStdString(options.port)) {
    session.axes = options.axes > 0 ? options.axes : 4;
    session.ui.interceptor = [](std::string_view text, MessageIcon) {
      std::fprintf(stderr, "%s\n", std::string(text).c_str());
      return MessageResult::Ok;
    };
    main = std::make_unique<FrmMain>(session);
    RegisterScreens(*main);
    main->show();
    main->ports().openPort(port);
    if (options.monitor) monitor = dynamic_cast<FrmLineMonitor*>(main->openLineMonitor());
  }
  ~Rig() { main->close(); }
  Session session;
  QString port;
  std::unique_ptr<FrmMain> main;
  QPointer<FrmLineMonitor> monitor;  // the end of the run closes it
};

int locReceiveAll(const StartOptions& options) {
  Rig rig(options);
  if (!rig.session.port.isOpen()) return 1;
  if (auto* sim = dynamic_cast<QtSimPort*>(rig.session.port.current())) {
    for (int i = 0; i < 2500; ++i) sim->controller().positions.locations[static_cast<std::size_t>(i)][0] = i;
  }
  rig.main->openScreen("mnuLoc");
  QWidget* loc = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "frmLoc" && w->isVisible()) loc = w;
  }
  auto* all = loc != nullptr ? loc->findChild<QPushButton*>("cmdLocReceive_2") : nullptr;
  if (all == nullptr) return 1;
  QElapsedTimer timer;
  timer.start();
  all->click();  // returns when the 2500 exchanges are done
  const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  std::printf("loc-receive-all%s: %.3f s, %s\n", options.monitor ? " (line monitor open)" : "", seconds,
              qPrintable(rig.session.activity.lastResult()));
  loc->close();
  // Judged by the table, not by the status text, which reads in the chosen language.
  const positions::PositionTable& table = rig.session.positions.LocTable;
  for (int i = 0; i < 2500; ++i) {
    if (table[i][0] != i) return 1;
  }
  return 0;
}

int poll(const StartOptions& options, int seconds) {
  Rig rig(options);
  if (!rig.session.port.isOpen() || seconds <= 0) return 1;
  rig.main->panel().cmdIoStatus[0]->click();
  QElapsedTimer timer;
  timer.start();
  auto report = [&] {
    std::printf("%6.0f s  VmRSS %ld KiB", static_cast<double>(timer.elapsed()) / 1000.0, residentKiB());
    if (rig.monitor) {
      std::printf("  monitor: %zu lines kept of %llu bytes", rig.monitor->record().size(),
                  static_cast<unsigned long long>(rig.monitor->record().recorded()));
    }
    std::printf("\n");
    std::fflush(stdout);
  };
  report();
  QTimer minute;
  QObject::connect(&minute, &QTimer::timeout, report);
  minute.start(60 * 1000);
  // The last report comes before the quit, which closes every window.
  QTimer::singleShot(seconds * 1000, qApp, [&] {
    minute.stop();
    report();
    QCoreApplication::quit();
  });
  return QApplication::exec();
}

// Processor time this process used so far, user and system, in seconds.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The recorder as fast as the line allows for `seconds`, the timeline scrolled left and right every 50 ms as a hand
// would.
int record(const StartOptions& options, int seconds) {
  Rig rig(options);
  if (!rig.session.port.isOpen() || seconds <= 0) return 1;
  // The built-in simulator answers at once: held to a 115200-baud line, "as fast as the line allows" means
  // what it means on a plant's port.
  if (auto* sim = dynamic_cast<QtSimPort*>(rig.session.port.current())) sim->setLineSpeed(115200 / 10);
  FrmRecorder* recorder = rig.main->openRecorder();
  if (auto* fastest = recorder->findChild<QCheckBox*>("chkFastest")) fastest->setChecked(true);
  recorder->start();
  if (!recorder->recording()) return 1;
  const double cpuBefore = CpuSeconds();
  QElapsedTimer timer;
  timer.start();
  QTimer scroll;
  int steps = 0;
  QObject::connect(&scroll, &QTimer::timeout, [&] {
    QKeyEvent key(QEvent::KeyPress, ++steps % 2 == 0 ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&recorder->timeline(), &key);
  });
  scroll.start(50);
  QTimer::singleShot(seconds * 1000, qApp, [&] {
    scroll.stop();
    recorder->stop();
    const double wall = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const std::size_t samples = recorder->timeline().data().size();
    std::printf("record: %.1f s, %zu samples (%.1f a second), CPU %.1f%% of one core\n", wall, samples,
                static_cast<double>(samples) / wall, 100 * (CpuSeconds() - cpuBefore) / wall);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  return QApplication::exec();
}

}  // namespace

int RunMeasurement(const StartOptions& options) {
  const QString what = QString::fromStdString(options.measure);
  if (what == "startup") return startup();
  if (what == "loc-receive-all") return locReceiveAll(options);
  if (what.startsWith("poll:")) return poll(options, what.mid(5).toInt());
  if (what.startsWith("record:")) return record(options, what.mid(7).toInt());
  std::fprintf(stderr, "%s\n",
               qPrintable(QCoreApplication::translate("zova::app::Measurement", "unknown measurement: %1").arg(what)));
  return 2;
}

}  // namespace zova::app
