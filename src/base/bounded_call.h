// A system call that has no time-out of its own (a name lookup), waited for no longer than a deadline.
#pragma once

#include <chrono>
#include <algorithm>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <thread>

namespace zova {

// Runs `work` on a thread of its own and waits for its result until `deadline`, or until `stopped` (when
// given) says the operator asked to stop. When the wait ends first, nullopt comes back and the call is left
// to finish by itself: its late result goes to `discard`.
template <class T>
std::optional<T> CallWithin(std::chrono::steady_clock::time_point deadline, std::function<T()> work,
                            std::function<void(T&)> discard, const std::function<bool()>& stopped = {}) {
  struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<T> result;
    bool abandoned = false;
  };
  auto shared = std::make_shared<Shared>();
  std::thread([shared, work = std::move(work), discard = std::move(discard)] {
    T result = work();
    const std::lock_guard lock(shared->mutex);
    if (shared->abandoned) {
      discard(result);
      return;
    }
    shared->result = std::move(result);
    shared->done.notify_one();
  }).detach();
  std::unique_lock lock(shared->mutex);
  // Looks at the stop request a few times a second: a signal does not wake a condition variable.
  constexpr auto kStopCheck = std::chrono::milliseconds(100);
  for (;;) {
    const auto until = std::min(deadline, std::chrono::steady_clock::now() + kStopCheck);
    if (shared->done.wait_until(lock, until, [&] { return shared->result.has_value(); })) return shared->result;
    if (std::chrono::steady_clock::now() >= deadline || (stopped && stopped())) break;
  }
  shared->abandoned = true;
  return std::nullopt;
}

// The system's name lookup (getaddrinfo) for HOST:PORT within `deadline`: its result code and, when that is 0,
// the list to free; nullopt when the deadline or a stop came first. A template on the system's addrinfo, so
// each system's socket file instantiates it with its own headers.
template <class AddrInfo>
std::optional<std::pair<int, AddrInfo*>> LookUpWithin(std::chrono::steady_clock::time_point deadline,
                                                      const std::function<bool()>& stopped, const std::string& host,
                                                      int port, int family, int type) {
  using Lookup = std::pair<int, AddrInfo*>;
  return CallWithin<Lookup>(
      deadline,
      [host, service = std::to_string(port), family, type] {
        AddrInfo hints{};
        hints.ai_family = family;
        hints.ai_socktype = type;
        AddrInfo* list = nullptr;
        const int code = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
        return Lookup{code, code == 0 ? list : nullptr};
      },
      [](Lookup& late) {
        if (late.second != nullptr) freeaddrinfo(late.second);
      },
      stopped);
}

// The addresses HOST:PORT leads to as numbers, with the port after a blank ("127.0.0.1 4001", "::1 4001");
// empty when the lookup fails or the deadline comes first. `numericHost` is the system's NI_NUMERICHOST,
// Length its socklen_t.
template <class AddrInfo, class Length>
std::vector<std::string> EndpointsWithin(std::chrono::steady_clock::time_point deadline, const std::string& host,
                                         int port, int family, int type, int numericHost) {
  const auto lookup = LookUpWithin<AddrInfo>(deadline, {}, host, port, family, type);
  std::vector<std::string> found;
  if (!lookup || lookup->first != 0) return found;
  for (const AddrInfo* a = lookup->second; a != nullptr; a = a->ai_next) {
    char text[1025];  // NI_MAXHOST
    if (getnameinfo(a->ai_addr, static_cast<Length>(a->ai_addrlen), text, sizeof text, nullptr, 0, numericHost) == 0) {
      found.push_back(std::string(text) + " " + std::to_string(port));
    }
  }
  freeaddrinfo(lookup->second);
  return found;
}

}  // namespace zova
