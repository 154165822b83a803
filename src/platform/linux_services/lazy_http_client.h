// The update check's HTTP client, loaded on first use: the first request
// loads the HTTP module (Qt Network and all it pulls in); until then none of
// it is in memory. A module that cannot be loaded makes every request fail,
// as an unreachable server would, and one line says why.
//
// Threads: `get` runs on the update check's worker thread, and a second check
// may start while the first still runs; the loading happens once, guarded.
// After that the module's client is only read, and each of its requests
// keeps its own state.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/linux/loadable_module.h"
#include "platform/network.h"

namespace voltaro::platform::linux_services {

class LazyHttpClient final : public HttpClient {
 public:
  using Report = std::function<void(const std::string& line)>;

  // `modulePaths`: where to look for the module, first match wins. `report`
  // gets the one line written when it cannot be loaded (standard error by
  // default).
  explicit LazyHttpClient(std::vector<std::string> modulePaths,
                          std::chrono::milliseconds timeout = std::chrono::seconds(20),
                          Report report = {});
  ~LazyHttpClient() override;

  std::optional<std::string> get(const std::string& host, const std::string& path,
                                 std::size_t maxBytes, const std::atomic<bool>& abort) override;

  // True once a request has loaded the module and made its client.
  bool loaded() const { return loaded_; }

 private:
  void load();

  std::vector<std::string> modulePaths_;
  std::chrono::milliseconds timeout_;
  Report report_;
  std::once_flag once_;
  std::atomic<bool> loaded_{false};
  LoadableModule module_;
  std::unique_ptr<HttpClient> client_;  // made by the module, which stays mapped
};

}  // namespace voltaro::platform::linux_services
