// QSerialPort adapter.
#include "app/qt/qt_serial_port.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <linux/major.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include "base/translation.h"

namespace zova::app {

namespace {

QSerialPort::Parity toParity(char p) {
  switch (p) {
    case 'e':
      return QSerialPort::EvenParity;
    case 'o':
      return QSerialPort::OddParity;
    case 'm':
      return QSerialPort::MarkParity;
    case 's':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits toStopBits(int timesTen) {
  if (timesTen == 15) return QSerialPort::OneAndHalfStop;
  if (timesTen == 20) return QSerialPort::TwoStop;
  return QSerialPort::OneStop;
}

QSerialPort::FlowControl toFlow(FlowControl f) {
  switch (f) {
    case FlowControl::XonXoff:
      return QSerialPort::SoftwareControl;
    case FlowControl::RtsCts:
    case FlowControl::RtsCtsXonXoff:
      return QSerialPort::HardwareControl;
    case FlowControl::None:
      break;
  }
  return QSerialPort::NoFlowControl;
}

}  // namespace

#ifdef Q_OS_LINUX
LowLatency RequestLowLatency(int fd) {
  struct stat device {};
  if (::fstat(fd, &device) != 0 || !S_ISCHR(device.st_mode)) return LowLatency::Refused;
  const unsigned major = ::major(device.st_rdev);
  if (major >= UNIX98_PTY_SLAVE_MAJOR && major < UNIX98_PTY_SLAVE_MAJOR + UNIX98_PTY_MAJOR_COUNT) {
    return LowLatency::PseudoTerminal;
  }
  serial_struct serial{};
  if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return LowLatency::Refused;
  if ((serial.flags & ASYNC_LOW_LATENCY) != 0) return LowLatency::Set;
  serial.flags |= ASYNC_LOW_LATENCY;
  return ::ioctl(fd, TIOCSSERIAL, &serial) == 0 ? LowLatency::Set : LowLatency::Refused;
}
#endif

std::string DescribeOpenError(QSerialPort::SerialPortError error, const QString& device, const QString& text) {
  switch (error) {
    case QSerialPort::PermissionError:
      return Tr(
          "{1}: permission denied (the port is in use, or this user may not open it; on Linux add the user to "
          "the group that owns the device, usually \"dialout\")",
          {device.toStdString()});
    case QSerialPort::DeviceNotFoundError:
      return Tr("{1}: no such serial port", {device.toStdString()});
    default:
      return (device + ": " + text).toStdString();
  }
}

QtSerialPort::QtSerialPort(QString device, LineSettings settings, FlowControl flow, bool serveEvents)
    : device_(std::move(device)), settings_(settings), flow_(flow), serveEvents_(serveEvents) {}

QtSerialPort::~QtSerialPort() { close(); }

bool QtSerialPort::open(std::string& error) {
  broken_ = false;
  if (!PortCanApply(settings_)) {
    error = Tr("{1}: the port cannot apply the settings {2}", {device_.toStdString(), FormatLineSettings(settings_)});
    return false;
  }
  port_.setPortName(device_);
  if (!port_.open(QIODevice::ReadWrite)) {
    error = DescribeOpenError(port_.error(), device_, port_.errorString());
    return false;
  }
  bool ok = port_.setBaudRate(settings_.baud) &&
            port_.setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits)) &&
            port_.setParity(toParity(settings_.parity)) && port_.setStopBits(toStopBits(settings_.stopBitsTimesTen)) &&
            port_.setFlowControl(toFlow(flow_));
  if (!ok) {
    error = DescribeOpenError(port_.error(), device_, port_.errorString());
    port_.close();
    return false;
  }
  port_.clear();
#ifdef Q_OS_LINUX
  RequestLowLatency(port_.handle());  // a driver that refuses keeps its own timing; the port works either way
#endif
  return true;
}

void QtSerialPort::close() {
  if (!port_.isOpen()) return;
  // Single-byte requests (stop, reset) must reach the line before the device closes.
  if (!broken_ && port_.bytesToWrite() > 0) port_.waitForBytesWritten(2000);
  port_.close();
}

void QtSerialPort::noteError() {
  auto e = port_.error();
  if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError || e == QSerialPort::PermissionError) {
    broken_ = true;  // the device went away: every wait ends at once
  }
}

bool QtSerialPort::write(const std::uint8_t* data, std::size_t size) {
  if (!isOpen()) return false;
  qint64 n = port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  port_.flush();
  if (n != static_cast<qint64>(size)) noteError();
  if (serveEvents_ && n == static_cast<qint64>(size)) pacer_.wrote(transmitTime(size));
  return n == static_cast<qint64>(size);
}

std::size_t QtSerialPort::read(std::uint8_t* out, std::size_t max) {
  if (!isOpen()) return 0;
  if (port_.bytesAvailable() == 0 && !serveEvents_) {
    port_.waitForReadyRead(0);  // takes what the device holds without blocking
    noteError();
  }
  qint64 n = port_.read(reinterpret_cast<char*>(out), static_cast<qint64>(max));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

Duration QtSerialPort::transmitTime(std::size_t bytes) const {
  // Start bit, data bits, parity bit, stop bits.
  const double bits = 1 + settings_.dataBits + (settings_.parity == 'n' ? 0 : 1) + settings_.stopBitsTimesTen / 10.0;
  return std::chrono::duration_cast<Duration>(std::chrono::duration<double>(bytes * bits / settings_.baud));
}

void QtSerialPort::waitReadable(Duration max) {
  if (!isOpen() || port_.bytesAvailable() > 0) return;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(max).count();
  const int timeout = static_cast<int>(std::clamp<long long>(ms, 1, 1000));
  if (!serveEvents_) {
    port_.waitForReadyRead(timeout);
    if (port_.error() != QSerialPort::TimeoutError) noteError();
    return;
  }
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&port_, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
  QObject::connect(&port_, &QSerialPort::errorOccurred, &loop, [this, &loop](QSerialPort::SerialPortError) {
    noteError();
    loop.quit();
  });
  timer.start(timeout);
  loop.exec();
}

}  // namespace zova::app
