// What differs between the controller and a backup, one line per difference in the form
// "item: controller X, backup Y": "P012 axis 3: controller 10.00, backup 12.00", "AXES: controller 4,
// backup 3", "program 05 line 12: controller "MVE P0001", backup "MVE P0002"".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "backup/snapshot.h"

namespace zova::backup {

struct Difference {
  std::string item;
  std::string controller;
  std::string backup;
  bool operator==(const Difference&) const = default;
};

[[nodiscard]] std::string DifferenceLine(const Difference& d);
// The same with other names for the two sides: "P100 axis 1: old 0.00, new -123.45".
[[nodiscard]] std::string DifferenceLine(const Difference& d, std::string_view first, std::string_view second);

// The differences of `parts`, in the order system parameters, axis parameters, locations, shifts,
// programs. Parameters are named as their files spell them ("SV_ERR axis 2"), unnamed entries by number
// ("system entry 17", "entry 139 axis 2"); axes are compared as far as both snapshots have them. Program
// lines go by step, the listing line without its step number and with its comment; a comment-only line is
// named by the step it stands before ("program 05 line 3 comment 1"); a difference the source text does not
// show is named by its byte. The machine type names the PLC devices in listing lines.
[[nodiscard]] std::vector<Difference> FindDifferences(const Snapshot& controller, const Snapshot& backup, Parts parts,
                                                      int machineType);

}  // namespace zova::backup
