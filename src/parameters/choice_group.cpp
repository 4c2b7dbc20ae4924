// The selector groups of the parameter screens.
#include "parameters/choice_group.h"

#include "base/translation.h"

namespace zova::parameters {

namespace {

constexpr std::array<ChoiceGroup, 9> kSysGroups = {{
    {"cmdIo", "txtIo", 1, {"1", "2"}, 2, 1},
    {"cmdSpin", "txtSpin", 2, {"OFF", "ON"}, 2, 0},
    {"cmdZrin", "txtZrin", 8, {"Z+H", "H-1", "H-2", "Z-P"}, 4, 0},
    {"cmdCspd", "txtCspd", 9, {"1", "2", "3", "4"}, 4, 0},
    {"cmdJgio", "txtJgio", 10, {"OFF", "ON", "ALL"}, 3, 0},
    {"cmdPsgf", "txtPsgf", 11, {"OFF", "ON"}, 2, 0},
    {"cmdEsgf", "txtEsgf", 12, {"OFF", "ON"}, 2, 0},
    {"cmdLock", "txtLock", 13, {"OFF", "ZR", "PWD", "ALL"}, 4, 0},
    {"cmdBrkf", "txtBrkf", 14, {"OFF", "ON"}, 2, 0},
}};

constexpr std::array<ChoiceGroup, 17> kAxGroups = {{
    {"cmdMotor", "txtMotor", 30, {"MICRO", "SERVO"}, 2, 0},
    {"cmdLoop", "txtLoop", 31, {"SEMI", "CLOSE", "OPEN"}, 3, 0},
    {"cmdCont", "txtCont", 32, {"VELOCITY", "TORQUE"}, 2, 0},
    {"cmdVolt", "txtVolt", 33, {"BI-POLAR", "UNI_POLAR"}, 2, 0},
    {"cmdStep", "txtStep", 34, {"CW+CCW", "SIGN+PULSE"}, 2, 0},
    {"cmdCdir", "txtCdir", 35, {"+", "-"}, 2, 0},
    {"cmdZdir", "txtZdir", 36, {"+", "-"}, 2, 0},
    {"cmdCord", "txtCord", 37, {"CW", "CCW"}, 2, 0},
    {"cmdEndir", "txtEndir", 38, {"+", "-"}, 2, 0},
    {"cmdLmtck", "txtLmtck", 39, {"YES", "NO"}, 2, 0},
    {"cmdInpos", "txtInpos", 40, {"LOW", "HIGH"}, 2, 0},
    {"cmdPosi", "txtPosi", 70, {"LOW", "HIGH"}, 2, 0},
    {"cmdNega", "txtNega", 71, {"LOW", "HIGH"}, 2, 0},
    {"cmdHome", "txtHome", 72, {"LOW", "HIGH"}, 2, 0},
    {"cmdSverr", "txtSverr", 73, {"LOW", "HIGH"}, 2, 0},
    {"cmdSvrst", "txtSvrst", 74, {"LOW", "HIGH"}, 2, 0},
    {"cmdSvon", "txtSvon", 75, {"LOW", "HIGH"}, 2, 0},
}};

}  // namespace

std::span<const ChoiceGroup> SysChoiceGroups() { return kSysGroups; }
std::span<const ChoiceGroup> AxChoiceGroups() { return kAxGroups; }

std::optional<int> HighlightedButton(const ChoiceGroup& group, std::int32_t value) {
  const std::int64_t index = std::int64_t{value} - group.offset;
  if (index < 0 || index >= group.count) return std::nullopt;
  return static_cast<int>(index);
}

std::string ChoiceRefusal(const ChoiceGroup& group) {
  std::string offered;
  for (int i = 0; i < group.count; ++i) {
    if (i > 0) offered += ", ";
    offered +=
        std::to_string(ChoiceValue(group, i)) + " \"" + std::string(group.captions[static_cast<std::size_t>(i)]) + "\"";
  }
  return Tr(" no button has this value; the buttons store {1}", {offered});
}

}  // namespace zova::parameters
