// The fast discharge: CPU load on up to four worker threads, a raised
// display brightness and disc activity, for a chosen number of minutes.
//
// Everything here runs on the program's thread except the workers. The
// workers poll atomic flags that only this thread writes; a watch timer on
// this thread copies the on-power flag for them, joins the workers that
// have ended and runs their end handlers, so the handlers always run on the
// program's thread after their worker has finished.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "alerts/brightness_control.h"
#include "battery/battery_state.h"
#include "common/day_number.h"
#include "dialogs/pending_dialog.h"
#include "fastdischarge/disc_activity_files.h"
#include "fastdischarge/fast_discharge_hooks.h"
#include "fastdischarge/load_workers.h"
#include "platform/runtime.h"
#include "platform/threads.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"

namespace voltaro::fastdischarge {

inline constexpr std::uint32_t kEndTimerMilliseconds = 2000;  // Timer4
inline constexpr std::uint32_t kWatchMilliseconds = 100;
// The exit path lets the workers end: four message rounds 100 ms apart.
inline constexpr int kExitRounds = 4;
inline constexpr std::uint32_t kExitPauseMilliseconds = 100;

struct FastDischargeContext {
  platform::Runtime& runtime;
  platform::WorkerThreads& threads;
  alerts::BrightnessControl& brightness;
  const settings::AppSettings& settings;
  const battery::LiveStatus& live;
  const std::string& dataFolder;  // ends in the path separator
  view::ShownTexts& texts;
  dialogs::PendingDialog& dialog;
};

class FastDischarge {
 public:
  explicit FastDischarge(const FastDischargeContext& context);
  ~FastDischarge();
  FastDischarge(const FastDischarge&) = delete;
  FastDischarge& operator=(const FastDischarge&) = delete;

  // The start/stop button, the key "D" and YES to the unplug question: asks
  // to stop a running process, to unplug, or to start (codes 2, 5, 8).
  void fastDischargeCommand();
  // After YES to the start question. Does nothing while a process runs.
  void startFastDischarge();
  // After YES to the stop question: every flag cleared; the workers end on
  // their next round and the end timer restores the brightness.
  void stopFastDischarge();
  // The exit path: clears every flag, processes messages four times 100 ms
  // apart so the workers can end, then waits for any still running and
  // gives the display its brightness back.
  void shutdown();

  bool fastDischargeRunning() const { return flags_.running.load(); }
  // The start time while a process runs (the "Time Left" count of the tick).
  std::optional<DayTime> fastDischargeStart() const;
  // End time - now in minutes, rounded half to even, 0 when negative.
  std::int64_t minutesLeft() const;

  // The workers alive now (joined ones are gone), and the end timer.
  int cpuWorkersAlive() const;
  bool discWorkerAlive() const;
  int workersAlive() const { return static_cast<int>(workers_.size()); }
  bool endTimerRunning() const { return endTimer_->enabled(); }
  // How the latest disc worker ended: nullopt while it runs or when none ran.
  std::optional<bool> discWorkerEndedNormally() const { return discNormalEnd_; }

 private:
  enum class WorkerKind : std::uint8_t { Cpu, Disc };
  struct Worker {
    WorkerKind kind = WorkerKind::Cpu;
    int number = 0;  // CPU worker 1..4
    std::thread thread;
    std::atomic<bool> finished{false};
    bool normalEnd = true;  // written by the worker before `finished`
  };

  void startWorker(WorkerKind kind, int number);
  void startLoads();
  void applyBrightness();
  // Gives the display back the level read before the brightness was raised.
  void restoreBrightness();
  void onEndTimer();
  void onWatchTimer();
  // Joins the finished workers (or all, when `wait`) and runs their end
  // handlers.
  void reapWorkers(bool wait);
  void endHandler(const Worker& worker);
  void clearFlags();
  void showState(bool on);

  platform::Runtime& runtime_;
  platform::WorkerThreads& threads_;
  alerts::BrightnessControl& brightness_;
  const settings::AppSettings& settings_;
  const battery::LiveStatus& live_;
  view::ShownTexts& texts_;
  dialogs::PendingDialog& dialog_;
  // The owner sets the data folder after this object is made (on start-up),
  // so the disc files take their folder at each start.
  const std::string& dataFolder_;
  DiscActivityFiles files_;

  WorkerFlags flags_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::unique_ptr<platform::Timer> endTimer_;
  std::unique_ptr<platform::Timer> watchTimer_;
  DayTime start_ = 0;
  std::int32_t minutes_ = 0;     // the duration of the running process
  bool brightnessLoad_ = false;  // the brightness is raised and not yet restored
  std::optional<bool> discNormalEnd_;
};

}  // namespace voltaro::fastdischarge
