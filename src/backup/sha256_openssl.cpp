// SHA-256 digests from OpenSSL's libcrypto.
#include "backup/sha256.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace zova::backup {

std::string Sha256Hex(std::string_view data) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha256(), nullptr) != 1) return {};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 0x0F];
  }
  return hex;
}

void ReleaseDigestThreadState() { OPENSSL_thread_stop(); }

}  // namespace zova::backup
