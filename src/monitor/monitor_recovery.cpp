// Start, watchdog, pause, recovery and the battery switch of the monitor.
#include <array>
#include <string_view>

#include "battery/battery_access.h"
#include "battery/battery_state.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "platform/audio.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::monitor {

using view::Page;

namespace {
constexpr int kPauseRounds = 120;  // suspend and recovery wait up to 1.2 s for a tick
constexpr int kSwitchRounds = 100;
constexpr int kShortRounds = 10;
constexpr std::uint32_t kSettleMilliseconds = 100;

constexpr std::array<std::string_view, 10> kCalibrateCounters = {
    "Maximum Wear Level", "Full Discharge Cycles",   "Battery Usage Time",   "Discharging Time",
    "Wear Level",         "Latest Calibration",      "Battery Calibrations", "Capacity Drop",
    "Charging Time",      "Cycles since Calibration"};

// The figures of the battery shown, cleared when another battery is chosen.
constexpr std::array<std::string_view, 9> kInformationFigures = {
    "Designed Capacity", "Full Charged Capacity", "Current Capacity",
    "Capacity Drop",     "Battery Voltage",       "Charge Rate",
    "Warning Alert",     "Low Level Alert",       "Critical Bias"};
constexpr std::array<std::string_view, 4> kLeftColumnFigures = {"Charge", "Time", "Cycles", "Wear"};
}  // namespace

void Monitor::waitidle(int rounds) {
  do {
    c_.runtime.processMessages();
    c_.runtime.sleep(10);
    if (rounds > 0) --rounds;
  } while (rounds > 0 && busy_.isSet());
}

void Monitor::delay(std::uint32_t milliseconds) {
  platform::delay(c_.runtime, milliseconds);
}

void Monitor::Timer2Timer() {
  if (!c_.hooks.gadgetCreated()) return;
  timer2_->setEnabled(false);
  c_.runtime.processMessages();
  c_.hooks.applyAutoRun();
  busy_.set(false);
  startmonitor();
}

void Monitor::Timer5Timer() {
  if (!timer1_->enabled()) res();
}

void Monitor::refreshinfo() {
  BusyGuard hold(busy_);
  c_.battery.config0(true);
  c_.battery.slotbatafis();
  // slotbatafis writes the no-battery hint itself: the cache no longer
  // knows what the tray shows.
  hint_.clear();
}

void Monitor::startmonitor() {
  // Volume failures (no mixer) are ignored.
  c_.audio.setMasterVolume(90);
  c_.hooks.setGadgetStayOnTop(c_.settings.BatteryOnTop != 0);
  resetCalibrateCounters();
  startTime_ = c_.runtime.now();
  lastTickCount_ = c_.runtime.tickCount();
  elapsedMilliseconds_ = 0;
  rereadMark_ = 0;
  // Without a battery the tick still runs: it looks for one every second
  // tick, so a battery put in later is shown within a few seconds.
  timer1_->setEnabled(true);
  if (!c_.slots.deviceSetValid) return;
  c_.battery.scanslots();
  c_.battery.pickslot();
  c_.info.identity = "NoID";
  refreshinfo();
  c_.battery.slotbatafis();
  // Nothing was read: no figure stands at its start-up 0.
  if (c_.slots.batteryCount == 0) resetBatteryFigures("None");
}

void Monitor::resetCalibrateCounters() {
  for (auto caption : kCalibrateCounters) c_.texts.set(Page::Calibrate, caption, "0");
  c_.texts.set(Page::LeftColumn, "Days", "0");
  c_.hooks.resetWearFigures();
}

void Monitor::pausemonitor() {
  if (busy_.isSet()) waitidle(kPauseRounds);
  timer1_->setEnabled(false);
  c_.runtime.sleep(kSettleMilliseconds);
  if (c_.slots.statusHandle == platform::kInvalidHandle) return;
  cancelStatusRequest();
  c_.runtime.sleep(kSettleMilliseconds);
}

void Monitor::cancelStatusRequest() {
  c_.battery.cancelStatusRequest();
  // The cancelled requests will never be done, so the cycle's end would
  // never close this handle; the next cycle opens a new one.
  c_.battery.closeStatusHandle();
}

void Monitor::res() {
  // The tick that runs the recovery holds the flag itself: no use waiting.
  if (busy_.isSet() && !recoveringInTick_) waitidle(kPauseRounds);
  c_.hooks.reopenBrightness();
  resetCycle();
  c_.battery.scanslots();
  refreshinfo();
  adviceShown_ = false;
  c_.live.estimatorStart = 0;
  timer1_->setEnabled(true);
}

void Monitor::resetCycle() {
  c_.battery.restartRequests();
  firstReadingDone_ = false;
  c_.live.forgetReading();
}

int Monitor::nextBatterySlot() const {
  const int current = c_.slots.currentSlot;
  for (int step = 1; step <= battery::kSlotCount; ++step) {
    const int slot = (current - 1 + step) % battery::kSlotCount + 1;
    const auto& device = c_.slots.slot(slot);
    if (device.interfacePresent && device.batteryPresent) return slot;
  }
  return current;
}

void Monitor::act8() {
  const auto& current = c_.slots.slot(c_.slots.currentSlot);
  if (!current.interfacePresent || !current.batteryPresent) return errorSound();
  const int next = nextBatterySlot();
  if (next == c_.slots.currentSlot) {
    errorSound();
    c_.statusLine.show("No more batteries!");
    return;
  }
  if (c_.hooks.calibrationRunning()) {
    errorSound();
    c_.statusLine.show("Calibration in progress!");
    return;
  }
  if (busy_.isSet()) waitidle(kShortRounds);
  timer1_->setEnabled(false);
  waitidle(kSwitchRounds);
  if (c_.slots.statusHandle != platform::kInvalidHandle) {
    cancelStatusRequest();
    delay(kSettleMilliseconds);
  }
  showBattery(next, true);
  timer1_->setEnabled(true);
}

void Monitor::resetBatteryFigures(const char* text) {
  for (auto caption : kInformationFigures) c_.texts.set(Page::Information, caption, text);
  for (auto caption : kLeftColumnFigures) c_.texts.set(Page::LeftColumn, caption, text);
}

}  // namespace voltaro::monitor
