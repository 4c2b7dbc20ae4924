// The system's TCP calls for network ports, in net_socket_posix.cpp and net_socket_windows.cpp. The program
// only connects: it never listens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/clock.h"

namespace zova::net {

using Handle = std::intptr_t;
inline constexpr Handle kNoSocket = -1;

// Whether the operator asked to stop; an empty one never says so.
using StopCheck = std::function<bool()>;
// How soon a wait notices a stop: the system's waits do not end for a signal that restarts them.
inline constexpr auto kStopCheck = std::chrono::milliseconds(100);

// Connects to HOST:PORT within `limit`, with Nagle's algorithm off (every turn of the protocol is a byte or
// a short frame, which a delayed acknowledgement would hold back) and keep-alive probes on. kNoSocket with
// `error` naming why: name not found, refused, no route, timed out, stopped.
Handle Connect(const std::string& host, int port, Duration limit, const StopCheck& stopped, std::string& error);

// Sends every byte; false with `error` set when the connection broke, or when the server took no bytes
// and the operator asked to stop.
bool SendAll(Handle socket, const std::uint8_t* data, std::size_t size, const StopCheck& stopped, std::string& error);

// Takes up to `max` waiting bytes without blocking: the count, 0 when none wait, -1 with `error` set when
// the server closed the connection or it broke.
long Receive(Handle socket, std::uint8_t* out, std::size_t max, std::string& error);

// Blocks until bytes (or the connection's end) wait, or `max` has passed; whether they do.
bool WaitReadable(Handle socket, Duration max);

// How many received bytes wait to be taken, without taking them.
std::size_t Waiting(Handle socket);

void Close(Handle socket);

// The numeric addresses HOST:PORT leads to ("127.0.0.1 4001", "::1 4001"), so that two spellings of one
// endpoint can be told apart from two endpoints; empty when the lookup fails or takes longer than `limit`.
std::vector<std::string> Endpoints(const std::string& host, int port, Duration limit);

// "timed out after 5 s".
std::string TimedOut(Duration limit);
// "stopped", where a wait gave up at the operator's request.
std::string Stopped();

// What is left of a wait until `deadline`, in the whole milliseconds a poll takes (0 to 60000).
int MillisecondsLeft(TimePoint deadline);
// The same, no longer than kStopCheck: a wait that must notice a stop is cut into such slices.
int SliceLeft(TimePoint deadline);

}  // namespace zova::net
