// SHA-256 digests from Windows' own cryptography (CNG), so the Windows build needs no OpenSSL.
#include <windows.h>
// bcrypt.h needs the types of windows.h first.
#include <bcrypt.h>

#include "backup/sha256.h"

namespace zova::backup {

namespace {

// Closes the CNG handles on every way out.
struct Algorithm {
  BCRYPT_ALG_HANDLE handle = nullptr;
  ~Algorithm() {
    if (handle != nullptr) ::BCryptCloseAlgorithmProvider(handle, 0);
  }
};
struct Hash {
  BCRYPT_HASH_HANDLE handle = nullptr;
  ~Hash() {
    if (handle != nullptr) ::BCryptDestroyHash(handle);
  }
};

bool Succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

std::string Sha256Hex(std::string_view data) {
  Algorithm algorithm;
  if (!Succeeded(::BCryptOpenAlgorithmProvider(&algorithm.handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return {};
  Hash hash;
  if (!Succeeded(::BCryptCreateHash(algorithm.handle, &hash.handle, nullptr, 0, nullptr, 0, 0))) return {};
  // BCryptHashData takes at most 4 GiB a call.
  for (std::string_view left = data; !left.empty();) {
    const ULONG n = left.size() > 0x40000000 ? 0x40000000 : static_cast<ULONG>(left.size());
    auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(left.data()));
    if (!Succeeded(::BCryptHashData(hash.handle, bytes, n, 0))) return {};
    left.remove_prefix(n);
  }
  UCHAR digest[32];
  if (!Succeeded(::BCryptFinishHash(hash.handle, digest, sizeof digest, 0))) return {};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const UCHAR byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

void ReleaseDigestThreadState() {}  // CNG keeps nothing per thread

}  // namespace zova::backup
