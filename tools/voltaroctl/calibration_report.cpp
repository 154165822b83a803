#include "calibration_report.h"

#include <filesystem>
#include <vector>

#include "common/file_io.h"
#include "engine/engine.h"
#include "fastdischarge/disc_activity_files.h"
#include "logs/log_files.h"

namespace voltaro::tools {

namespace {

constexpr const char* kMarkers[] = {"calib.txt", "calib2.txt"};

bool shownOnReport(view::Page page, const std::string& caption) {
  return page == view::Page::Calibrate &&
         (caption == "Calibration" || caption == "Fast Discharge" || caption == "Time Left" ||
          caption == "Battery Calibrations");
}

}  // namespace

CalibrationReport::CalibrationReport(Simulation& simulation) : simulation_(simulation) {
  ChangePrinter& printer = simulation.printer();
  EngineSession& session = simulation.session();
  printer.alsoWatch = [&printer](view::Page page, const std::string& caption,
                                 const std::string& value) {
    if (shownOnReport(page, caption)) printer.line("shown " + caption + ": " + value);
  };
  auto started = session.onStart;
  session.onStart = [this, started, &printer] {
    if (started) started();
    printer.line("program starts");
    dataFolder_ = simulation_.engine()->dataFolder();
  };
}

void CalibrationReport::step() {
  watchMarkers();
  watchWorkers();
}

void CalibrationReport::watchMarkers() {
  if (dataFolder_.empty()) return;
  for (int i = 0; i < 2; ++i) {
    const bool now = fileExists(dataFolder_ + kMarkers[i]);
    if (now == markers_[i]) continue;
    markers_[i] = now;
    simulation_.printer().line(std::string("marker ") + kMarkers[i] +
                               (now ? " created" : " removed"));
  }
}

void CalibrationReport::watchWorkers() {
  engine::Engine* engine = simulation_.engine();
  const int alive = engine != nullptr ? engine->fastDischarge().workersAlive() : 0;
  if (alive == workersAlive_) return;
  workersAlive_ = alive;
  simulation_.printer().line("worker threads running: " + std::to_string(alive));
}

void CalibrationReport::finish() {
  ChangePrinter& printer = simulation_.printer();
  printer.line("end of the scenario");
  printer.line("calibration log:");
  const auto lines = readTextLines(dataFolder_ + std::string(logs::kCalibrationLogFile));
  for (const auto& line : lines.value_or(std::vector<std::string>{})) printer.line("  " + line);
  if (engine::Engine* engine = simulation_.engine()) {
    const health::HealthRecord& r = engine->healthRecord();
    printer.line("health: calibrations " + std::to_string(r.calibrations) +
                 ", latest calibration day " + std::to_string(r.latestCalibration) +
                 ", cycles since calibration " + std::to_string(r.cyclesSinceCalibration) +
                 " hundredths, full discharge cycles " + std::to_string(r.fullDischargeCycles) +
                 " hundredths, maximum capacity " + std::to_string(r.maximumCapacity) + " mWh");
  }
  int files = 0;
  const fastdischarge::DiscActivityFiles disc(dataFolder_);
  for (int n = 0; n < fastdischarge::kDiscFileCount; ++n) {
    files += std::filesystem::exists(disc.path(n)) ? 1 : 0;
  }
  printer.line("disc activity files left: " + std::to_string(files));
}

}  // namespace voltaro::tools
