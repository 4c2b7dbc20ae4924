// What both systems' file code shares.
#include "link/atomic_file.h"

namespace zova {

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  SaveFailure where;
  return SaveFileAtomically(path, content, error, where);
}

}  // namespace zova
