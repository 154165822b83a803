// The change snapshot: what the gauge and the gadget show, compared whole
// from one tick to the next so that they are redrawn only on a change.
#pragma once

#include <cstdint>

namespace voltaro::monitor {

struct ChangeSnapshot {
  int percent = 111;  // round(charge percent); 111 never matches a real level
  bool onPower = true;
  std::uint32_t remainingSeconds = 0;
  bool charging = true;
  std::uint8_t cpuUsage = 0;  // whole percent
  // The gadget's display options.
  bool smallSizeGadget = true;
  bool gadgetShowTimeRemaining = true;
  bool gadgetShowCapacity = true;
  bool gadgetShowCpuUsage = false;
  bool style3DGadget = true;
  bool operator==(const ChangeSnapshot&) const = default;
};

class ChangeDetector {
 public:
  // True when nothing changed since the last call; always keeps `current`.
  bool samestate(const ChangeSnapshot& current) {
    const bool same = current == last_;
    last_ = current;
    return same;
  }
  const ChangeSnapshot& last() const { return last_; }

 private:
  ChangeSnapshot last_{};
};

}  // namespace voltaro::monitor
