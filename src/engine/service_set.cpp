#include "engine/service_set.h"

#include "calibration/calibration_power.h"
#include "engine/documents_folders.h"
#include "engine/system_driver.h"
#include "platform/display.h"
#include "platform/power.h"
#include "platform/power_events.h"
#include "platform/runtime.h"
#include "platform/shell.h"
#include "platform/system_times.h"

namespace voltaro::engine {

SystemActions::~SystemActions() = default;

// The parts of the system the choice took, each left empty where the
// simulated machine serves instead.
struct ServiceSet::SystemParts {
  std::unique_ptr<platform::BatteryDriver> driver;
  std::unique_ptr<platform::Folders> folders;
  std::unique_ptr<SystemActions> actions;
};

ServiceSet::ServiceSet(platform::Runtime& runtime, const ServiceChoice& choice)
    : runtime_(runtime), choice_(choice), system_(std::make_unique<SystemParts>()) {}

ServiceSet::~ServiceSet() = default;

std::unique_ptr<ServiceSet> ServiceSet::create(platform::Runtime& runtime,
                                               const ServiceChoice& choice, std::string& error) {
  std::unique_ptr<ServiceSet> set(new ServiceSet(runtime, choice));
  if (!set->chooseBatteries(error) || !set->chooseActions(error) || !set->chooseFolders(error)) {
    return nullptr;
  }
  return set;
}

bool ServiceSet::chooseBatteries(std::string& error) {
  if (choice_.batteries == Batteries::Simulated) return true;
  system_->driver = makeSystemDriver(choice_.powerSupplyFolder, error);
  return system_->driver != nullptr;
}

bool ServiceSet::chooseActions(std::string& error) {
  if (choice_.actions == Actions::Simulated) return true;
  if (!choice_.systemActions) {
    error = "this build has no system services; it runs on simulated ones only";
    return false;
  }
  system_->actions =
      choice_.systemActions(runtime_, [this] { return onAcPower_ ? onAcPower_() : true; });
  return system_->actions != nullptr;
}

bool ServiceSet::chooseFolders(std::string& error) {
  if (choice_.folders != nullptr) return true;
  switch (choice_.documents) {
    case Documents::Given:
      system_->folders = std::make_unique<DocumentsFolders>(choice_.documentsFolder);
      return true;
    case Documents::Temporary:
      temporary_ = std::make_unique<TemporaryDocuments>();
      system_->folders = std::make_unique<DocumentsFolders>(temporary_->path());
      return true;
    case Documents::User:
      system_->folders = makeUserFolders(error);
      return system_->folders != nullptr;
  }
  return false;
}

std::string ServiceSet::documentsFolder() const {
  if (temporary_) return temporary_->path().string();
  return choice_.documents == Documents::Given ? choice_.documentsFolder : std::string();
}

PlatformServices ServiceSet::services() {
  SystemParts& s = *system_;
  SimulatedMachine& m = machine_;
  SystemActions* a = s.actions.get();
  // A part the system does not serve stays the simulated machine's.
  const auto pick = [a]<typename Part>(std::unique_ptr<Part> SystemActions::*part,
                                       Part& simulated) -> Part& {
    return a != nullptr && (a->*part) != nullptr ? *(a->*part) : simulated;
  };
  PlatformServices services{
      runtime_,
      s.driver ? *s.driver : static_cast<platform::BatteryDriver&>(m.driver),
      pick(&SystemActions::powerEvents, static_cast<platform::PowerEvents&>(m.powerEvents)),
      pick(&SystemActions::systemTimes, static_cast<platform::SystemTimes&>(m.systemTimes)),
      choice_.audio != nullptr ? *choice_.audio : m.audio,
      choice_.folders != nullptr ? *choice_.folders : *s.folders,
      pick(&SystemActions::display, static_cast<platform::Display&>(m.display)),
      pick(&SystemActions::power, static_cast<platform::Power&>(m.power)),
      pick(&SystemActions::planTool, static_cast<platform::PowerPlanTool&>(m.planTool)),
      pick(&SystemActions::shell, static_cast<platform::Shell&>(m.shell))};
  // The system's calibration leaves the power settings alone (on Linux it
  // keeps the computer awake); the simulated one records what it would change.
  services.calibrationPower = a != nullptr ? a->calibrationPower.get() : &m.calibrationPower;
  services.threads = choice_.threads;
  return services;
}

}  // namespace voltaro::engine
