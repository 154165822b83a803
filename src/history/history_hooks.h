// What the history needs from the monitoring cycle: the busy flag and the
// message-pumping wait for it. The monitor owns both; the composition root
// implements this interface with them.
#pragma once

namespace voltaro::history {

class HistoryHooks {
 public:
  virtual ~HistoryHooks() = default;
  // True while a tick, a slot scan or another battery command runs.
  virtual bool busy() const { return false; }
  // Processes messages and sleeps 10 ms per round while the flag stays set.
  virtual void waitidle(int /*rounds*/) {}
};

}  // namespace voltaro::history
