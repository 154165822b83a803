// The in-memory settings record. Field order and widths follow the 51-byte
// "voltaro.ini" layout (offsets in the comments); settings/settings_store.h
// loads, corrects and saves it.
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::settings {

struct AppSettings {
  std::uint8_t WarningEnabled = 0;                  // 0
  std::uint8_t WarningInMinutes = 0;                // 1
  std::uint8_t WarningLevel = 30;                   // 2, 1..99
  std::uint8_t CriticalEnabled = 0;                 // 3
  std::uint8_t CriticalInMinutes = 0;               // 4
  std::uint8_t CriticalLevel = 5;                   // 5, 1..99
  std::uint8_t AutoRun = 1;                         // 6
  std::uint8_t DischargeLog = 0;                    // 7
  std::uint8_t WarnAdjustBrightness = 0;            // 8
  std::uint8_t WarnBrightnessLevel = 255;           // 9, percent; 255 none chosen
  std::uint8_t WarnDisableAero = 0;                 // 10
  std::uint8_t WarnMuteSpeakers = 0;                // 11
  std::uint8_t CritMonitorOff = 0;                  // 12
  std::uint8_t CritSystemStandby = 0;               // 13
  std::uint8_t CritSystemHibernate = 0;             // 14
  std::uint8_t SmoothGraphics = 0;                  // 15
  std::uint8_t BatteryOnTop = 0;                    // 16
  std::uint8_t EnableAeroOnAC = 0;                  // 17
  std::uint8_t PlaySounds = 1;                      // 18
  std::uint8_t CritForceStandby = 0;                // 19
  std::uint8_t CritForceHibernate = 0;              // 20
  std::uint8_t GadgetOpacity = 100;                 // 21, 20..100
  std::uint8_t SmallSizeGadget = 1;                 // 22
  std::uint8_t GadgetShowTimeRemaining = 0;         // 23
  std::uint8_t GadgetShowCapacity = 1;              // 24
  std::int32_t FastDischargeMinutes = 5;            // 25..28, 1..200
  std::uint8_t WarnLaunchProgram = 0;               // 29
  std::uint8_t CalibrationLog = 0;                  // 30
  std::uint8_t ExitConfirmation = 1;                // 31
  std::uint8_t CritShowMessage = 1;                 // 32
  std::uint8_t FastDischargeCpuLoad = 0;            // 33
  std::uint8_t FastDischargeBrightness = 0;         // 34
  std::uint8_t FastDischargeDiscActivity = 0;       // 35
  std::uint8_t FastDischargeBrightnessLevel = 255;  // 36, percent; 255 none chosen
  std::uint8_t FastDischargeDiscPercent = 1;        // 37, 1..100
  std::uint8_t FastDischargeCpuThreads = 1;         // 38, 1..4
  std::uint8_t ShowIconMenu = 0;                    // 39
  std::uint8_t ShowBatteryGadget = 1;               // 40
  std::uint8_t PlayVoices = 1;                      // 41
  std::uint8_t ShowGadgetHints = 1;                 // 42
  std::uint8_t FilledGraphics = 1;                  // 43
  std::uint8_t DischargeLine = 1;                   // 44
  std::uint8_t Style3DGadget = 1;                   // 45
  std::uint8_t ShowBatteryAdvice = 1;               // 46
  std::uint8_t GadgetShowCpuUsage = 0;              // 47
  std::uint8_t DigitGrouping = 1;                   // 48, 0 none, 1 ",", 2 "."
  std::uint8_t TaskPriority = 2;                    // 49, 1 Idle .. 4 Real-time
  std::uint8_t BalloonHints = 1;                    // 50

  // Companion files: "launch.txt" and "ar.bin".
  std::string LaunchProgramPath;
  std::uint32_t LearnedChargeRate = 500000;  // mWh per day

  bool operator==(const AppSettings&) const = default;
};

constexpr std::size_t kSettingsFileBytes = 51;

}  // namespace voltaro::settings
