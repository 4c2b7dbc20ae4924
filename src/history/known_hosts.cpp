// An SSH server's key against known_hosts files: libgit2 1.5 accepts any key, so the push checks it here.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include "base/translation.h"
#include "history/history.h"

namespace zova::history {

namespace {

// The bytes of a base64 text; empty when it is not one.
std::string Base64(std::string_view text) {
  std::string out;
  unsigned bits = 0;
  int held = 0;
  for (const char c : text) {
    int v = -1;
    if (c >= 'A' && c <= 'Z') v = c - 'A';
    if (c >= 'a' && c <= 'z') v = c - 'a' + 26;
    if (c >= '0' && c <= '9') v = c - '0' + 52;
    if (c == '+') v = 62;
    if (c == '/') v = 63;
    if (c == '=') break;
    if (v < 0) return {};
    bits = (bits << 6) | static_cast<unsigned>(v);
    held += 6;
    if (held >= 8) {
      held -= 8;
      out.push_back(static_cast<char>((bits >> held) & 0xff));
    }
  }
  return out;
}

// Whether a hashed name ("|1|SALT|HASH", as ssh writes with HashKnownHosts, Debian's default) is `wanted`:
// HASH is HMAC-SHA1 of the name under the salt.
bool HashedName(const std::string& name, const std::string& wanted) {
  constexpr std::string_view kHashed = "|1|";
  const auto bar = name.find('|', kHashed.size());
  if (!name.starts_with(kHashed) || bar == std::string::npos) return false;
  const std::string salt = Base64(std::string_view(name).substr(kHashed.size(), bar - kHashed.size()));
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned size = 0;
  return !salt.empty() &&
         HMAC(EVP_sha1(), salt.data(), static_cast<int>(salt.size()),
              reinterpret_cast<const unsigned char*>(wanted.data()), wanted.size(), digest, &size) != nullptr &&
         Base64(std::string_view(name).substr(bar + 1)) == std::string(reinterpret_cast<const char*>(digest), size);
}

// Whether the comma-separated host patterns of a line name `host` at `port` exactly or hashed (no wildcards).
bool NamesHost(const std::string& patterns, const std::string& host, int port) {
  const std::string wanted = port == 22 ? host : "[" + host + "]:" + std::to_string(port);
  std::istringstream each(patterns);
  for (std::string name; std::getline(each, name, ',');) {
    if (name == wanted || HashedName(name, wanted)) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> KnownHostsFiles() {
  std::vector<std::string> files;
  if (const char* credentials = std::getenv("CREDENTIALS_DIRECTORY"); credentials != nullptr && *credentials != '\0') {
    files.push_back((std::filesystem::path(credentials) / kServiceKnownHosts).string());
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    files.push_back((std::filesystem::path(home) / ".ssh" / "known_hosts").string());
  }
  return files;
}

Outcome CheckHostKey(const std::string& host, int port, std::string_view key, const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    std::ifstream in(file);
    bool listed = false;
    for (std::string line; std::getline(in, line);) {
      std::istringstream words(line);
      std::string patterns;
      std::string type;
      std::string blob;
      if (!(words >> patterns >> type >> blob) || patterns.starts_with('#')) continue;
      if (patterns == "@revoked") {
        // "@revoked PATTERNS TYPE KEY": that key is refused whoever offers it.
        std::string revoked;
        words >> revoked;
        if (Base64(revoked) == key) {
          return {Outcome::Refused, Tr("the SSH server {1} offered a key {2} marks as revoked", {host, file})};
        }
        continue;
      }
      if (patterns.starts_with('@') || !NamesHost(patterns, host, port)) continue;
      if (Base64(blob) == key) return Outcome::Ok;
      listed = true;
    }
    // The first file that knows the host decides: a later one may not overrule it.
    if (listed) {
      return {Outcome::Refused,
              Tr("the SSH server {1} offered a key other than the one {2} holds for it: not pushed", {host, file})};
    }
  }
  std::string tried;
  for (const std::string& file : files) tried += (tried.empty() ? "" : ", ") + file;
  return {Outcome::Refused, Tr("the SSH server {1} is not in {2}: add its key with ssh-keyscan",
                               {host, tried.empty() ? std::string("-") : tried})};
}

}  // namespace zova::history
