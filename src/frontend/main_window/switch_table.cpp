#include "frontend/main_window/switch_table.h"

#include <array>
#include <utility>

namespace voltaro::frontend::main_window {

namespace {
using S = settings::AppSettings;
using Field = std::uint8_t S::*;
const std::array<std::pair<int, Field>, 37> kSwitches = {{
    {20, &S::AutoRun},
    {21, &S::DischargeLog},
    {22, &S::CalibrationLog},
    {23, &S::BatteryOnTop},
    {24, &S::ExitConfirmation},
    {25, &S::SmoothGraphics},
    {26, &S::PlaySounds},
    {27, &S::EnableAeroOnAC},
    {32, &S::PlayVoices},
    {33, &S::ShowBatteryGadget},
    {34, &S::ShowGadgetHints},
    {35, &S::ShowIconMenu},
    {36, &S::WarningEnabled},
    {37, &S::WarningInMinutes},
    {40, &S::WarnMuteSpeakers},
    {41, &S::WarnDisableAero},
    {43, &S::WarnLaunchProgram},
    {44, &S::WarnAdjustBrightness},
    {48, &S::CriticalEnabled},
    {49, &S::CriticalInMinutes},
    {52, &S::CritMonitorOff},
    {53, &S::CritSystemStandby},
    {54, &S::CritSystemHibernate},
    {55, &S::CritForceStandby},
    {56, &S::CritForceHibernate},
    {57, &S::CritShowMessage},
    {61, &S::GadgetShowCapacity},
    {62, &S::GadgetShowTimeRemaining},
    {63, &S::GadgetShowCpuUsage},
    {71, &S::FastDischargeCpuLoad},
    {74, &S::FastDischargeBrightness},
    {77, &S::FastDischargeDiscActivity},
    {80, &S::FilledGraphics},
    {83, &S::DischargeLine},
    {84, &S::SmallSizeGadget},
    {85, &S::Style3DGadget},
    {86, &S::ShowBatteryAdvice},
}};
constexpr std::array<std::pair<int, int>, 4> kPriorityRadios = {
    {{64, 1}, {87, 2}, {88, 3}, {89, 4}}};
}  // namespace

std::uint8_t settings::AppSettings::*switchField(int number) {
  for (const auto& [n, field] : kSwitches) {
    if (n == number) return field;
  }
  return nullptr;
}

bool switchShowsOn(const settings::AppSettings& settings, int number) {
  for (const auto& [n, priority] : kPriorityRadios) {
    if (n == number) return settings.TaskPriority == priority;
  }
  const Field field = switchField(number);
  return field != nullptr && settings.*field != 0;
}

bool flipSwitch(settings::AppSettings& settings, int number) {
  const Field field = switchField(number);
  if (field == nullptr) return false;
  settings.*field = settings.*field != 0 ? 0 : 1;
  return true;
}

}  // namespace voltaro::frontend::main_window
