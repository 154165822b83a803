#include "settings/settings_fields.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace voltaro::settings {

namespace {

constexpr SettingsField kFields[] = {
    {"WarningEnabled", 0, &AppSettings::WarningEnabled},
    {"WarningInMinutes", 1, &AppSettings::WarningInMinutes},
    {"WarningLevel", 2, &AppSettings::WarningLevel},
    {"CriticalEnabled", 3, &AppSettings::CriticalEnabled},
    {"CriticalInMinutes", 4, &AppSettings::CriticalInMinutes},
    {"CriticalLevel", 5, &AppSettings::CriticalLevel},
    {"AutoRun", 6, &AppSettings::AutoRun},
    {"DischargeLog", 7, &AppSettings::DischargeLog},
    {"WarnAdjustBrightness", 8, &AppSettings::WarnAdjustBrightness},
    {"WarnBrightnessLevel", 9, &AppSettings::WarnBrightnessLevel},
    {"WarnDisableAero", 10, &AppSettings::WarnDisableAero},
    {"WarnMuteSpeakers", 11, &AppSettings::WarnMuteSpeakers},
    {"CritMonitorOff", 12, &AppSettings::CritMonitorOff},
    {"CritSystemStandby", 13, &AppSettings::CritSystemStandby},
    {"CritSystemHibernate", 14, &AppSettings::CritSystemHibernate},
    {"SmoothGraphics", 15, &AppSettings::SmoothGraphics},
    {"BatteryOnTop", 16, &AppSettings::BatteryOnTop},
    {"EnableAeroOnAC", 17, &AppSettings::EnableAeroOnAC},
    {"PlaySounds", 18, &AppSettings::PlaySounds},
    {"CritForceStandby", 19, &AppSettings::CritForceStandby},
    {"CritForceHibernate", 20, &AppSettings::CritForceHibernate},
    {"GadgetOpacity", 21, &AppSettings::GadgetOpacity},
    {"SmallSizeGadget", 22, &AppSettings::SmallSizeGadget},
    {"GadgetShowTimeRemaining", 23, &AppSettings::GadgetShowTimeRemaining},
    {"GadgetShowCapacity", 24, &AppSettings::GadgetShowCapacity},
    {"FastDischargeMinutes", 25, nullptr},
    {"WarnLaunchProgram", 29, &AppSettings::WarnLaunchProgram},
    {"CalibrationLog", 30, &AppSettings::CalibrationLog},
    {"ExitConfirmation", 31, &AppSettings::ExitConfirmation},
    {"CritShowMessage", 32, &AppSettings::CritShowMessage},
    {"FastDischargeCpuLoad", 33, &AppSettings::FastDischargeCpuLoad},
    {"FastDischargeBrightness", 34, &AppSettings::FastDischargeBrightness},
    {"FastDischargeDiscActivity", 35, &AppSettings::FastDischargeDiscActivity},
    {"FastDischargeBrightnessLevel", 36, &AppSettings::FastDischargeBrightnessLevel},
    {"FastDischargeDiscPercent", 37, &AppSettings::FastDischargeDiscPercent},
    {"FastDischargeCpuThreads", 38, &AppSettings::FastDischargeCpuThreads},
    {"ShowIconMenu", 39, &AppSettings::ShowIconMenu},
    {"ShowBatteryGadget", 40, &AppSettings::ShowBatteryGadget},
    {"PlayVoices", 41, &AppSettings::PlayVoices},
    {"ShowGadgetHints", 42, &AppSettings::ShowGadgetHints},
    {"FilledGraphics", 43, &AppSettings::FilledGraphics},
    {"DischargeLine", 44, &AppSettings::DischargeLine},
    {"Style3DGadget", 45, &AppSettings::Style3DGadget},
    {"ShowBatteryAdvice", 46, &AppSettings::ShowBatteryAdvice},
    {"GadgetShowCpuUsage", 47, &AppSettings::GadgetShowCpuUsage},
    {"DigitGrouping", 48, &AppSettings::DigitGrouping},
    {"TaskPriority", 49, &AppSettings::TaskPriority},
    {"BalloonHints", 50, &AppSettings::BalloonHints},
};

std::optional<long long> parseNumber(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::span<const SettingsField> settingsFields() {
  return kFields;
}

const SettingsField* findSettingsField(std::string_view name) {
  for (const SettingsField& field : kFields) {
    if (name == field.name) return &field;
  }
  return nullptr;
}

std::string fieldValue(const AppSettings& settings, const SettingsField& field) {
  if (field.byte == nullptr) return std::to_string(settings.FastDischargeMinutes);
  return std::to_string(settings.*field.byte);
}

std::optional<std::string> setFieldValue(AppSettings& settings, const SettingsField& field,
                                         const std::string& text) {
  const auto value = parseNumber(text);
  if (field.byte == nullptr) {
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
      return std::string(field.name) + " takes a 32-bit number";
    }
    settings.FastDischargeMinutes = static_cast<std::int32_t>(*value);
    return std::nullopt;
  }
  if (!value || *value < 0 || *value > 255) return std::string(field.name) + " takes 0 to 255";
  settings.*field.byte = static_cast<std::uint8_t>(*value);
  return std::nullopt;
}

}  // namespace voltaro::settings
