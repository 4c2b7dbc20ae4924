// The link fed by a hostile controller: the input is everything the controller says, in order,
// while the host runs one exchange of every shape. Nothing may crash, hang or overrun a buffer.
#include <cstdint>
#include <cstdlib>
#include <deque>

#include "base/clock.h"
#include "link/link.h"
#include "support/recording_ui.h"
#include "link/requests.h"

namespace {

// Hands out the input as controller bytes, a few at a time; silence once it is used up.
class InputPort final : public zova::Port {
 public:
  InputPort(const std::uint8_t* data, std::size_t size, zova::FakeClock& clock)
      : bytes_(data, data + size), clock_(clock) {}
  bool open(std::string&) override { return true; }
  void close() override {}
  bool isOpen() const override { return true; }
  std::string name() const override { return "fuzz"; }
  bool write(const std::uint8_t*, std::size_t) override { return true; }
  std::size_t read(std::uint8_t* out, std::size_t max) override {
    // A chunk arrives only after a wait, as on a line: a flush takes at most what already came.
    if (!arrived_) return 0;
    arrived_ = false;
    std::size_t n = 0;
    const std::size_t chunk = bytes_.empty() ? 0 : 1 + bytes_.front() % 7;
    while (n < max && n < chunk && !bytes_.empty()) {
      out[n++] = bytes_.front();
      bytes_.pop_front();
    }
    return n;
  }
  void waitReadable(zova::Duration max) override {
    if (bytes_.empty()) {
      clock_.advance(max);
    } else {
      clock_.advance(zova::milliseconds(1));
      arrived_ = true;
    }
  }

 private:
  std::deque<std::uint8_t> bytes_;
  zova::FakeClock& clock_;
  bool arrived_ = true;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zova::FakeClock clock;
  InputPort port(data, size, clock);
  zova::RecordingUi ui;
  zova::Link link(port, ui, clock);
  link.CheckLink();
  zova::IoImage image;
  zova::RequestIoImage(link, size % 2 == 0, image);
  std::array<std::uint32_t, 6> sensors{};
  zova::RequestSensorWords(link, 6, sensors);
  std::array<std::int32_t, 6> positions{};
  zova::RequestPositions(link, true, 6, positions);
  zova::RequestWithZeroOperand(link, 23);
  link.StartCommand(1);
  link.SendTwoOperands(3, 3);
  std::array<std::uint8_t, 64> block{};
  link.ReceiveBlock(block);
  link.ReceiveChecksumSyn(0);
  link.SendChecksumSyn(0);
  link.WaitEot();
  if (link.ReceiveAnnouncedBlock().bytes.size() > static_cast<std::size_t>(zova::kMaxBlockLength)) std::abort();
  return 0;
}
