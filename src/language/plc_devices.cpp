// PLC device names by machine type: types 0 and 2 share one family's names, type 1 has its own.
#include "language/plc_devices.h"

#include <array>
#include <span>

namespace zova::language {
namespace {

constexpr std::array<std::string_view, 6> kFamilyA = {"D*", "R*", "ZR", "M*", "X*", "Y*"};
constexpr std::array<std::string_view, 5> kFamilyB = {"DT", "FL", "R*", "X*", "Y*"};

std::span<const std::string_view> NamesOf(int machineType) {
  if (machineType == 1) return kFamilyB;
  return kFamilyA;
}

}  // namespace

std::optional<int> PlcDeviceCode(std::string_view token, int machineType) {
  const auto names = NamesOf(machineType);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == token) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<std::string_view> PlcDeviceName(int code, int machineType) {
  const auto names = NamesOf(machineType);
  if (code < 0 || static_cast<std::size_t>(code) >= names.size()) return std::nullopt;
  return names[static_cast<std::size_t>(code)];
}

}  // namespace zova::language
