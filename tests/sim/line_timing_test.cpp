// The simulated controller's wait for the host's next byte: it runs out `hostTimeout` after the controller's
// last byte, unless the byte came first; a byte this process read late, in the same turn as the wait ran out,
// had been waiting on the line and is taken.
#include <gtest/gtest.h>

#include "link/control_bytes.h"
#include "sim/controller.h"

namespace zova::sim {
namespace {

TEST(SimulatedLine, TheHostsNextByteIsTakenUnlessTheWaitRanOutFirst) {
  const struct {
    const char* name;
    Duration codeAt;
    bool wokeAtTimeout;  // the serving loop turned once between the wait's end and the byte
    bool echoed;
  } cases[] = {{"in time", seconds(1), false, true},
               {"read late", seconds(3), false, true},
               {"after the wait ran out", seconds(3), true, false}};
  for (const auto& c : cases) {
    Controller controller;
    const TimePoint t0{};
    std::uint8_t out[8];
    controller.input(SOH, t0);
    ASSERT_EQ(controller.output(out, sizeof out, t0), 1u) << c.name;
    if (c.wokeAtTimeout) (void)controller.output(out, sizeof out, t0 + controller.hostTimeout);
    controller.input(0x05, t0 + c.codeAt);
    EXPECT_EQ(controller.output(out, sizeof out, t0 + c.codeAt) == 1 && out[0] == 0x05, c.echoed) << c.name;
  }
}

}  // namespace
}  // namespace zova::sim
