#include "platform/sim/virtual_runtime.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace voltaro::platform::sim {

namespace {
constexpr double kMillisecondsPerDay = 86400000.0;

// One timer or posted event in the queue.
struct Item {
  std::uint64_t due = 0;       // elapsed ms
  std::uint64_t sequence = 0;  // creation order, breaks ties
  bool pending = false;        // enabled timer, or event not yet run
  bool repeating = false;      // timers repeat, posted events run once
  std::uint32_t interval = 0;  // ms, timers only
  std::function<void()> handler;
};
}  // namespace

struct VirtualRuntime::State {
  std::uint64_t elapsed = 0;
  std::uint64_t sequence = 0;
  std::vector<std::shared_ptr<Item>> items;

  void remove(const Item* item) {
    std::erase_if(items, [item](const auto& p) { return p.get() == item; });
  }
};

class VirtualRuntime::VirtualTimer : public Timer {
 public:
  VirtualTimer(std::weak_ptr<State> state, std::shared_ptr<Item> item)
      : state_(std::move(state)), item_(std::move(item)) {}
  ~VirtualTimer() override {
    item_->pending = false;
    if (auto state = state_.lock()) state->remove(item_.get());
  }

  void setInterval(std::uint32_t milliseconds) override {
    item_->interval = milliseconds;
    if (item_->pending) restart();  // as a Windows timer: a new interval starts now
  }
  std::uint32_t interval() const override { return item_->interval; }
  void setEnabled(bool enabled) override {
    item_->pending = enabled;
    if (enabled) restart();
  }
  bool enabled() const override { return item_->pending; }
  void setHandler(std::function<void()> handler) override { item_->handler = std::move(handler); }

 private:
  void restart() {
    auto state = state_.lock();
    if (!state) return;
    item_->due = state->elapsed + std::max<std::uint32_t>(item_->interval, 1);
  }

  std::weak_ptr<State> state_;
  std::shared_ptr<Item> item_;
};

VirtualRuntime::VirtualRuntime(DayTime start, std::uint32_t startTickCount)
    : start_(start), startTickCount_(startTickCount), state_(std::make_shared<State>()) {}

VirtualRuntime::~VirtualRuntime() = default;

DayTime VirtualRuntime::now() const {
  return start_ + static_cast<double>(state_->elapsed) / kMillisecondsPerDay;
}

std::uint32_t VirtualRuntime::tickCount() const {
  return startTickCount_ + static_cast<std::uint32_t>(state_->elapsed);  // wraps at 2^32
}

std::uint64_t VirtualRuntime::elapsedMilliseconds() const {
  return state_->elapsed;
}

std::unique_ptr<Timer> VirtualRuntime::createTimer() {
  auto item = std::make_shared<Item>();
  item->repeating = true;
  item->sequence = state_->sequence++;
  state_->items.push_back(item);
  return std::make_unique<VirtualTimer>(state_, std::move(item));
}

std::optional<std::uint64_t> VirtualRuntime::nextDue() const {
  std::optional<std::uint64_t> next;
  for (const auto& item : state_->items) {
    if (item->pending && (!next || item->due < *next)) next = item->due;
  }
  return next;
}

bool VirtualRuntime::fireOne() {
  std::shared_ptr<Item> chosen;
  for (const auto& item : state_->items) {
    if (!item->pending || item->due > state_->elapsed) continue;
    if (!chosen || item->due < chosen->due ||
        (item->due == chosen->due && item->sequence < chosen->sequence)) {
      chosen = item;
    }
  }
  if (!chosen) return false;
  if (chosen->repeating) {
    // Rescheduled before the handler runs; a timer that fell behind by more
    // than an interval fires once now and then keeps its rhythm from here.
    const std::uint64_t step = std::max<std::uint32_t>(chosen->interval, 1);
    chosen->due += step;
    if (chosen->due <= state_->elapsed) chosen->due = state_->elapsed + step;
  } else {
    chosen->pending = false;
    state_->remove(chosen.get());
  }
  // A copy: the handler may replace itself or destroy its timer while it runs.
  auto handler = chosen->handler;
  if (handler) handler();
  return true;
}

void VirtualRuntime::processMessages() {
  while (fireOne()) {
  }
}

void VirtualRuntime::sleep(std::uint32_t milliseconds) {
  state_->elapsed += milliseconds;
}

void VirtualRuntime::waitForEvents(std::uint32_t milliseconds) {
  const std::uint64_t limit = state_->elapsed + milliseconds;
  const auto next = nextDue();
  if (next && *next <= state_->elapsed) return;
  state_->elapsed = next ? std::min(*next, limit) : limit;
}

void VirtualRuntime::advance(std::uint64_t milliseconds) {
  const std::uint64_t target = state_->elapsed + milliseconds;
  for (;;) {
    processMessages();
    const auto next = nextDue();
    if (!next || *next > target) break;
    state_->elapsed = std::max(state_->elapsed, *next);
  }
  state_->elapsed = std::max(state_->elapsed, target);
}

void VirtualRuntime::postAt(std::uint64_t elapsedMilliseconds, std::function<void()> event) {
  auto item = std::make_shared<Item>();
  item->due = elapsedMilliseconds;
  item->sequence = state_->sequence++;
  item->pending = true;
  item->handler = std::move(event);
  state_->items.push_back(std::move(item));
}

void VirtualRuntime::postAfter(std::uint64_t milliseconds, std::function<void()> event) {
  postAt(state_->elapsed + milliseconds, std::move(event));
}

}  // namespace voltaro::platform::sim
