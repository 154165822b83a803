// The program's thread of a test: results posted from workers wait here
// until the test runs them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace voltaro::update {

class ProgramThreadQueue {
 public:
  void post(std::function<void()> event) {
    {
      std::lock_guard lock(mutex_);
      events_.push_back(std::move(event));
    }
    arrived_.notify_all();
  }

  // Waits (at most five seconds) for one posted event and runs it; false when
  // none came.
  bool runOne() {
    std::function<void()> event;
    {
      std::unique_lock lock(mutex_);
      if (!arrived_.wait_for(lock, std::chrono::seconds(5), [this] { return !events_.empty(); }))
        return false;
      event = std::move(events_.front());
      events_.pop_front();
    }
    event();
    return true;
  }

  std::size_t pending() {
    std::lock_guard lock(mutex_);
    return events_.size();
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void()>> events_;
};

}  // namespace voltaro::update
