// The files of the settings record in the data folder: "voltaro.ini",
// "launch.txt", "ar.bin" and the gadget position "battery.ini".
//
// Every read or write failure goes to the general error report and the
// operation stops there; the callers go on with what they have.
#pragma once

#include <optional>
#include <string>

#include "settings/app_settings.h"
#include "settings/gadget_position.h"

namespace voltaro::view {
class ErrorReport;
}

namespace voltaro::settings {

class SettingsStore {
 public:
  // `dataFolder` ends in the separator (see data_folder.h).
  SettingsStore(std::string dataFolder, view::ErrorReport& errors);

  const std::string& dataFolder() const { return dataFolder_; }
  // The full path of a file of the data folder.
  std::string pathOf(const std::string& fileName) const { return dataFolder_ + fileName; }

  // True when "voltaro.ini" exists: the program then starts in the tray.
  bool settingsFileExists() const;

  // Fresh defaults, then the stored fields, the corrections and "launch.txt".
  // Keeps `LearnedChargeRate`, which belongs to "ar.bin". False on a read error.
  bool loadSettings(AppSettings& settings);
  // Exactly 51 bytes, then "launch.txt". False (and nothing more written) on
  // the first failure.
  bool saveSettings(const AppSettings& settings);

  // `LearnedChargeRate` := 500000, then the value of "ar.bin" when it exists.
  bool loadChargeRate(AppSettings& settings);
  bool saveChargeRate(const AppSettings& settings);

  // The position of "battery.ini" with negative coordinates raised to 0;
  // nullopt when the file is missing or cannot be read.
  std::optional<GadgetPosition> readGadgetPosition();
  bool writeGadgetPosition(const GadgetPosition& position);

 private:
  void reportRead(const std::string& path);
  void reportWrite(const std::string& path);

  std::string dataFolder_;
  view::ErrorReport& errors_;
};

inline constexpr const char* kSettingsFileName = "voltaro.ini";
inline constexpr const char* kLaunchFileName = "launch.txt";
inline constexpr const char* kChargeRateFileName = "ar.bin";
inline constexpr const char* kGadgetPositionFileName = "battery.ini";
inline constexpr std::uint32_t kInitialChargeRate = 500000;  // mWh per day

}  // namespace voltaro::settings
