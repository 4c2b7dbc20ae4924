// A Port to a controller behind a serial device server: raw TCP, or Telnet with COM Port Control, which
// also sets the server's serial line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/line_settings.h"
#include "net/net_socket.h"
#include "net/network_address.h"
#include "link/port.h"
#include "net/telnet.h"

namespace zova::net {

class NetworkPort : public Port {
 public:
  // `openLimit` bounds the connection and, for Telnet, the negotiation and the line setting.
  NetworkPort(NetworkAddress address, LineSettings line, Duration openLimit);
  ~NetworkPort() override;
  NetworkPort(const NetworkPort&) = delete;
  NetworkPort& operator=(const NetworkPort&) = delete;

  // The operator's request to stop: the open's waits (lookup, connection, negotiation) give up within
  // net::kStopCheck once it says so, and so do the waits before the controller has first answered.
  void stopWhen(net::StopCheck stopped) { stopped_ = std::move(stopped); }

  bool open(std::string& error) override;
  void close() override;
  [[nodiscard]] bool isOpen() const override { return socket_ != net::kNoSocket && fault_.empty(); }
  [[nodiscard]] std::string name() const override { return FormatNetworkAddress(address_); }
  // Gathers the bytes; they leave together before the next read or wait (flush), so one turn of the
  // protocol is one segment on the network rather than one per byte.
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override;
  [[nodiscard]] std::string linkFault() const override;
  // Sends what write() gathered.
  void flush();

 protected:
  // Blocks until the socket has bytes or `max` has passed; the desktop serves its windows meanwhile.
  virtual void waitSocket(net::Handle socket, Duration max) { net::WaitReadable(socket, max); }

 private:
  // Moves what the socket holds into `pending_`; false once the connection has ended.
  bool pump();
  bool negotiate(std::string& error);
  void awaitServerOpening();
  // Looks at the first data of the connection: a Telnet server's negotiation on a raw port, or a line of
  // text such as a busy server's "Port's device already in use".
  void noteData(const std::uint8_t* data, std::size_t size);
  // `reason` followed by what the server said, if it said anything.
  [[nodiscard]] std::string withServerText(const std::string& reason) const;
  [[nodiscard]] bool stopRequested() const { return stopped_ && stopped_(); }

  NetworkAddress address_;
  LineSettings line_;
  Duration openLimit_;
  net::StopCheck stopped_;
  net::Handle socket_ = net::kNoSocket;
  telnet::Session telnet_;
  std::vector<std::uint8_t> pending_;  // data received and not yet read
  std::vector<std::uint8_t> out_;      // data written and not yet sent
  std::string fault_;
  TimePoint sentAt_{};          // when bytes last went out
  std::size_t unanswered_ = 0;  // bytes sent since the server last sent data
  std::size_t heard_ = 0;       // data bytes received on this connection
  std::uint8_t first_ = 0;      // the first of them
  std::string said_;            // the text the connection began with, while it is only text
  bool onlyText_ = true;        // every data byte so far was printable text
  bool stopSeen_ = false;       // a wait already gave up for the stop
};

}  // namespace zova::net
