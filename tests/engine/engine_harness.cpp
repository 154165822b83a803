#include "engine/engine_harness.h"

namespace voltaro::testing {

std::unique_ptr<engine::ServiceSet> bareSimulatedServices(platform::Runtime& runtime,
                                                          fakes::FakeAudio& audio,
                                                          fakes::FakeFolders& folders) {
  engine::ServiceChoice choice;
  choice.audio = &audio;
  choice.folders = &folders;
  std::string error;
  auto services = engine::ServiceSet::create(runtime, choice, error);
  // The bare machine the tests were written for: no panel, no plans.
  engine::SimulatedMachine& machine = services->machine();
  machine.display.supportedLevels.clear();
  machine.display.acLevel = 0;
  machine.display.dcLevel = 0;
  machine.planTool.listing.clear();
  machine.planTool.format = platform::PlanListingFormat::Powercfg;
  return services;
}

EngineHarness::EngineHarness(const std::filesystem::path& documents)
    : services(bareSimulatedServices(runtime, audio, folders)),
      driver(services->machine().driver),
      powerEvents(services->machine().powerEvents),
      systemTimes(services->machine().systemTimes),
      display(services->machine().display),
      power(services->machine().power),
      planTool(services->machine().planTool),
      shell(services->machine().shell) {
  folders.documents = documents.string();
  folders.shared = documents.string();
  driver.setBattery(1, 41);
}

namespace {
engine::PlatformServices withDriver(engine::PlatformServices services,
                                    platform::BatteryDriver& driver) {
  return engine::PlatformServices{services.runtime,     driver,
                                  services.powerEvents, services.systemTimes,
                                  services.audio,       services.folders,
                                  services.display,     services.power,
                                  services.planTool,    services.shell,
                                  services.threads,     services.calibrationPower,
                                  services.http,        services.postToProgramThread,
                                  services.webHost};
}
}  // namespace

int EngineHarness::create() {
  engine::PlatformServices platform =
      withDriver(services->services(), batteryDriver ? *batteryDriver : driver);
  if (calibrationPower != nullptr) platform.calibrationPower = calibrationPower;
  engine_ = std::make_unique<engine::Engine>(
      std::move(platform),
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
