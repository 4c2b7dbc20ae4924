// Opening the port with the link check, and closing it with the close-link command.
#pragma once

#include <functional>

#include "link/link.h"

namespace zova {

class Connection {
 public:
  explicit Connection(Link& link) : link_(link) {}

  // Opens the port (its reason shown when it cannot), runs the link check and empties the
  // receive buffer. A port that is already open is left alone. False when the port is closed afterwards.
  bool Open(bool checkLink = true);
  // Says goodbye with the close-link command and closes the port once the controller echoed it.
  // Does nothing while another exchange holds the link. False when the port stays open.
  bool Close();
  [[nodiscard]] bool isOpen() const { return link_.port().isOpen(); }
  // How many times Open has connected: what a controller sent is that controller's while this stays the same.
  [[nodiscard]] int openings() const { return openings_; }

  // Called after a successful open while the link is still held (the desktop refreshes the outputs).
  std::function<void()> onOpened;
  // Called when the port state changes (the desktop swaps the link picture).
  std::function<void(bool open)> onStateChanged;

 private:
  Link& link_;
  int openings_ = 0;
};

}  // namespace zova
