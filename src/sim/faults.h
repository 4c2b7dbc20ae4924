// Faults the simulated controller can inject, to prove that the host survives a bad line.
#pragma once

namespace zova::sim {

struct Faults {
  long silenceAfter = -1;      // the controller stops sending after this many bytes (in total)
  long disconnectAfter = -1;   // the line drops after this many bytes sent
  bool wrongEcho = false;      // the command code comes back altered
  bool dleForSyn = false;      // DLE where SYN accepts a request or block
  bool badChecksum = false;    // reply blocks carry a wrong checksum
  bool badTerminator = false;  // reply blocks end with a wrong byte instead of ETX
  int shortBlock = 0;          // reply blocks lose this many bytes
  int extraBytes = 0;          // junk bytes after each reply
  long announce = -1;          // length announcements claim this many bytes
  bool refuseBlocks = false;   // host blocks are answered DLE instead of EOT
  int fromCommand = 1;         // faults act from the n-th command handshake on
  int onlyCommand = -1;        // faults act only on this command code (-1: all)
};

}  // namespace zova::sim
