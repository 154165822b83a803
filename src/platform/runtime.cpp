#include "platform/runtime.h"

namespace voltaro::platform {

void delay(Runtime& runtime, std::uint32_t milliseconds) {
  const std::uint32_t start = runtime.tickCount();
  for (;;) {
    runtime.processMessages();
    const std::uint32_t elapsed = runtime.tickCount() - start;  // wraps like the tick count
    if (elapsed >= milliseconds) return;
    runtime.waitForEvents(milliseconds - elapsed);
  }
}

}  // namespace voltaro::platform
