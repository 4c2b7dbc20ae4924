// Tables the parameter tests start from.
#pragma once

#include "parameters/ax_para.h"
#include "parameters/sys_para.h"

namespace zova::test {

template <class Table>
Table Defaults() {
  Table t;
  t.SetDefaults();
  return t;
}

// Entry `entry` of axis `axis` holds 1000 * entry + axis: a value that tells both apart.
inline parameters::AxPara Numbered() {
  parameters::AxPara t;
  for (int a = 0; a < parameters::kMaxAxes; ++a) {
    for (int e = 0; e < parameters::kAxParaEntries; ++e) t[a][static_cast<std::size_t>(e)] = 1000 * e + a;
  }
  return t;
}

}  // namespace zova::test
