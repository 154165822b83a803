#include "engine/engine_harness.h"

#include <random>

namespace voltaro::testing {

TemporaryFolder::TemporaryFolder() {
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() /
          ("voltaro-engine-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

EngineHarness::EngineHarness(const std::filesystem::path& documents) {
  folders.documents = documents.string();
  folders.shared = documents.string();
  driver.setBattery(1, 41);
}

int EngineHarness::create() {
  engine_ = std::make_unique<engine::Engine>(
      engine::PlatformServices{.runtime = runtime,
                               .driver = driver,
                               .powerEvents = powerEvents,
                               .systemTimes = systemTimes,
                               .audio = audio,
                               .folders = folders,
                               .display = display,
                               .power = power,
                               .planTool = planTool,
                               .shell = shell,
                               .calibrationPower = calibrationPower},
      engine::PresentationPorts{tray, statusLine, errors, errorBox, confirmation, advice,
                                fileDialogs, graph, window, nullptr, gadget, trayMenu});
  return engine_->formCreate();
}

void EngineHarness::startAndRun(int seconds) {
  engine_->enableMonitoring();
  run(seconds);
}

const std::string& EngineHarness::left(const char* caption) const {
  return engine_->texts().get(view::Page::LeftColumn, caption);
}

std::string EngineHarness::dataFile(const std::string& name) const {
  return engine_->dataFolder() + name;
}

}  // namespace voltaro::testing
