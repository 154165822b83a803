// The byte layout of "voltaro.ini" and the corrections applied when it loads.
#include "settings/settings_file.h"

#include <array>

#include "common/file_io.h"

namespace voltaro::settings {
namespace {

constexpr std::size_t kHeadBytes = 25;    // offsets 0..24, all read or none
constexpr std::size_t kDurationEnd = 29;  // offsets 25..28
using ByteField = std::uint8_t AppSettings::*;

// Offsets 0..24 in order.
constexpr std::array<ByteField, kHeadBytes> kHeadFields = {
    &AppSettings::WarningEnabled,
    &AppSettings::WarningInMinutes,
    &AppSettings::WarningLevel,
    &AppSettings::CriticalEnabled,
    &AppSettings::CriticalInMinutes,
    &AppSettings::CriticalLevel,
    &AppSettings::AutoRun,
    &AppSettings::DischargeLog,
    &AppSettings::WarnAdjustBrightness,
    &AppSettings::WarnBrightnessLevel,
    &AppSettings::WarnDisableAero,
    &AppSettings::WarnMuteSpeakers,
    &AppSettings::CritMonitorOff,
    &AppSettings::CritSystemStandby,
    &AppSettings::CritSystemHibernate,
    &AppSettings::SmoothGraphics,
    &AppSettings::BatteryOnTop,
    &AppSettings::EnableAeroOnAC,
    &AppSettings::PlaySounds,
    &AppSettings::CritForceStandby,
    &AppSettings::CritForceHibernate,
    &AppSettings::GadgetOpacity,
    &AppSettings::SmallSizeGadget,
    &AppSettings::GadgetShowTimeRemaining,
    &AppSettings::GadgetShowCapacity,
};

// Offsets 29..50 in order; each is read only when the file reaches it.
constexpr std::array<ByteField, kSettingsFileBytes - kDurationEnd> kTailFields = {
    &AppSettings::WarnLaunchProgram,
    &AppSettings::CalibrationLog,
    &AppSettings::ExitConfirmation,
    &AppSettings::CritShowMessage,
    &AppSettings::FastDischargeCpuLoad,
    &AppSettings::FastDischargeBrightness,
    &AppSettings::FastDischargeDiscActivity,
    &AppSettings::FastDischargeBrightnessLevel,
    &AppSettings::FastDischargeDiscPercent,
    &AppSettings::FastDischargeCpuThreads,
    &AppSettings::ShowIconMenu,
    &AppSettings::ShowBatteryGadget,
    &AppSettings::PlayVoices,
    &AppSettings::ShowGadgetHints,
    &AppSettings::FilledGraphics,
    &AppSettings::DischargeLine,
    &AppSettings::Style3DGadget,
    &AppSettings::ShowBatteryAdvice,
    &AppSettings::GadgetShowCpuUsage,
    &AppSettings::DigitGrouping,
    &AppSettings::TaskPriority,
    &AppSettings::BalloonHints,
};

constexpr std::uint8_t kNoBrightnessChosen = 255;
constexpr std::uint8_t kMaxPercent = 100;

}  // namespace

void readSettingsBytes(std::span<const std::uint8_t> bytes, AppSettings& settings) {
  if (bytes.size() < kHeadBytes) return;
  ByteReader reader(bytes);
  for (ByteField field : kHeadFields) settings.*field = *reader.u8();
  if (bytes.size() < kDurationEnd) return;
  settings.FastDischargeMinutes = *reader.i32();
  for (ByteField field : kTailFields) {
    const auto value = reader.u8();
    if (!value) return;
    settings.*field = *value;
  }
}

void applyCriticalExclusivity(AppSettings& s) {
  const int on =
      (s.CritMonitorOff != 0) + (s.CritSystemStandby != 0) + (s.CritSystemHibernate != 0);
  if (on < 2) return;
  s.CritMonitorOff = 0;
  s.CritSystemStandby = 0;
  s.CritSystemHibernate = 0;
}

void applyLoadCorrections(AppSettings& s) {
  if (s.WarningLevel == 0 || s.WarningLevel >= 100) s.WarningLevel = 30;
  if (s.CriticalLevel == 0 || s.CriticalLevel >= 100) s.CriticalLevel = 5;
  if (s.WarnBrightnessLevel > kMaxPercent) s.WarnBrightnessLevel = kNoBrightnessChosen;
  if (s.FastDischargeBrightnessLevel > kMaxPercent) {
    s.FastDischargeBrightnessLevel = kNoBrightnessChosen;
  }
  // 0 threads is left alone on purpose: only values above the four workers reset.
  if (s.FastDischargeCpuThreads > 4) s.FastDischargeCpuThreads = 1;
  applyCriticalExclusivity(s);
  if (s.GadgetOpacity > 100) s.GadgetOpacity = 100;
  if (s.GadgetOpacity < 20) s.GadgetOpacity = 20;
  if (s.FastDischargeMinutes <= 0 || s.FastDischargeMinutes > 200) s.FastDischargeMinutes = 5;
  if (s.FastDischargeDiscPercent > kMaxPercent) s.FastDischargeDiscPercent = kMaxPercent;
  if (s.FastDischargeDiscPercent == 0) s.FastDischargeDiscPercent = 1;
}

std::vector<std::uint8_t> encodeSettings(const AppSettings& settings) {
  ByteWriter writer;
  for (ByteField field : kHeadFields) writer.u8(settings.*field);
  writer.i32(settings.FastDischargeMinutes);
  for (ByteField field : kTailFields) writer.u8(settings.*field);
  return writer.bytes();
}

}  // namespace voltaro::settings
