// The network port for the desktop: its waits run a local event loop so windows keep repainting.
#pragma once

#include <QObject>

#include "net/network_port.h"

namespace zova::app {

class QtNetworkPort final : public net::NetworkPort {
 public:
  using net::NetworkPort::NetworkPort;
  bool write(const std::uint8_t* data, std::size_t size) override;

 protected:
  void waitSocket(net::Handle socket, Duration max) override;

 private:
  QObject flushTimers_;  // ends the pending flush with the port
  bool flushQueued_ = false;
};

}  // namespace zova::app
