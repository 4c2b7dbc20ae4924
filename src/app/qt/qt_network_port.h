// The network port for the desktop: its waits run a local event loop so windows keep repainting.
#pragma once

#include "link/network_port.h"

namespace zova::app {

class QtNetworkPort final : public NetworkPort {
 public:
  using NetworkPort::NetworkPort;

 protected:
  void waitSocket(net::Handle socket, Duration max) override;
};

}  // namespace zova::app
