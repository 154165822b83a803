// The files of the settings record in the data folder: "voltaro.ini",
// "launch.txt", "ar.bin" and the gadget position "battery.ini".
//
// A file that exists but cannot be read is never written in this run: the
// program goes on with defaults in memory and the user's file stays as it is.
// Failures go to the general error report, once per lasting fault of a file.
#pragma once

#include <optional>
#include <set>
#include <span>
#include <string>

#include "common/file_io.h"

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
  // Keeps `LearnedChargeRate`, which belongs to "ar.bin". The two files load
  // independently: fields read from one keep their values when the other
  // cannot be read. False when either could not be read.
  bool loadSettings(AppSettings& settings);
  // How "voltaro.ini" answered the last loadSettings: Missing on a first run,
  // Unreadable when the record in memory holds defaults in its place.
  ReadState settingsFileState() const { return settingsFileState_; }
  // Exactly 51 bytes, then "launch.txt". False (and nothing more written) on
  // the first failure, or when either file could not be read at load.
  bool saveSettings(const AppSettings& settings);

  // `LearnedChargeRate` := 500000, then the value of "ar.bin" when it exists.
  bool loadChargeRate(AppSettings& settings);
  bool saveChargeRate(const AppSettings& settings);

  // The position of "battery.ini" with negative coordinates raised to 0;
  // nullopt when the file is missing or cannot be read.
  std::optional<GadgetPosition> readGadgetPosition();
  bool writeGadgetPosition(const GadgetPosition& position);

 private:
  // The first `size` bytes of a file of the data folder. A file that cannot
  // be read, or holds fewer than `needed` bytes, is reported and kept from
  // every later save; `consequence` tells the user what the program does.
  FileRead readRecord(const std::string& path, std::size_t size, std::size_t needed,
                      const char* consequence);
  // Replaces the file unless it could not be read. With `mayRetryRead`, such
  // a file is read again first and, when it reads now, saved after all.
  bool save(const std::string& path, std::span<const std::uint8_t> bytes, bool mayRetryRead,
            std::size_t needed = 0);

  std::string dataFolder_;
  view::ErrorReport& errors_;
  ReadState settingsFileState_ = ReadState::Missing;
  std::set<std::string> unread_;  // paths that exist but could not be read
};

inline constexpr const char* kSettingsFileName = "voltaro.ini";
inline constexpr const char* kLaunchFileName = "launch.txt";
inline constexpr const char* kChargeRateFileName = "ar.bin";
inline constexpr const char* kGadgetPositionFileName = "battery.ini";
inline constexpr std::uint32_t kInitialChargeRate = 500000;  // mWh per day

}  // namespace voltaro::settings
