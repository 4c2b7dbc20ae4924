// SHA-256 as lower-case hexadecimal (the form sha256sum prints): OpenSSL's libcrypto on POSIX systems
// (sha256_openssl.cpp), the system's own CNG on Windows (sha256_windows.cpp). Empty if the digest failed.
#pragma once

#include <string>
#include <string_view>

namespace zova::backup {

[[nodiscard]] std::string Sha256Hex(std::string_view data);

// Frees what digests kept for the calling thread. A worker thread calls it before it ends: a thread library
// may report the end of a thread before the thread's own clean-up has run, and the program may exit first.
void ReleaseDigestThreadState();

}  // namespace zova::backup
