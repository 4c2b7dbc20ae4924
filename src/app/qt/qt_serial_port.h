// The Port over QSerialPort. Waits block on the device (no spinning); with an event loop
// running (the desktop program) they run a local loop so windows keep repainting.
#pragma once

#include <QSerialPort>
#include <QString>

#include "app/qt/line_pacer.h"
#include "link/line_settings.h"
#include "link/port.h"

namespace zova::app {

class QtSerialPort final : public Port {
 public:
  // `serveEvents`: run a local event loop while waiting (desktop); else block on the device (command line).
  QtSerialPort(QString device, LineSettings settings, FlowControl flow, bool serveEvents);
  ~QtSerialPort() override;

  bool open(std::string& error) override;
  void close() override;
  [[nodiscard]] bool isOpen() const override { return port_.isOpen() && !broken_; }
  // The device as resolved ("/dev/ttyS0" for COM1), which the operator can look for.
  [[nodiscard]] std::string name() const override { return device_.toStdString(); }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override;

 private:
  void noteError();

  mutable QSerialPort port_;
  QString device_;
  LineSettings settings_;
  FlowControl flow_;
  bool serveEvents_;
  bool broken_ = false;
  LinePacer pacer_;  // with an event loop only: the command line needs no bars
};

#ifdef Q_OS_LINUX
// What asking a serial driver for low latency came to.
enum class LowLatency { Set, PseudoTerminal, Refused };

// Asks the driver of the open serial device `fd` to pass received bytes on at once (ASYNC_LOW_LATENCY; a
// USB adapter's driver otherwise holds them up to 16 ms, and this protocol turns the line around for every
// byte group). Pseudo-terminals are left alone; a driver that refuses only keeps its own timing.
LowLatency RequestLowLatency(int fd);
#endif

// The reason a port could not be opened, in words an operator can act on.
std::string DescribeOpenError(QSerialPort::SerialPortError error, const QString& device, const QString& text);

}  // namespace zova::app
