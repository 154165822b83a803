// Runs a small helper program of ours to its end and takes what it printed:
// work that needs a large library for a moment (the speaker volume through
// libpulse) is done in a process of its own, so the library never stays in
// the program's memory.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro::platform {

// Runs `command` (the program's path, then its arguments) with `input` on its
// standard input (nothing when empty) and returns its standard output (at
// most 4 KiB) when it ends with status 0. nullopt when it cannot be started,
// fails, or is still running after `limit`, when it is killed. A helper that
// ends without reading all its input is no fault of this process (no
// SIGPIPE).
std::optional<std::string> runHelper(const std::vector<std::string>& command,
                                     std::chrono::milliseconds limit, std::string_view input = {});

}  // namespace voltaro::platform
