// An HTTP client with a scripted reply. With `holdUntilAbort` set, a request
// waits until it is aborted (then fails), so tests can overlap requests.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/network.h"

namespace voltaro::fakes {

class FakeHttpClient : public platform::HttpClient {
 public:
  struct Request {
    std::string host;
    std::string path;
    std::size_t maxBytes = 0;
  };

  std::optional<std::string> get(const std::string& host, const std::string& path,
                                 std::size_t maxBytes, const std::atomic<bool>& abort) override {
    {
      std::lock_guard lock(mutex_);
      requests_.push_back({host, path, maxBytes});
    }
    started = true;
    if (holdUntilAbort) {
      while (!abort) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return std::nullopt;
    }
    if (reply && reply->size() > maxBytes) return reply->substr(0, maxBytes);
    return reply;
  }

  std::vector<Request> requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  std::optional<std::string> reply;  // nullopt: the request fails
  std::atomic<bool> holdUntilAbort{false};
  std::atomic<bool> started{false};

 private:
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
};

}  // namespace voltaro::fakes
