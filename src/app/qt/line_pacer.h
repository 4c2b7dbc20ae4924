// Keeps the desktop program's writes in step with the line. A port takes a whole block at once and the
// line then carries it for seconds (a program's comment block takes half a minute at 9600 baud): a bar
// that counts what was written would run to its end before the first byte had left, and stand at 0
// through the long wait for the answer. Writes that run ahead of the line wait, with the event loop
// running, so the bars show what has gone out and the windows repaint meanwhile.
#pragma once

#include "base/clock.h"

namespace zova::app {

class LinePacer {
 public:
  // Writes may run this far ahead of the line; a wait leaves half of it queued, so the line never idles.
  static constexpr Duration kAhead = milliseconds(40);

  // Bytes that take `transmit` on the line were handed to the port; waits while they run too far ahead.
  void wrote(Duration transmit);

 private:
  TimePoint lineFreeAt_{};  // when the line will have carried everything written so far
};

}  // namespace zova::app
