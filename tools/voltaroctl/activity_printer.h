// What `voltaroctl simulate` prints beside the changes of the shown values:
// every alert, every request to the simulated machine's display, power,
// speaker, shell and power plans, one line each behind the time stamp:
//
//   alert warning | alert critical
//   action brightness ac=P | battery=P | ac=P battery=P
//   action composition on|off      action monitor off
//   action volume P                action mute on|off
//   action standby [force]         action hibernate [force]
//   action shut down               action restart
//   action launch TARGET           action run [elevated] PROGRAM ARGUMENTS
//   plan activate NAME             plan standby on
//   plan hibernation on|off        plan calibration-values NAME
//   plan standby-on-battery off
#pragma once

#include <optional>
#include <string>

#include "change_printer.h"
#include "engine/activity_port.h"
#include "engine/simulated_machine.h"

namespace voltaro::tools {

class ActivityPrinter : public engine::ActivityPort {
 public:
  explicit ActivityPrinter(ChangePrinter& printer) : printer_(printer) {}

  // Prints the machine's requests from now on.
  void watch(engine::SimulatedMachine& machine);

  void alertFired(alerts::AlertKind kind) override;

  // The printed line of a simulated service's request, in its recorder's
  // words ("setBrightness 2 40 40"); nullopt for the queries and the
  // requests that are not printed.
  static std::optional<std::string> requestLine(const std::string& call);

 private:
  ChangePrinter& printer_;
};

}  // namespace voltaro::tools
