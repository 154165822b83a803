// The Load, Save and Reset commands of the Calibrate page: export and import
// of the 24-byte health file, and the reset after the user confirms it.
#pragma once

#include <string>

#include "battery/battery_state.h"
#include "health/health_hooks.h"
#include "health/health_store.h"
#include "platform/audio.h"
#include "settings/app_settings.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"

namespace voltaro::health {

struct HealthCommandContext {
  HealthStore& store;
  const battery::BatteryInfo& info;
  const battery::SlotTable& slots;
  const settings::AppSettings& settings;
  const std::string& dataFolder;
  view::FileDialogPort& fileDialogs;
  view::ErrorReport& errors;
  platform::Audio& audio;
  HealthHooks& hooks;
};

class HealthCommands {
 public:
  explicit HealthCommands(const HealthCommandContext& context);

  // Load: refused while a calibration or fast discharge runs or when another
  // battery is selected; otherwise asks for a file and imports it.
  void loadCommand();
  // Save: asks for a file name and exports the current values; the capacity
  // journal goes beside them.
  void saveCommand();
  // Reset: the refusals of Load, then the reset question (code 45).
  void resetCommand();

  // Reads all six values of `path` and adopts them only when all could be
  // read. False (reported) when the file cannot be read or is too short.
  bool importhealth(const std::string& path);
  // Writes the 24-byte file; false (reported) when it cannot be written.
  bool exporthealth(const std::string& path);
  // After YES to the reset question: zeroes the record, today as the latest
  // calibration and the full-charged capacity as the maximum. The refusals
  // are checked again, because the dialog is modeless and the battery may
  // have been switched or a calibration started while it was open.
  void resethealth();

 private:
  // Plays the refusal sound and shows the notice when the record may not be
  // changed now; true when refused.
  bool refused();
  void refusalSound();
  void showNotice(const std::string& line0, const std::string& line1);

  HealthStore& store_;
  const battery::BatteryInfo& info_;
  const battery::SlotTable& slots_;
  const settings::AppSettings& settings_;
  const std::string& dataFolder_;
  view::FileDialogPort& fileDialogs_;
  view::ErrorReport& errors_;
  platform::Audio& audio_;
  HealthHooks& hooks_;
};

}  // namespace voltaro::health
