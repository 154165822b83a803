#include "calibration_sim.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <thread>

#include "common/file_io.h"
#include "fastdischarge/disc_activity_files.h"
#include "logs/log_files.h"
#include "platform/sim/scenario_reader.h"
#include "sim_program.h"

namespace voltaro::tools {

namespace {

namespace fs = std::filesystem;
using platform::sim::ScenarioLine;
using platform::sim::SimBatteryDriver;
using sim::OpenDialog;

constexpr CivilDateTime kSimulatedStart{2026, 1, 1, 8};
constexpr std::uint64_t kStepMilliseconds = 100;
constexpr std::uint64_t kAnswerDelayMilliseconds = 2000;  // the user reads the question
constexpr double kCriticalPercent = 5.0;                  // the level fix sets
constexpr std::uint32_t kVoltage = 12000;                 // mV

struct SimArgs {
  std::string file;
  double hours = 1;
  std::string dataFolder;
};

std::string parseArgs(const std::vector<std::string>& args, SimArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--hours" || word == "--data") {
      if (i + 1 >= args.size()) return word + " needs a value";
      const std::string& value = args[++i];
      if (word == "--data") {
        parsed.dataFolder = value;
        continue;
      }
      char* end = nullptr;
      parsed.hours = std::strtod(value.c_str(), &end);
      if (end == value.c_str() || *end != '\0' || !(parsed.hours > 0) || parsed.hours > 744) {
        return "--hours needs a number above 0, at most 744";
      }
      continue;
    }
    if (word.starts_with("--")) return "unknown option '" + word + "'";
    if (!parsed.file.empty()) return "one scenario file only";
    parsed.file = word;
  }
  return parsed.file.empty() ? "no scenario file" : "";
}

std::string clockText(DayTime now) {
  const CivilDateTime t = fromDayTime(now);
  const int day = dayNumber(now) - dayNumber(toDayTime(kSimulatedStart)) + 1;
  char text[32];
  std::snprintf(text, sizeof text, "d%d %02d:%02d:%02d", day, t.hour, t.minute, t.second);
  return text;
}

// The battery in slot 1 as a store of energy: it drains at the discharge
// power on battery and fills at the charge power on external power, also
// while the computer is off.
struct BatteryFlow {
  double dischargeMilliwatts = 15000;
  double chargeMilliwatts = 20000;
  double capacity = -1;  // mWh; -1 until taken from the driver
};

class Session {
 public:
  Session(const std::string& folder, std::ostream& out)
      : runtime_(toDayTime(kSimulatedStart)),
        printer_(out, [this] { return clockText(runtime_.now()); }),
        confirmation_(printer_),
        parameters_(printer_),
        shell_(printer_),
        folder_(folder) {
    display_.supportedLevels = {10, 40, 70, 100};
    display_.acLevel = 100;
    display_.dcLevel = 40;
    settings_.CalibrationLog = 1;
    confirmation_.onShown = [this](OpenDialog d) { dialogShown(d); };
    parameters_.onShown = [this](OpenDialog d) { dialogShown(d); };
    flowTimer_ = runtime_.createTimer();
    flowTimer_->setInterval(1000);
    flowTimer_->setHandler([this] { flowSecond(); });
    addVerbs();
  }
  ~Session() { program_.reset(); }

  std::optional<std::string> load(const std::string& text) {
    const auto result = reader_.read(text, driver_);
    if (!result.ok()) return result.error->text();
    for (const auto& event : result.events) {
      runtime_.postAt(std::uint64_t{event.atSeconds} * 1000, [this, line = event.action] {
        if (auto error = reader_.apply(line, driver_)) printer_.line("error: " + error->text());
      });
    }
    return std::nullopt;
  }

  void run(double hours) {
    boot();
    flowTimer_->setEnabled(true);
    const auto total = static_cast<std::uint64_t>(hours * 3600.0 * 1000.0);
    for (std::uint64_t done = 0; done < total; done += kStepMilliseconds) {
      runtime_.advance(kStepMilliseconds);
      workers_.setNow(runtime_.now());
      watchWorkers();
    }
    report();
    if (program_) program_->exit();
  }

 private:
  void addVerbs() {
    auto verb =
        [this](const char* name,
               std::function<std::optional<std::string>(const ScenarioLine&, bool live)> action) {
          reader_.addVerb(name, [this, action](const ScenarioLine& line, SimBatteryDriver& driver) {
            // Timed lines are checked on a copy of the driver when the file is
            // read; only the real driver's run acts.
            return action(line, &driver == &driver_);
          });
        };
    verb("flow", [this](const ScenarioLine& line, bool live) -> std::optional<std::string> {
      for (const auto& [key, value] : line.values) {
        const auto number = platform::sim::scenario::parseUnsigned(value);
        if (!number || (key != "discharge" && key != "charge"))
          return "flow discharge=mW charge=mW";
        if (!live) continue;
        (key == "discharge" ? flow_.dischargeMilliwatts : flow_.chargeMilliwatts) = *number;
      }
      return std::nullopt;
    });
    verb("answers", [this](const ScenarioLine& line, bool live) -> std::optional<std::string> {
      for (const auto& word : line.words) {
        if (word != "yes" && word != "no" && word != "ok") return "answers yes|no|ok ...";
        if (live) answers_.push_back(word);
      }
      return std::nullopt;
    });
    verb("option", [this](const ScenarioLine& line, bool live) { return option(line, live); });
    verb("calibrate", [this](const ScenarioLine&, bool live) -> std::optional<std::string> {
      if (live) key('C');
      return std::nullopt;
    });
    verb("fastdischarge", [this](const ScenarioLine&, bool live) -> std::optional<std::string> {
      if (live) key('D');
      return std::nullopt;
    });
    verb("shutdown", [this](const ScenarioLine&, bool live) -> std::optional<std::string> {
      if (live) shutdown("shut down");
      return std::nullopt;
    });
    verb("boot", [this](const ScenarioLine&, bool live) -> std::optional<std::string> {
      if (live && !program_) boot();
      return std::nullopt;
    });
  }

  std::optional<std::string> option(const ScenarioLine& line, bool live) {
    for (const auto& [key, value] : line.values) {
      const auto n = platform::sim::scenario::parseUnsigned(value);
      if (!n) return "option needs numbers: " + key;
      auto apply = [&](settings::AppSettings& s) {
        if (key == "minutes")
          s.FastDischargeMinutes = static_cast<std::int32_t>(*n);
        else if (key == "cpu")
          s.FastDischargeCpuLoad = static_cast<std::uint8_t>(*n);
        else if (key == "threads")
          s.FastDischargeCpuThreads = static_cast<std::uint8_t>(*n);
        else if (key == "brightness")
          s.FastDischargeBrightness = static_cast<std::uint8_t>(*n);
        else if (key == "level")
          s.FastDischargeBrightnessLevel = static_cast<std::uint8_t>(*n);
        else if (key == "disc")
          s.FastDischargeDiscActivity = static_cast<std::uint8_t>(*n);
        else if (key == "percent")
          s.FastDischargeDiscPercent = static_cast<std::uint8_t>(*n);
        else if (key == "calibrationlog")
          s.CalibrationLog = static_cast<std::uint8_t>(*n);
        else
          return false;
        return true;
      };
      settings::AppSettings probe;
      if (!apply(probe)) return "unknown option '" + key + "'";
      if (!live) continue;
      apply(settings_);
      if (program_) apply(program_->settings);
    }
    return std::nullopt;
  }

  void key(char pressed) {
    if (!program_) {
      printer_.line(std::string("key ") + pressed + " ignored: the computer is off");
      return;
    }
    printer_.line(std::string("key ") + pressed);
    program_->commands.handleKey(pressed);
  }

  void boot() {
    printer_.line("program starts");
    program_ = std::make_unique<sim::SimProgram>(
        sim::SimPorts{runtime_, driver_, display_, printer_, confirmation_, parameters_, shell_,
                      workers_, settings_, folder_});
    program_->texts.setListener([this](view::Page page, const std::string& caption,
                                       const std::string& value) { shown(page, caption, value); });
    program_->start();
  }

  void shutdown(const char* why) {
    if (!program_) return;
    printer_.line(std::string("the computer ") + why);
    program_.reset();
    open_ = OpenDialog::None;
  }

  void shown(view::Page page, const std::string& caption, const std::string& value) {
    if (page != view::Page::Calibrate) return;
    if (caption == "Calibration" || caption == "Fast Discharge" || caption == "Time Left" ||
        caption == "Battery Calibrations") {
      printer_.line("shown " + caption + ": " + value);
    }
  }

  void dialogShown(OpenDialog dialog) {
    open_ = dialog;
    runtime_.postAfter(kAnswerDelayMilliseconds, [this, dialog] { answer(dialog); });
  }

  void answer(OpenDialog dialog) {
    if (!program_ || open_ != dialog) return;  // replaced or gone meanwhile
    if (answers_.empty()) {
      printer_.line("no answer left in the scenario: the dialog stays open");
      open_ = OpenDialog::None;
      return;
    }
    const std::string word = answers_.front();
    answers_.pop_front();
    printer_.line("answer " + word);
    open_ = OpenDialog::None;
    const bool yes = word != "no";
    if (dialog == OpenDialog::Parameters) {
      yes ? program_->calibration.parametersYes() : program_->calibration.parametersNo();
    } else {
      yes ? program_->dialog.answerYes() : program_->dialog.answerNo();
    }
  }

  void flowSecond() {
    auto& battery = driver_.battery(1);
    auto& status = battery.status;
    const double full = battery.information.fullChargedCapacity;
    if (flow_.capacity < 0) flow_.capacity = status.capacity;
    const bool onPower = (status.powerState & platform::kPowerOnLine) != 0;
    if (onPower) {
      flow_.capacity = std::min(full, flow_.capacity + flow_.chargeMilliwatts / 3600.0);
      const bool filled = flow_.capacity >= full;
      status.powerState = platform::kPowerOnLine | (filled ? 0u : platform::kCharging);
      status.rate = filled ? 0 : static_cast<std::int32_t>(flow_.chargeMilliwatts);
    } else if (program_) {  // a computer that is off uses nothing
      flow_.capacity = std::max(0.0, flow_.capacity - flow_.dischargeMilliwatts / 3600.0);
      status.powerState = platform::kDischarging;
      status.rate = -static_cast<std::int32_t>(flow_.dischargeMilliwatts);
    }
    status.capacity = static_cast<std::uint32_t>(flow_.capacity);
    status.voltage = kVoltage;
    watchMarkers();
    if (program_ && !onPower && flow_.capacity * 100.0 / full <= kCriticalPercent) {
      shutdown("shuts down at the critical battery level");
    }
  }

  void watchMarkers() {
    for (int i = 0; i < 2; ++i) {
      const char* name = i == 0 ? "calib.txt" : "calib2.txt";
      const bool now = fileExists(folder_ + name);
      if (now == markers_[i]) continue;
      markers_[i] = now;
      printer_.line(std::string("marker ") + name + (now ? " created" : " removed"));
    }
  }

  void watchWorkers() {
    if (display_.acLevel != brightness_[0] || display_.dcLevel != brightness_[1]) {
      brightness_[0] = display_.acLevel;
      brightness_[1] = display_.dcLevel;
      printer_.line("display brightness: " + std::to_string(brightness_[0]) + " % on AC, " +
                    std::to_string(brightness_[1]) + " % on battery");
    }
    if (!program_) return;
    const int alive = program_->fastDischarge.workersAlive();
    if (alive > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (alive == workersAlive_) return;
    workersAlive_ = alive;
    printer_.line("worker threads running: " + std::to_string(alive));
  }

  void report() {
    printer_.line("end of the scenario");
    const auto lines = readTextLines(folder_ + std::string(logs::kCalibrationLogFile));
    printer_.line("calibration log:");
    for (const auto& line : lines.value_or(std::vector<std::string>{})) printer_.line("  " + line);
    if (program_) {
      const health::HealthRecord& r = program_->record;
      printer_.line("health: calibrations " + std::to_string(r.calibrations) +
                    ", latest calibration day " + std::to_string(r.latestCalibration) +
                    ", cycles since calibration " + std::to_string(r.cyclesSinceCalibration) +
                    " hundredths, full discharge cycles " + std::to_string(r.fullDischargeCycles) +
                    " hundredths, maximum capacity " + std::to_string(r.maximumCapacity) + " mWh");
    }
    int files = 0;
    const fastdischarge::DiscActivityFiles disc(folder_);
    for (int n = 0; n < fastdischarge::kDiscFileCount; ++n) files += fs::exists(disc.path(n));
    printer_.line("disc activity files left: " + std::to_string(files));
  }

  platform::sim::VirtualRuntime runtime_;
  sim::Printer printer_;
  SimBatteryDriver driver_;
  platform::sim::SimDisplay display_;
  sim::PrintingConfirmation confirmation_;
  sim::PrintingParameters parameters_;
  sim::PrintingShell shell_;
  sim::VirtualWorkerClock workers_;
  settings::AppSettings settings_;
  std::string folder_;
  platform::sim::ScenarioReader reader_;
  std::unique_ptr<platform::Timer> flowTimer_;
  std::unique_ptr<sim::SimProgram> program_;
  std::deque<std::string> answers_;
  OpenDialog open_ = OpenDialog::None;
  BatteryFlow flow_;
  bool markers_[2] = {false, false};
  int workersAlive_ = 0;
  int brightness_[2] = {100, 40};  // percent, AC and DC, as the display starts
};

int runSim(const char* name, const char* (*usage)(), const std::vector<std::string>& args,
           std::ostream& out, std::ostream& err) {
  SimArgs parsed;
  if (auto problem = parseArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl " << name << ": " << problem << "\nusage:\n" << usage();
    return 2;
  }
  std::ifstream file(parsed.file, std::ios::binary);
  if (!file) {
    err << "voltaroctl " << name << ": cannot read the scenario file " << parsed.file << "\n";
    return 2;
  }
  std::ostringstream text;
  text << file.rdbuf();

  const bool ownFolder = parsed.dataFolder.empty();
  fs::path folder =
      ownFolder ? fs::temp_directory_path() /
                      ("voltaro-sim-" +
                       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))
                : fs::path(parsed.dataFolder);
  std::error_code ec;
  fs::create_directories(folder, ec);
  int status = 0;
  {
    Session session(folder.string() + "/", out);
    if (auto problem = session.load(text.str())) {
      err << "voltaroctl " << name << ": " << parsed.file << ": " << *problem << "\n";
      status = 2;
    } else {
      session.run(parsed.hours);
    }
  }
  if (ownFolder) fs::remove_all(folder, ec);  // the run's own folder only
  return status;
}

}  // namespace

const char* calibrateSimUsage() {
  return "  voltaroctl calibrate-sim FILE [--hours H] [--data DIR]\n";
}

const char* fastDischargeSimUsage() {
  return "  voltaroctl fast-discharge-sim FILE [--hours H] [--data DIR]\n";
}

int runCalibrateSimCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err) {
  return runSim("calibrate-sim", calibrateSimUsage, args, out, err);
}

int runFastDischargeSimCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
  return runSim("fast-discharge-sim", fastDischargeSimUsage, args, out, err);
}

}  // namespace voltaro::tools
