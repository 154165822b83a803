// The busy flag: set while a tick, a slot scan, an information read or a
// command that touches the batteries, the history or the gadget runs. Nested
// message loops can start such work inside one another; the flag turns a
// nested tick into a no-op and makes the others wait.
#pragma once

namespace voltaro::monitor {

class BusyFlag {
 public:
  bool isSet() const { return set_; }
  void set(bool value) { set_ = value; }

 private:
  bool set_ = false;
};

// Holds the flag for a scope. It restores the value it found, so a piece of
// work nested inside a tick (the recovery run from the tick) does not clear
// the tick's hold, and an early return or an exception never leaves the flag
// set for ever.
class BusyGuard {
 public:
  explicit BusyGuard(BusyFlag& flag) : flag_(flag), before_(flag.isSet()) { flag_.set(true); }
  ~BusyGuard() { flag_.set(before_); }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  BusyFlag& flag_;
  bool before_;
};

}  // namespace voltaro::monitor
