// The serial adapter asks real serial drivers for low latency and leaves pseudo-terminals alone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "app/qt/qt_serial_port.h"

namespace zova::app {
namespace {

TEST(LowLatency, PseudoTerminalsAreSkippedAndRefusalsAreNoError) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) GTEST_SKIP() << "no pseudo-terminal";
  struct Case {
    const char* device;
    LowLatency expected;
  } cases[] = {{::ptsname(master), LowLatency::PseudoTerminal}, {"/dev/null", LowLatency::Refused}};
  for (const Case& c : cases) {
    const int fd = ::open(c.device, O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0) << c.device;
    EXPECT_EQ(RequestLowLatency(fd), c.expected) << c.device;
    ::close(fd);
  }
  ::close(master);
}

}  // namespace
}  // namespace zova::app
