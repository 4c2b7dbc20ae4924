// SHA-256 from OpenSSL's libcrypto, as lower-case hexadecimal (the form sha256sum prints).
#pragma once

#include <string>
#include <string_view>

namespace zova::backup {

[[nodiscard]] std::string Sha256Hex(std::string_view data);

}  // namespace zova::backup
