#include "fastdischarge/fast_discharge.h"

#include <algorithm>

#include "common/rounding.h"
#include "fastdischarge/fast_discharge_texts.h"

namespace voltaro::fastdischarge {

namespace {

using dialogs::code::kFastDischargeOverheat;
using dialogs::code::kFastDischargeRunning;
using dialogs::code::kFastDischargeUnplug;
using view::ConfirmationMode;
using view::ConfirmationTexts;

constexpr std::uint8_t kNoLevel = alerts::kNoBrightnessLevel;

std::string durationSentence(std::int32_t minutes) {
  return "This process will run for " + std::to_string(minutes) + " minute" +
         (minutes == 1 ? "" : "s") + ". Do you want to start it?";
}

}  // namespace

FastDischarge::FastDischarge(const FastDischargeContext& c)
    : runtime_(c.runtime),
      threads_(c.threads),
      brightness_(c.brightness),
      settings_(c.settings),
      live_(c.live),
      texts_(c.texts),
      dialog_(c.dialog),
      dataFolder_(c.dataFolder),
      files_(c.dataFolder),
      endTimer_(c.runtime.createTimer()),
      watchTimer_(c.runtime.createTimer()) {
  endTimer_->setInterval(kEndTimerMilliseconds);
  endTimer_->setHandler([this] { onEndTimer(); });
  watchTimer_->setInterval(kWatchMilliseconds);
  watchTimer_->setHandler([this] { onWatchTimer(); });
  showState(false);
}

// The owner normally runs shutdown first; this only makes sure no thread
// outlives the object. The end handlers are not run: the texts they write
// may already be gone.
FastDischarge::~FastDischarge() {
  clearFlags();
  for (auto& worker : workers_) {
    if (worker->thread.joinable()) worker->thread.join();
  }
}

void FastDischarge::fastDischargeCommand() {
  if (fastDischargeRunning()) {
    dialog_.ask(kFastDischargeRunning,
                ConfirmationTexts{"Confirmation", "Fast Discharge process is already running!",
                                  "Do you want to stop it?", ""},
                ConfirmationMode::YesNo);
    return;
  }
  if (live_.onPower) {
    dialog_.ask(kFastDischargeUnplug,
                ConfirmationTexts{"Confirmation", "In order to start the Fast Discharge process",
                                  "you have to unplug the laptop power cord now!",
                                  "Press YES when ready or NO to cancel"},
                ConfirmationMode::YesNo);
    return;
  }
  dialog_.ask(kFastDischargeOverheat,
              ConfirmationTexts{"Confirmation",
                                "Fast discharge can cause overheating, proceed at your own risk!",
                                durationSentence(settings_.FastDischargeMinutes), ""},
              ConfirmationMode::YesNo);
}

void FastDischarge::startFastDischarge() {
  // The dialogs are modeless: a second YES must not start a second set of
  // workers beside the first.
  if (fastDischargeRunning()) return;
  // Workers of an earlier run were told to stop; wait for them and run their
  // end handlers now, so that they cannot end the new run.
  reapWorkers(true);
  start_ = runtime_.now();
  minutes_ = settings_.FastDischargeMinutes;
  flags_.onPower.store(live_.onPower);
  flags_.running.store(true);
  showState(true);
  startLoads();
  applyBrightness();
  // Every run has its end timer, so a run without any load also ends at
  // its end time.
  endTimer_->setEnabled(true);
  if (!workers_.empty()) watchTimer_->setEnabled(true);
}

void FastDischarge::startLoads() {
  if (settings_.FastDischargeDiscActivity) {
    // No disc worker of an earlier run is left (reaped at the start), so
    // nothing reads the old files object.
    files_ = DiscActivityFiles(dataFolder_);
    files_.createFolder();
    discNormalEnd_.reset();
    startWorker(WorkerKind::Disc, 0);
  }
  if (!settings_.FastDischargeCpuLoad) return;
  const int threads = std::clamp<int>(settings_.FastDischargeCpuThreads, 0, kMaximumCpuWorkers);
  for (int number = 1; number <= threads; ++number) {
    if (number > 1) flags_.keepRunningFlag(number).store(true);
    startWorker(WorkerKind::Cpu, number);
  }
}

void FastDischarge::applyBrightness() {
  if (!settings_.FastDischargeBrightness || settings_.FastDischargeBrightnessLevel == kNoLevel) {
    restoreBrightness();
    return;
  }
  // A run stopped moments ago may not have given its level back yet (the end
  // timer does that every two seconds): the level to return to is still the
  // one from before that run, not the raised one on the screen now.
  if (!brightnessLoad_) brightness_.readFastDischargePair();
  if (!brightness_.available()) return;
  brightnessLoad_ = true;
  brightness_.setBrightness(platform::BrightnessPolicy::Both, brightness_.fastDischargePair().ac,
                            settings_.FastDischargeBrightnessLevel);
}

void FastDischarge::startWorker(WorkerKind kind, int number) {
  auto worker = std::make_unique<Worker>();
  worker->kind = kind;
  worker->number = number;
  Worker* w = worker.get();
  const double days = minutes_ / kMinutesPerDay;
  const int percent = std::clamp<int>(settings_.FastDischargeDiscPercent, 1, 100);
  w->thread = std::thread([this, w, days, percent] {
    threads_.raiseCurrentThreadPriority();  // a refusal leaves normal priority
    if (w->kind == WorkerKind::Disc) {
      w->normalEnd = runDiscWorker(flags_, threads_, days, percent, files_);
    } else {
      runCpuWorker(w->number, flags_, threads_, days);
    }
    w->finished.store(true, std::memory_order_release);
  });
  workers_.push_back(std::move(worker));
}

void FastDischarge::stopFastDischarge() {
  clearFlags();
  showState(false);
}

void FastDischarge::shutdown() {
  clearFlags();
  for (int round = 0; round < kExitRounds; ++round) {
    runtime_.processMessages();
    runtime_.sleep(kExitPauseMilliseconds);
  }
  reapWorkers(true);
  restoreBrightness();
  endTimer_->setEnabled(false);
  watchTimer_->setEnabled(false);
}

std::optional<DayTime> FastDischarge::fastDischargeStart() const {
  if (!fastDischargeRunning()) return std::nullopt;
  return start_;
}

std::int64_t FastDischarge::minutesLeft() const {
  const double left = (start_ + minutes_ / kMinutesPerDay - runtime_.now()) * kMinutesPerDay;
  const std::int64_t minutes = roundHalfEven(left);
  return minutes < 0 ? 0 : minutes;
}

int FastDischarge::cpuWorkersAlive() const {
  return static_cast<int>(std::count_if(workers_.begin(), workers_.end(),
                                        [](const auto& w) { return w->kind == WorkerKind::Cpu; }));
}

bool FastDischarge::discWorkerAlive() const {
  return std::any_of(workers_.begin(), workers_.end(),
                     [](const auto& w) { return w->kind == WorkerKind::Disc; });
}

void FastDischarge::onEndTimer() {
  const bool timeLeft = runtime_.now() < start_ + minutes_ / kMinutesPerDay;
  if (timeLeft && !live_.onPower && fastDischargeRunning()) return;
  restoreBrightness();
  showState(false);
  endTimer_->setEnabled(false);
  flags_.running.store(false);
}

void FastDischarge::restoreBrightness() {
  if (brightnessLoad_ && brightness_.available()) {
    const alerts::BrightnessPair pair = brightness_.fastDischargePair();
    brightness_.setBrightness(platform::BrightnessPolicy::Both, pair.ac, pair.dc);
  }
  brightnessLoad_ = false;
}

void FastDischarge::onWatchTimer() {
  flags_.onPower.store(live_.onPower);
  reapWorkers(false);
  if (workers_.empty()) watchTimer_->setEnabled(false);
}

void FastDischarge::reapWorkers(bool wait) {
  for (auto it = workers_.begin(); it != workers_.end();) {
    Worker& worker = **it;
    if (!wait && !worker.finished.load(std::memory_order_acquire)) {
      ++it;
      continue;
    }
    if (worker.thread.joinable()) worker.thread.join();
    endHandler(worker);
    it = workers_.erase(it);
  }
}

void FastDischarge::endHandler(const Worker& worker) {
  if (worker.kind == WorkerKind::Disc) {
    discNormalEnd_ = worker.normalEnd;
    showState(false);
    flags_.running.store(false);
    return;
  }
  if (worker.number == 1) {
    clearFlags();
    showState(false);
    return;
  }
  flags_.keepRunningFlag(worker.number).store(false);
}

void FastDischarge::clearFlags() {
  flags_.running.store(false);
  for (auto& flag : flags_.keepRunning) flag.store(false);
}

void FastDischarge::showState(bool on) {
  texts_.set(view::Page::Calibrate, kStateCaption, on ? "On" : "Off");
}

}  // namespace voltaro::fastdischarge
