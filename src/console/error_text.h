// Texts of the error codes the controller itself reports.
#pragma once

#include <string>

#include "base/translation.h"

namespace zova::console {

// The text for an error report in the chosen language, or with `asWritten` as the controller's own table
// writes it (what `zovactl error` prints as data, the same in every language); codes without an entry give
// the generic "Error Code : ..." text.
std::string ErrorText(int code, int value, bool asWritten = false);

// Shown under the error text when the controller reports an error (looked up where shown).
inline constexpr const char* kErrorAdvice = TrMark("에러발생시 ALARM RESET 버튼을 누르고 에러에 대해 조치하십시요.");

}  // namespace zova::console
