// A Port to a controller behind a serial device server: raw TCP, or Telnet with COM Port Control, which
// also sets the server's serial line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/line_settings.h"
#include "link/net_socket.h"
#include "link/network_address.h"
#include "link/port.h"
#include "link/telnet.h"

namespace zova {

class NetworkPort : public Port {
 public:
  // `openLimit` bounds the connection and, for Telnet, the negotiation and the line setting.
  NetworkPort(NetworkAddress address, LineSettings line, Duration openLimit);
  ~NetworkPort() override;
  NetworkPort(const NetworkPort&) = delete;
  NetworkPort& operator=(const NetworkPort&) = delete;

  bool open(std::string& error) override;
  void close() override;
  [[nodiscard]] bool isOpen() const override { return socket_ != net::kNoSocket && fault_.empty(); }
  [[nodiscard]] std::string name() const override { return FormatNetworkAddress(address_); }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override;
  [[nodiscard]] std::string linkFault() const override { return fault_.empty() ? fault_ : name() + ": " + fault_; }

 protected:
  // Blocks until the socket has bytes or `max` has passed; the desktop serves its windows meanwhile.
  virtual void waitSocket(net::Handle socket, Duration max) { net::WaitReadable(socket, max); }

 private:
  // Moves what the socket holds into `pending_`; false once the connection has ended.
  bool pump();
  bool negotiate(std::string& error);

  NetworkAddress address_;
  LineSettings line_;
  Duration openLimit_;
  net::Handle socket_ = net::kNoSocket;
  telnet::Session telnet_;
  std::vector<std::uint8_t> pending_;  // data received and not yet read
  std::string fault_;
};

}  // namespace zova
