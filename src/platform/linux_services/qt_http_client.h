// HTTP GET through Qt Network. Each request runs a QNetworkAccessManager in
// a local event loop on the calling thread (the update check's worker), so
// it needs a QCoreApplication to exist but not the program's event loop.
#pragma once

#include <chrono>

#include "platform/network.h"

namespace voltaro::platform::linux_services {

class QtHttpClient final : public HttpClient {
 public:
  explicit QtHttpClient(std::chrono::milliseconds timeout = std::chrono::seconds(20))
      : timeout_(timeout) {}

  // Plain HTTP to "host" or "host:port". Agent "HTTPGet", "Accept: */*",
  // never a cached copy, redirects not followed. The status code is not
  // examined: an error page's body is the reply. The connection is dropped
  // once `maxBytes` have arrived.
  std::optional<std::string> get(const std::string& host, const std::string& path,
                                 std::size_t maxBytes, const std::atomic<bool>& abort) override;

 private:
  std::chrono::milliseconds timeout_;
};

}  // namespace voltaro::platform::linux_services
