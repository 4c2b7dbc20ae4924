// PLC device names of the PLC transfer instructions; which names exist depends on the machine type.
#pragma once

#include <optional>
#include <string_view>

namespace zova::language {

// Device code (0..5) of a device token, recognised by its first two characters; 0 when unrecognised.
[[nodiscard]] int PlcDeviceCode(std::string_view token, int machineType);

// The two-character device name of a code, or nothing when the machine type has no such code.
[[nodiscard]] std::optional<std::string_view> PlcDeviceName(int code, int machineType);

}  // namespace zova::language
