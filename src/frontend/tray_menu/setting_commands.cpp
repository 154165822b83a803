#include "frontend/tray_menu/setting_commands.h"

#include "engine/engine.h"
#include "engine/window_port.h"
#include "monitor/busy_flag.h"

namespace voltaro::frontend::tray_menu {

namespace {

using settings::TrayCheck;

constexpr std::uint32_t kIdleWaitSleepMilliseconds = 1;

struct FigureSetting {
  std::uint8_t settings::AppSettings::*field;
  TrayCheck check;
  int control;
};

FigureSetting figureSetting(GadgetFigure figure) {
  switch (figure) {
    case GadgetFigure::Capacity:
      return {&settings::AppSettings::GadgetShowCapacity, TrayCheck::BatteryCapacity,
              kShowCapacityControl};
    case GadgetFigure::TimeRemaining:
      return {&settings::AppSettings::GadgetShowTimeRemaining, TrayCheck::TimeRemaining,
              kShowTimeRemainingControl};
    case GadgetFigure::CpuUsage:
      return {&settings::AppSettings::GadgetShowCpuUsage, TrayCheck::CpuUsage,
              kShowCpuUsageControl};
  }
  return {&settings::AppSettings::GadgetShowCapacity, TrayCheck::BatteryCapacity,
          kShowCapacityControl};
}

std::uint8_t flipped(std::uint8_t flag) {
  return flag != 0 ? 0 : 1;
}

}  // namespace

void waitUntilIdle(engine::Engine& engine) {
  platform::Runtime& runtime = engine.services().runtime;
  for (int round = 0; round < kIdleWaitRounds && engine.monitor().busy(); ++round) {
    runtime.processMessages();
    runtime.sleep(kIdleWaitSleepMilliseconds);
  }
}

void SettingCommands::flipAlwaysOnTop() {
  settings::AppSettings& s = engine_.settings();
  s.BatteryOnTop = flipped(s.BatteryOnTop);
  engine_.trayMenu().setTrayCheck(TrayCheck::AlwaysOnTop, s.BatteryOnTop != 0);
  engine_.ports().window.redrawControl(kBatteryOnTopControl);
  engine_.gadget().setGadgetStayOnTop(s.BatteryOnTop != 0);
}

void SettingCommands::flipBalloonHints() {
  settings::AppSettings& s = engine_.settings();
  s.BalloonHints = flipped(s.BalloonHints);
  engine_.trayMenu().setTrayCheck(TrayCheck::BalloonHints, s.BalloonHints != 0);
  engine_.saveSettings();
}

void SettingCommands::chooseStyle(bool threeD) {
  engine_.settings().Style3DGadget = threeD ? 1 : 0;
  engine_.trayMenu().setTrayCheck(TrayCheck::Style3D, threeD);
  engine_.ports().window.redrawControl(kStyle3DControl);
  engine_.relayoutGadget();
}

void SettingCommands::chooseSize(bool small) {
  settings::AppSettings& s = engine_.settings();
  if ((s.SmallSizeGadget != 0) == small) return;
  s.SmallSizeGadget = small ? 1 : 0;
  engine_.trayMenu().setTrayCheck(TrayCheck::SmallSize, small);
  engine_.ports().window.redrawControl(kSmallSizeControl);
  engine_.relayoutGadget();
}

void SettingCommands::chooseOpacity(int percent) {
  engine_.trayMenu().checkOpacityItem(percent);
  engine_.settings().GadgetOpacity = static_cast<std::uint8_t>(percent);
  engine_.saveSettings();
  waitUntilIdle(engine_);
  monitor::BusyGuard busy(engine_.monitor().busyFlag());
  engine_.gadget().applyGadgetOpacity();
}

void SettingCommands::flipShown(GadgetFigure figure) {
  waitUntilIdle(engine_);
  const FigureSetting setting = figureSetting(figure);
  settings::AppSettings& s = engine_.settings();
  s.*setting.field = flipped(s.*setting.field);
  engine_.trayMenu().setTrayCheck(setting.check, s.*setting.field != 0);
  engine_.saveSettings();
  engine_.ports().window.redrawControl(setting.control);
}

}  // namespace voltaro::frontend::tray_menu
