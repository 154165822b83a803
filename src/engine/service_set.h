// The services an engine runs on, chosen once for a front end: the
// batteries (simulated, or the system's), the system's actions (simulated
// and recorded, or the system's own: backlight, logind, power profiles,
// the shell, made by the front end's SystemActionsMaker), and where the data
// folder goes (a given Documents base, a temporary one that is removed
// afterwards, or the user's own). The program, every voltaroctl command and
// the tests' harness build their engine on it. The set itself needs no
// toolkit: the system's actions come from a library of their own.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/services.h"
#include "engine/simulated_machine.h"
#include "engine/system_actions.h"

namespace voltaro::platform {
class Audio;
class Folders;
class Runtime;
class WorkerThreads;
}  // namespace voltaro::platform

namespace voltaro::engine {

class TemporaryDocuments;

enum class Batteries : std::uint8_t {
  Simulated,  // the simulated driver, which a scenario fills
  System,     // the power_supply class (Linux) or the battery class driver (Windows)
};

enum class Actions : std::uint8_t {
  Simulated,  // display, power, plans, shell, sound and power notifications record requests
  System,     // the system's own, from `ServiceChoice::systemActions`
};

enum class Documents : std::uint8_t {
  Given,      // the Documents base `documentsFolder`
  Temporary,  // a fresh base removed with the set: a run that leaves nothing behind
  User,       // the user's own folders
};

struct ServiceChoice {
  Batteries batteries = Batteries::Simulated;
  // With System batteries on Linux: another power_supply class folder.
  std::string powerSupplyFolder = {};
  Actions actions = Actions::Simulated;
  // Makes the system's actions for Actions::System (makeLinuxSystemActions
  // of voltaro_engine_system_actions); empty where the front end has none.
  SystemActionsMaker systemActions = {};
  Documents documents = Documents::Temporary;
  std::string documentsFolder = {};  // for Documents::Given
  // The front end's own services, used instead of the chosen ones when given.
  platform::Audio* audio = nullptr;
  platform::Folders* folders = nullptr;
  // The fast-discharge workers' clock; nullptr for the real one.
  platform::WorkerThreads* threads = nullptr;
};

class ServiceSet {
 public:
  // nullptr, with a message in `error`, when this build cannot serve the
  // choice (no battery of the system to read, no system actions, no user
  // folders).
  static std::unique_ptr<ServiceSet> create(platform::Runtime& runtime, const ServiceChoice& choice,
                                            std::string& error);
  ~ServiceSet();
  ServiceSet(const ServiceSet&) = delete;
  ServiceSet& operator=(const ServiceSet&) = delete;

  // The services for an Engine; the optional network fields stay empty.
  PlatformServices services();

  // The simulated parts; those the choice did not take are left unused.
  SimulatedMachine& machine() { return machine_; }
  bool simulatedBatteries() const { return choice_.batteries == Batteries::Simulated; }
  platform::Runtime& runtime() { return runtime_; }
  // The Documents base of a given or temporary choice; empty for the user's.
  std::string documentsFolder() const;

  // The system's display asks whether the computer runs on external power
  // (to read the right brightness); until this is set it counts as AC.
  void setOnAcPower(std::function<bool()> onAcPower) { onAcPower_ = std::move(onAcPower); }

 private:
  struct SystemParts;
  ServiceSet(platform::Runtime& runtime, const ServiceChoice& choice);
  bool chooseBatteries(std::string& error);
  bool chooseActions(std::string& error);
  bool chooseFolders(std::string& error);

  platform::Runtime& runtime_;
  ServiceChoice choice_;
  SimulatedMachine machine_;
  std::unique_ptr<SystemParts> system_;
  std::unique_ptr<TemporaryDocuments> temporary_;
  std::function<bool()> onAcPower_;
};

}  // namespace voltaro::engine
