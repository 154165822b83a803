#include "monitor/monitor.h"

#include <algorithm>

#include "battery/battery_access.h"
#include "battery/battery_state.h"
#include "common/rounding.h"
#include "common/text_format.h"
#include "monitor/monitor_hooks.h"
#include "monitor/tray_hint.h"
#include "platform/audio.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"
#include "view/tray_port.h"

namespace voltaro::monitor {

using view::Page;

namespace {
// Every two hours of elapsed time, counted within a day, the information is
// read again: at 2, 4, ..., 22 hours, and not at whole days.
constexpr std::uint64_t kRereadMilliseconds = 2 * 3600 * 1000;
constexpr std::uint64_t kRereadsPerDay = 12;
constexpr int kAdviceTick = 35;
// The snapshot's level while the charge is unknown: no real level matches.
constexpr int kUnknownSnapshotPercent = -1;
}  // namespace

Monitor::Monitor(const MonitorContext& context)
    : c_(context),
      timer1_(context.runtime.createTimer()),
      timer2_(context.runtime.createTimer()),
      timer5_(context.runtime.createTimer()),
      healthCounters_(context.hooks),
      cpu_(context.systemTimes, context.texts),
      trayIcon_(context.tray) {
  timer1_->setInterval(kTickMilliseconds);
  timer1_->setHandler([this] { Timer1Timer(); });
  timer2_->setInterval(kStartMilliseconds);
  timer2_->setHandler([this] { Timer2Timer(); });
  timer5_->setInterval(kWatchdogMilliseconds);
  timer5_->setHandler([this] { Timer5Timer(); });
  timer5_->setEnabled(true);
  c_.powerEvents.setHandler([this](platform::PowerEvent event) { onPowerEvent(event); });
}

Monitor::~Monitor() {
  c_.powerEvents.setHandler(nullptr);
}

void Monitor::enableStart() {
  timer2_->setEnabled(true);
}

void Monitor::stop() {
  timer1_->setEnabled(false);
  timer2_->setEnabled(false);
}

void Monitor::onPowerEvent(platform::PowerEvent event) {
  switch (event) {
    case platform::PowerEvent::Suspend:
    case platform::PowerEvent::Standby:
      pausemonitor();
      return;
    case platform::PowerEvent::ResumeSuspend:
    case platform::PowerEvent::ResumeStandby:
    case platform::PowerEvent::ResumeCritical:
      res();
      return;
  }
}

void Monitor::Timer1Timer() {
  ++ticksRun_;
  counters_.advance();
  if (busy_.isSet()) return;  // a nested tick: only the counters move
  BusyGuard hold(busy_);
  sampleCpuIfShown();
  if (counters_.five == 1) showFastDischargeTimeLeft();
  const int slot = c_.slots.currentSlot;
  healthCounters_.advance(counters_,
                          CounterReading{c_.live.onPower, c_.live.charging, currentPercent(),
                                         slot == c_.slots.primarySlot});
  offerAdvice();
  cit();
  // A discharge record needs the charge; on power the log only moves aside.
  const bool logged = c_.live.onPower || currentPercent().has_value();
  if (counters_.five == 5 && c_.settings.DischargeLog && logged) {
    c_.hooks.writeDischargeLogRecord();
  }
  if (counters_.five == 5) c_.hooks.evaluateAlerts();
}

void Monitor::sampleCpuIfShown() {
  if (counters_.two != 2) return;
  if (!c_.hooks.calibratePageVisible() && !c_.settings.GadgetShowCpuUsage) return;
  cpu_.sample();
}

void Monitor::showFastDischargeTimeLeft() {
  const auto start = c_.hooks.fastDischargeStart();
  if (!start) return;
  const double left =
      (c_.settings.FastDischargeMinutes / kMinutesPerDay + *start - c_.runtime.now()) *
      kMinutesPerDay;
  const std::int64_t minutes = truncateTowardZero(left);
  c_.texts.set(Page::Calibrate, "Time Left", minutes < 0 ? "0" : std::to_string(minutes));
}

void Monitor::offerAdvice() {
  if (counters_.sixty != kAdviceTick || adviceShown_) return;
  if (c_.slots.currentSlot != c_.slots.primarySlot || !c_.settings.ShowBatteryAdvice) return;
  // The advice weighs the charge: without one it waits for the next minute.
  if (!currentPercent()) return;
  adviceShown_ = true;
  if (!c_.hooks.evaladvice()) return;
  // Twice, so that the window comes forward over a window that was just
  // activated by the same message round.
  for (int round = 0; round < 2; ++round) {
    c_.hooks.showAdviceWindow();
    c_.runtime.processMessages();
    c_.runtime.sleep(100);
  }
}

void Monitor::cit() {
  const bool calibrationBefore = c_.hooks.calibrationRunning();
  c_.battery.readstatus();
  if (!followBatteries()) return;
  if (c_.requests.status.done) c_.hooks.readingTaken();
  closeCalibrationIfEnded(calibrationBefore);
  redrawOnChange();
  completeFirstReading();
  if (!endRequestCycle()) return;
  rereadPeriodically();
  recordHistory();
  showTrayHint();
}

void Monitor::closeCalibrationIfEnded(bool calibrationBefore) {
  if (!calibrationBefore || c_.hooks.calibrationRunning() || currentPercent() != 100) return;
  c_.battery.config0(false);
  c_.hooks.calibrationClosed();
  if (c_.settings.CalibrationLog) c_.hooks.writeCalibrationClosingRecord();
}

void Monitor::redrawOnChange() {
  if (!firstReadingDone_ || changes_.samestate(snapshot())) return;
  drawGauge();
  if (c_.settings.ShowBatteryGadget) {
    c_.hooks.refreshGadget();
  } else {
    c_.hooks.hideGadget();
  }
}

void Monitor::refreshChangeSnapshot() {
  changes_.samestate(snapshot());
  drawGauge();
}

void Monitor::completeFirstReading() {
  if (firstReadingDone_ || !c_.requests.status.done || !c_.requests.estimate.done) return;
  changes_.samestate(snapshot());
  drawGauge();
  if (c_.settings.ShowBatteryGadget) {
    c_.hooks.showGadgetFirstTime();
  } else {
    c_.hooks.hideGadget();
  }
  firstReadingDone_ = true;
}

bool Monitor::endRequestCycle() {
  if (!c_.requests.bothFinished()) return true;
  if (c_.requests.bothAbandoned()) {
    recoveringInTick_ = true;
    res();
    recoveringInTick_ = false;
    return false;
  }
  c_.battery.restartRequests();
  return true;
}

void Monitor::rereadPeriodically() {
  if (startTime_ == 0) return;
  // Whole milliseconds from the tick count: each two-hour mark is passed
  // exactly once, however late or early the tick that passes it.
  const std::uint32_t ticks = c_.runtime.tickCount();
  elapsedMilliseconds_ += static_cast<std::uint32_t>(ticks - lastTickCount_);
  lastTickCount_ = ticks;
  const std::uint64_t mark = elapsedMilliseconds_ / kRereadMilliseconds;
  if (mark == rereadMark_) return;
  rereadMark_ = mark;
  if (mark % kRereadsPerDay == 0 || c_.hooks.calibrationRunning()) return;
  c_.battery.config0(false);
}

void Monitor::recordHistory() {
  if (!firstReadingDone_ || counters_.five != 5) return;
  const auto known = c_.live.knownPercent(c_.slots.currentSlot);
  if (!known) {
    // An unknown charge leaves a gap in the graph, not a drop to 0.
    c_.hooks.recordHistorySample(0, HistoryKind::None);
    c_.hooks.redrawGraph();
    return;
  }
  const auto quarters = std::min<std::int64_t>(roundHalfEven(*known * 4.0), 400);
  HistoryKind kind = HistoryKind::OnBattery;
  if (c_.live.onPower) {
    kind = c_.live.charging ? HistoryKind::Charging : HistoryKind::OnPowerNotCharging;
  }
  c_.hooks.recordHistorySample(static_cast<std::uint16_t>(std::max<std::int64_t>(quarters, 0)),
                               kind);
  c_.hooks.redrawGraph();
}

void Monitor::showTrayHint() {
  if (!firstReadingDone_) return;
  const int slot = c_.slots.currentSlot;
  const TrayHintInput input{.batteryCount = c_.slots.batteryCount,
                            .onPower = c_.live.onPower,
                            .charging = c_.live.charging,
                            .percent = currentPercent(),
                            .slot = slot,
                            .remainingSeconds = c_.live.knownRemaining(slot),
                            .fastDischarge = c_.hooks.fastDischargeStart().has_value(),
                            .calibration = c_.hooks.calibrationRunning()};
  std::string hint = trayHint(input);
  if (hint != hint_) {
    hint_ = std::move(hint);
    c_.tray.setHint(hint_);
    c_.hooks.setGadgetHint(hint_);
  }
  // An unknown charge keeps the picture it has.
  if (input.batteryCount > 0 && input.percent) {
    trayIcon_.settrayicon(*input.percent, input.onPower, input.charging);
  }
}

std::optional<int> Monitor::currentPercent() const {
  const auto known = c_.live.knownPercent(c_.slots.currentSlot);
  if (!known) return std::nullopt;
  return static_cast<int>(roundHalfEven(*known));
}

ChangeSnapshot Monitor::snapshot() const {
  const auto& s = c_.settings;
  return ChangeSnapshot{.percent = currentPercent().value_or(kUnknownSnapshotPercent),
                        .onPower = c_.live.onPower,
                        .remainingSeconds = c_.live.remaining(c_.slots.currentSlot),
                        .charging = c_.live.charging,
                        .cpuUsage = cpu_.usage(),
                        .smallSizeGadget = s.SmallSizeGadget != 0,
                        .gadgetShowTimeRemaining = s.GadgetShowTimeRemaining != 0,
                        .gadgetShowCapacity = s.GadgetShowCapacity != 0,
                        .gadgetShowCpuUsage = s.GadgetShowCpuUsage != 0,
                        .style3DGadget = s.Style3DGadget != 0};
}

void Monitor::drawGauge() {
  const auto percent = currentPercent();
  const std::string level = percent ? std::to_string(std::min(*percent, 100)) : "None";
  c_.texts.set(Page::LeftColumn, "Charge", withunit(level, "%"));
  c_.hooks.drawgauge();
}

void Monitor::errorSound() {
  if (c_.settings.PlaySounds) c_.audio.play(platform::Clip::Refusal);
}

}  // namespace voltaro::monitor
