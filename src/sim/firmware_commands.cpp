// The simulated controller's flash download (52): byte count, erase, data with an acknowledgement
// every 2800 bytes, closing checksum.
#include <vector>

#include "link/commands.h"
#include "link/control_bytes.h"
#include "sim/controller.h"

namespace zova::sim {

namespace {

constexpr std::uint32_t kAckInterval = 2800;
constexpr std::uint32_t kFlashSize = 4u << 20;  // bigger announcements are refused before erasing

Task<> ServeFlashDownload(Controller& c) {
  auto head = co_await c.readBytes(8);  // byte count, then four 0x00 bytes
  if (!head) co_return;
  auto end = co_await c.readByte();
  if (!end || *end != STX) co_return;
  const auto count = static_cast<std::uint32_t>(Controller::le32(std::span(*head).first(4)));
  if (count > kFlashSize || (c.faultActive() && c.faults.dleForSyn)) {
    c.send(DLE);
    co_return;
  }
  Machine& m = c.machine;
  m.flash.clear();
  co_await c.sleep(m.flashEraseTime);
  c.send(SYN);

  std::vector<std::uint8_t> data;
  data.reserve(count);
  int refused = 0;
  unsigned sum = 0;
  while (data.size() < count) {
    auto b = co_await c.readByte();
    if (!b) co_return;  // the host fell silent: the flash stays as far as it got
    data.push_back(*b);
    sum += *b;
    if (data.size() % kAckInterval == 0) {
      c.send(refused < m.refuseFlashAcks ? DLE : SYN);
      if (refused < m.refuseFlashAcks) ++refused;
    }
  }
  auto checksum = co_await c.readByte();
  if (!checksum) co_return;
  auto etx = co_await c.readByte();
  if (!etx || *etx != ETX) co_return;
  const bool good = ((sum + *checksum) & 0xFFu) == 0 && !(c.faultActive() && c.faults.refuseBlocks);
  c.send(good ? EOT : DLE);
  if (good) m.flash = std::move(data);
}

}  // namespace

void RegisterFirmwareCommands(Controller& c) { c.registerCommand(cmd::kFirmwareDownload, ServeFlashDownload); }

}  // namespace zova::sim
