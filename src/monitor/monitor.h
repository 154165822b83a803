// The monitoring cycle: the one-second tick and its sub-rates, the start of
// monitoring, the watchdog, the pause before sleep and the recovery after it,
// and the switch to another battery.
//
// Everything runs on the program's thread. The waits here (waitidle, delay)
// keep processing messages, so timer and power events arrive inside them; the
// busy flag turns a nested tick into a no-op and makes the other handlers
// wait before they touch the battery state.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/day_number.h"
#include "monitor/busy_flag.h"
#include "monitor/change_snapshot.h"
#include "monitor/cpu_meter.h"
#include "monitor/health_counters.h"
#include "monitor/tick_counters.h"
#include "monitor/tray_icon.h"
#include "platform/power_events.h"
#include "platform/runtime.h"

namespace voltaro::platform {
class Audio;
class SystemTimes;
}  // namespace voltaro::platform
namespace voltaro::view {
class ShownTexts;
class StatusLine;
class TrayPort;
}  // namespace voltaro::view
namespace voltaro::settings {
struct AppSettings;
}
namespace voltaro::battery {
class BatteryAccess;
struct SlotTable;
struct BatteryRequests;
struct BatteryInfo;
struct LiveStatus;
}  // namespace voltaro::battery

namespace voltaro::monitor {

class MonitorHooks;

struct MonitorContext {
  platform::Runtime& runtime;
  platform::PowerEvents& powerEvents;
  platform::SystemTimes& systemTimes;
  platform::Audio& audio;
  view::ShownTexts& texts;
  view::TrayPort& tray;
  view::StatusLine& statusLine;
  battery::BatteryAccess& battery;
  // The battery state that battery access fills and the tick reads.
  battery::SlotTable& slots;
  battery::BatteryRequests& requests;
  battery::BatteryInfo& info;
  battery::LiveStatus& live;
  const settings::AppSettings& settings;
  MonitorHooks& hooks;
};

class Monitor {
 public:
  static constexpr std::uint32_t kTickMilliseconds = 1000;       // Timer1
  static constexpr std::uint32_t kStartMilliseconds = 250;       // Timer2
  static constexpr std::uint32_t kWatchdogMilliseconds = 20000;  // Timer5

  explicit Monitor(const MonitorContext& context);
  ~Monitor();
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  // The last window of the program exists: start monitoring soon (Timer2).
  void enableStart();
  // Shutdown: the tick and the start timer stop.
  void stop();
  // The load label's caption and the first processor sample, at start-up.
  void startCpuMeter() { cpu_.start(); }

  // Timer handlers.
  void Timer1Timer();
  void Timer2Timer();
  void Timer5Timer();

  // The per-tick update; run only by Timer1Timer.
  void cit();
  void startmonitor();
  void refreshinfo();
  // Recovery after a resume, a watchdog run or two abandoned requests.
  void res();
  // Before sleep: the tick stops and the pending status request is cancelled.
  void pausemonitor();
  // The battery selection command: the next slot with a battery.
  void act8();

  // Processes messages and sleeps 10 ms per round while the busy flag stays
  // set; one round always runs.
  void waitidle(int rounds);
  // Processes messages until `milliseconds` have passed on the tick count.
  void delay(std::uint32_t milliseconds);

  // The busy flag, for the other holders (gadget layout, screenshot).
  BusyFlag& busyFlag() { return busy_; }
  bool busy() const { return busy_.isSet(); }
  // The gadget's re-layout: takes the change snapshot again and redraws the
  // gauge, so the next tick redraws only on a new change.
  void refreshChangeSnapshot();
  // A full charge re-arms the battery advice.
  void clearAdviceShown() { adviceShown_ = false; }

  // State for the windows and for tests.
  const TickCounters& counters() const { return counters_; }
  std::uint64_t ticksRun() const { return ticksRun_; }  // Timer1 runs, nested ones included
  bool firstReadingDone() const { return firstReadingDone_; }
  bool tickRunning() const { return timer1_->enabled(); }
  bool adviceShown() const { return adviceShown_; }
  DayTime startTime() const { return startTime_; }
  std::uint8_t cpuUsage() const { return cpu_.usage(); }
  std::uint8_t trayIconState() const { return trayIcon_.state(); }
  const HealthCounters& healthCounters() const { return healthCounters_; }
  const std::string& trayHintText() const { return hint_; }

 private:
  void onPowerEvent(platform::PowerEvent event);
  void errorSound();
  // round(charge percent) of the current slot; nullopt while unknown.
  std::optional<int> currentPercent() const;
  ChangeSnapshot snapshot() const;
  void drawGauge();
  // Steps of the tick.
  void sampleCpuIfShown();
  void showFastDischargeTimeLeft();
  void offerAdvice();
  // Steps of cit.
  void closeCalibrationIfEnded(bool calibrationBefore);
  void redrawOnChange();
  void completeFirstReading();
  bool endRequestCycle();  // false when the recovery ran and cit must end
  void rereadPeriodically();
  void recordHistory();
  void showTrayHint();
  // Steps of res and act8.
  void resetCycle();
  void cancelStatusRequest();
  int nextBatterySlot() const;
  // The battery figures of the Information page and the left column.
  void resetBatteryFigures(const char* text);
  void resetCalibrateCounters();
  // Battery hot-plug (battery_hotplug.cpp). followBatteries runs after the
  // status read; false when the battery shown changed and cit ends there.
  bool followBatteries();
  void lookForBatteries();
  void currentBatteryLeft();
  void rescanDevices();
  // Shows another battery (act8's steps from the request reset on); with
  // `announce` the status line names it and the history starts afresh.
  void showBattery(int slot, bool announce);
  void showNoBattery();

  MonitorContext c_;
  std::unique_ptr<platform::Timer> timer1_;
  std::unique_ptr<platform::Timer> timer2_;
  std::unique_ptr<platform::Timer> timer5_;
  BusyFlag busy_;
  TickCounters counters_;
  std::uint64_t ticksRun_ = 0;
  HealthCounters healthCounters_;
  CpuMeter cpu_;
  ChangeDetector changes_;
  TrayIcon trayIcon_;
  std::string hint_;
  bool firstReadingDone_ = false;
  bool adviceShown_ = false;
  bool recoveringInTick_ = false;
  DayTime startTime_ = 0;
  // Elapsed time of monitoring for the two-hourly re-read, from the tick
  // count, and the last two-hour mark passed.
  std::uint32_t lastTickCount_ = 0;
  std::uint64_t elapsedMilliseconds_ = 0;
  std::uint64_t rereadMark_ = 0;
};

}  // namespace voltaro::monitor
