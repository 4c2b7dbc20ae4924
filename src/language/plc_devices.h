// PLC device names of the PLC transfer instructions; which names exist depends on the machine type.
#pragma once

#include <optional>
#include <string_view>

namespace zova::language {

// Device code (0..5) of a device token, which is the device's name as the listing writes it; nothing for a
// word the machine type has no device of (it would otherwise go out as the first device).
[[nodiscard]] std::optional<int> PlcDeviceCode(std::string_view token, int machineType);

// The two-character device name of a code, or nothing when the machine type has no such code.
[[nodiscard]] std::optional<std::string_view> PlcDeviceName(int code, int machineType);

}  // namespace zova::language
