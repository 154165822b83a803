// What the engine tells a front end that keeps a record of what the program
// does (voltaroctl simulate prints it): the alerts as they fire. The
// program's windows show an alert through its actions instead; every
// default does nothing.
#pragma once

#include "alerts/alerts_hooks.h"

namespace voltaro::engine {

class ActivityPort {
 public:
  virtual ~ActivityPort() = default;
  // An alert fires; its actions follow.
  virtual void alertFired(alerts::AlertKind /*kind*/) {}
};

}  // namespace voltaro::engine
