#include "info_command.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <string>

#include "battery/battery_access.h"
#include "engine/system_driver.h"
#include "information_page.h"
#include "monitor/time_texts.h"
#include "platform/sim/scenario_reader.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::tools {

namespace {

using view::Page;

// voltaroctl shows no tray, plays no sound and keeps no health record.
class SilentTray : public view::TrayPort {
 public:
  void setHint(const std::string&) override {}
  void setIcon(int) override {}
  void showBalloon(const std::string&, const std::string&, view::BalloonIcon,
                   std::uint32_t) override {}
};

class SilentAudio : public platform::Audio {
 public:
  void play(platform::Clip) override {}
  std::optional<int> masterVolume() override { return std::nullopt; }
  bool setMasterVolume(int) override { return false; }
  bool setMuted(bool) override { return false; }
};

class CommandLineHooks : public battery::BatteryHooks {
 public:
  std::string hm(std::uint32_t minutes) override { return monitor::hm(minutes); }
};

struct InfoArgs {
  std::string simulate;
  std::string sysfs;
};

// Returns an error message, or "" when the words are valid.
std::string parseArgs(const std::vector<std::string>& args, InfoArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word != "--simulate" && word != "--sysfs") return "unknown option '" + word + "'";
    if (i + 1 >= args.size()) return word + " needs a value";
    (word == "--simulate" ? parsed.simulate : parsed.sysfs) = args[++i];
  }
  if (!parsed.simulate.empty() && !parsed.sysfs.empty()) {
    return "--simulate and --sysfs exclude each other";
  }
  return "";
}

// The driver the options ask for, or nullptr with a message in `error`.
std::unique_ptr<platform::BatteryDriver> makeDriver(const InfoArgs& args, std::string& error) {
  if (!args.simulate.empty()) {
    auto driver = std::make_unique<platform::sim::SimBatteryDriver>();
    const auto result = platform::sim::ScenarioReader().readFile(args.simulate, *driver);
    if (!result.ok()) {
      error = args.simulate + ": " + result.error->text();
      return nullptr;
    }
    return driver;
  }
  return engine::makeSystemDriver(args.sysfs, error);
}

// The state of one run of the battery access code.
struct Session {
  explicit Session(platform::BatteryDriver& d)
      : driver(d), runtime(localDayTime(std::chrono::system_clock::now())) {}

  platform::BatteryDriver& driver;
  battery::SlotTable slots;
  battery::BatteryRequests requests;
  battery::BatteryInfo info;
  battery::LiveStatus live;
  settings::AppSettings settings;
  SilentTray tray;
  SilentAudio audio;
  platform::sim::VirtualRuntime runtime;
  CommandLineHooks hooks;

  battery::BatteryContext context(view::ShownTexts& texts) {
    return {driver, slots, requests, info, live, settings, texts, tray, audio, runtime, hooks};
  }
};

// Reads the current slot's information and one status reading: at most one
// request cycle, as the monitoring tick would run it.
void readBattery(Session& session, battery::BatteryAccess& access) {
  access.config0(true);
  access.slotbatafis();
  for (int tick = 0; tick < 10; ++tick) {
    session.runtime.advance(1000);
    access.readstatus();
    if (access.bothRequestsFinished()) break;
  }
  access.cancelStatusRequest();
  access.closeStatusHandle();
  access.restartRequests();
}

void printSlotsAndKey(const view::ShownTexts& texts, const battery::BatteryInfo& info,
                      std::ostream& out) {
  out << "Slots / Batteries  " << texts.get(Page::Information, "Slots / Batteries") << "\n";
  if (!info.batteryKey.empty()) out << "BatteryKey         " << info.batteryKey << "\n";
}

}  // namespace

const char* infoUsage() {
  return "  voltaroctl info [--simulate FILE | --sysfs DIR]\n";
}

int runInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  InfoArgs parsed;
  if (auto problem = parseArgs(args, parsed); !problem.empty()) {
    err << "voltaroctl info: " << problem << "\nusage:\n" << infoUsage();
    return 2;
  }
  std::string error;
  auto driver = makeDriver(parsed, error);
  if (!driver) {
    err << "voltaroctl info: " << error << "\n";
    return 2;
  }
  Session session(*driver);
  view::ShownTexts scanTexts;
  battery::BatteryAccess scanner(session.context(scanTexts));
  scanner.createDeviceSet();
  scanner.scanslots();
  scanner.pickslot();
  if (session.slots.batteryCount == 0) {
    out << scanTexts.get(Page::Caption, "Battery") << "\n";
    printSlotsAndKey(scanTexts, session.info, out);
    scanner.shutdown();
    return 0;
  }
  for (int slot = 1; slot <= battery::kSlotCount; ++slot) {
    if (!session.slots.slot(slot).batteryPresent) continue;
    // Each battery gets its own page, so nothing of the previous one shows.
    view::ShownTexts texts;
    battery::BatteryAccess access(session.context(texts));
    session.slots.currentSlot = slot;
    readBattery(session, access);
    out << texts.get(Page::Caption, "Battery") << " (slot " << slot << ")\n";
    printInformationPage(texts, out);
  }
  session.slots.currentSlot = session.slots.primarySlot;
  printSlotsAndKey(scanTexts, session.info, out);
  scanner.shutdown();
  return 0;
}

}  // namespace voltaro::tools
