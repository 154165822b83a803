// What the health store needs from the subsystems around it: the calibration
// and fast-discharge states, Green Mode, and the confirmation dialog with its
// pending dialog code. The composition root implements these; the defaults
// describe an idle program, so a missing subsystem refuses nothing.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_codes.h"
#include "view/confirmation_port.h"

namespace voltaro::health {

class HealthHooks {
 public:
  virtual ~HealthHooks() = default;

  virtual bool calibrationRunning() { return false; }
  // A full read of the primary battery sets the calibration state from the
  // start marker file.
  virtual void setCalibrating(bool /*calibrating*/) {}
  virtual bool fastDischargeRunning() { return false; }
  virtual bool greenModeOn() { return false; }

  // Sets the pending dialog code to `code` and shows the confirmation dialog
  // (do_resu acts on the answer later).
  virtual void askConfirmation(dialogs::DialogCode /*code*/,
                               const view::ConfirmationTexts& /*texts*/,
                               view::ConfirmationMode /*mode*/) {}

  // The Save command wrote the calibration data to `path`.
  virtual void healthSaved(const std::string& /*path*/) {}
};

}  // namespace voltaro::health
