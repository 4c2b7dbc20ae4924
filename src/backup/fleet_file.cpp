// Reading the fleet file with toml++; every refusal names the line its key or table came from.
#include "backup/fleet_file.h"

#include <toml++/toml.h>

#include <filesystem>
#include <future>
#include <map>
#include <optional>

#include "link/line_settings.h"
#include "net/net_socket.h"
#include "net/network_address.h"
#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::backup {

namespace {

constexpr std::size_t kMaxNameLength = 64;
constexpr double kMaxSeconds = 1e6;
constexpr Duration kLookupLimit = std::chrono::seconds(5);

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

// Fills `member` from one table's keys; `allowIdentity` admits name and port (a [[controller]] table).
TextFault ReadKeys(const toml::table& table, bool allowIdentity, FleetMember& member) {
  for (const auto& [key, node] : table) {
    const std::string k(key.str());
    const int line = key.source().begin.line != 0 ? static_cast<int>(key.source().begin.line) : LineOf(node);
    auto fault = [&](const std::string& what) { return TextFault{line, k + ": " + what}; };
    if (allowIdentity && (k == "name" || k == "port")) {
      const std::optional<std::string> text = node.value_exact<std::string>();
      if (!text) return fault(Tr("expected a string"));
      if (k == "name" && !IsFleetName(*text)) {
        return fault(Tr("\"{1}\" is not a name of 1 to 64 letters, digits, '.', '_' or '-'", {*text}));
      }
      if (k == "port") {
        net::NetworkAddress address;
        std::string error;
        if (text->empty()) return fault(Tr("empty"));
        if (net::IsNetworkPortName(*text) && !net::ParseNetworkAddress(*text, address, error)) return fault(error);
      }
      (k == "name" ? member.name : member.port) = *text;
    } else if (k == "settings") {
      const std::optional<std::string> text = node.value_exact<std::string>();
      LineSettings parsed;
      std::string error;
      if (!text) return fault(Tr("expected a string such as \"9600,n,8,1\""));
      if (!ParseLineSettings(*text, parsed, error)) return fault(error);
      member.settings = *text;
    } else if (k == "axes" || k == "machine-type") {
      const std::optional<std::int64_t> value = node.value_exact<std::int64_t>();
      const int low = k == "axes" ? 2 : 0;
      const int high = k == "axes" ? 6 : 2;
      if (!value || *value < low || *value > high) {
        return fault(Tr("expected a whole number from {1} to {2}", {std::to_string(low), std::to_string(high)}));
      }
      (k == "axes" ? member.axes : member.machineType) = static_cast<int>(*value);
    } else if (k == "timeout" || k == "handshake-timeout") {
      // An integer or a float: TOML's 5 and 5.0 both mean five seconds.
      const std::optional<double> value = node.is_number() ? node.value<double>() : std::nullopt;
      if (!value || !(*value > 0) || *value >= kMaxSeconds) return fault(Tr("expected seconds above 0"));
      (k == "timeout" ? member.timeoutSeconds : member.handshakeTimeoutSeconds) = *value;
    } else {
      return fault(Tr("unknown key"));
    }
  }
  return {};
}

// What makes two ports one line: a serial device by the file it finally names (a name without '/' is one
// under /dev, as the serial port opens it), a network endpoint by every address its host leads to, whatever
// the scheme (so "localhost" and "127.0.0.1" are one, and so are tcp:// and rfc2217:// to one port); a host
// that cannot be looked up by its name as written, in lower case. Each simulated controller is a line of
// its own: no keys.
std::vector<std::string> LineKeys(const std::string& port, const EndpointLookup& lookup) {
  if (port == "sim") return {};
  net::NetworkAddress address;
  std::string error;
  if (net::IsNetworkPortName(port) && net::ParseNetworkAddress(port, address, error)) {
    std::vector<std::string> keys = lookup(address.host, address.port);
    if (keys.empty()) {
      keys.push_back(AsciiLower(address.host) + " " + std::to_string(address.port));
    }
    return keys;
  }
  std::error_code ec;
#ifdef _WIN32
  const std::string device = port;
#else
  const std::string device = port.find('/') == std::string::npos ? "/dev/" + port : port;
#endif
  const std::filesystem::path real = std::filesystem::weakly_canonical(device, ec);
  return {ec ? device : real.string()};
}

TextFault ReadHistory(const toml::table& table, FleetHistory& history) {
  for (const auto& [key, node] : table) {
    const std::string k(key.str());
    const TextFault fault{static_cast<int>(key.source().begin.line), k + ": "};
    auto refuse = [&fault](const std::string& what) { return TextFault{fault.line, fault.message + what}; };
    if (k == "timeout") {
      const std::optional<double> value = node.is_number() ? node.value<double>() : std::nullopt;
      if (!value || !(*value > 0) || *value >= kMaxSeconds) return refuse(Tr("expected seconds above 0"));
      history.timeoutSeconds = *value;
      continue;
    }
    const std::optional<std::string> text = node.value_exact<std::string>();
    if (k != "git" && k != "remote" && k != "branch") return refuse(Tr("unknown key"));
    if (!text) return refuse(Tr("expected a string"));
    if (text->empty()) return refuse(Tr("empty"));
    if (k == "branch" && !IsBranchName(*text)) return refuse(Tr("\"{1}\" is not a branch name", {*text}));
    (k == "git" ? history.git : k == "remote" ? history.remote : history.branch) = *text;
  }
  if (history.git.empty()) return {history.line, Tr("[history] without git = \"PATH\"")};
  return {};
}

}  // namespace

bool IsBranchName(std::string_view name) {
  if (name.empty() || name.ends_with(".lock") || name.ends_with("/")) return false;
  bool partStart = true;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (partStart && (c == '.' || c == '-' || c == '/')) return false;
    if (!plain && c != '.' && c != '_' && c != '-' && c != '/') return false;
    partStart = c == '/';
  }
  return name.find("..") == std::string_view::npos;
}

bool IsFleetName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength || name == "." || name == "..") return false;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!plain && c != '.' && c != '_' && c != '-') return false;
  }
  return true;
}

EndpointLookup SystemLookup() {
  return [](const std::string& host, int port) { return net::Endpoints(host, port, kLookupLimit); };
}

TextFault ReadFleet(std::string_view text, std::vector<FleetMember>& members, const FleetMember& base,
                    const EndpointLookup& lookup, FleetHistory* history) {
  members.clear();
  if (history != nullptr) *history = {};
  toml::table root;
  try {
    root = toml::parse(text);
  } catch (const toml::parse_error& e) {
    return {static_cast<int>(e.source().begin.line), std::string(e.description())};
  }
  FleetMember defaults = base;
  const toml::array* controllers = nullptr;
  for (const auto& [key, node] : root) {
    const int line = static_cast<int>(key.source().begin.line);
    if (key.str() == "defaults") {
      if (!node.is_table()) return {line, Tr("defaults: expected a table, [defaults]")};
      if (TextFault f = ReadKeys(*node.as_table(), false, defaults); f.failed()) return f;
    } else if (key.str() == "controller") {
      if (!node.is_array_of_tables()) return {line, Tr("controller: expected tables, [[controller]]")};
      controllers = node.as_array();
    } else if (key.str() == "history" && history != nullptr) {
      if (!node.is_table()) return {line, Tr("history: expected a table, [history]")};
      history->line = line;
      if (TextFault f = ReadHistory(*node.as_table(), *history); f.failed()) return f;
    } else {
      return {line, std::string(key.str()) + ": " + Tr("unknown key")};
    }
  }
  if (controllers == nullptr || controllers->empty()) return {0, Tr("no [[controller]] table")};
  std::map<std::string, int> names;  // lower case, to the index in `members`
  std::map<std::string, const FleetMember*> lines;
  members.reserve(controllers->size());
  for (const toml::node& node : *controllers) {
    const toml::table& table = *node.as_table();
    FleetMember member = defaults;
    member.line = LineOf(table);
    if (TextFault f = ReadKeys(table, true, member); f.failed()) return f;
    if (member.name.empty()) return {member.line, Tr("controller without a name")};
    if (member.port.empty()) return {member.line, Tr("controller {1} has no port", {member.name})};
    if (member.axes == 0) return {member.line, Tr("controller {1} has no axes (here or in [defaults])", {member.name})};
    // Folders whose names differ only in case are one folder where the file system ignores case.
    if (const auto [at, added] = names.emplace(AsciiLower(member.name), static_cast<int>(members.size())); !added) {
      const FleetMember& first = members[static_cast<std::size_t>(at->second)];
      return {member.line,
              first.name == member.name
                  ? Tr("the name {1} is used twice (first at line {2})", {member.name, std::to_string(first.line)})
                  : Tr("the names {1} (line {2}) and {3} differ only in case: they would share a folder",
                       {first.name, std::to_string(first.line), member.name})};
    }
    members.push_back(member);
  }
  // Looked up side by side: a fleet of hosts that do not answer waits for one lookup, not for each.
  std::vector<std::future<std::vector<std::string>>> keys;
  for (const FleetMember& member : members) {
    keys.push_back(std::async(std::launch::async, LineKeys, member.port, std::cref(lookup)));
  }
  for (std::size_t i = 0; i < members.size(); ++i) {
    const FleetMember& member = members[i];
    for (const std::string& key : keys[i].get()) {
      if (const auto [at, added] = lines.emplace(key, &member); !added && at->second != &member) {
        const FleetMember& first = *at->second;
        return {member.line, Tr("controllers {1} and {2} are on one line: {3} and {4}",
                                {first.name, member.name, first.port, member.port})};
      }
    }
  }
  return {};
}

}  // namespace zova::backup
