// HTTP GET through WinInet: agent "HTTPGet", HTTP/1.0, "Accept: */*", always
// a fresh copy from the server, the body read in blocks of 1025 bytes up to
// the caller's bound.
#pragma once

#include <cstdint>

#include "platform/network.h"

namespace voltaro::platform::windows {

class Win32Http final : public HttpClient {
 public:
  // `port` is 80 for the program; tests point it at a server of their own.
  explicit Win32Http(std::uint16_t port = 80);

  std::optional<std::string> get(const std::string& host, const std::string& path,
                                 std::size_t maxBytes, const std::atomic<bool>& abort) override;

 private:
  std::uint16_t port_;
};

}  // namespace voltaro::platform::windows
