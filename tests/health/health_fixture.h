// Shared set-up of the health tests: a data folder of its own per test, the
// state structs the store reads, and fakes that record what it did.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_advice.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_file_dialog.h"
#include "fakes/temporary_folder.h"
#include "health/battery_advice.h"
#include "health/health_commands.h"
#include "health/health_store.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::health::testing {

// Disc value files that remember every save in order.
class RecordingValueFiles : public ValueFiles {
 public:
  FileWrite sve(const std::string& path, std::uint32_t value) override {
    saves.emplace_back(path, value);
    return disc.sve(path, value);
  }
  FileRead readval(const std::string& path) override { return disc.readval(path); }

  DiskValueFiles disc;
  std::vector<std::pair<std::string, std::uint32_t>> saves;
};

class FakeHealthHooks : public HealthHooks {
 public:
  struct Asked {
    dialogs::DialogCode code;
    view::ConfirmationTexts texts;
    view::ConfirmationMode mode;
  };
  bool calibrationRunning() override { return calibrating; }
  void setCalibrating(bool value) override {
    calibrating = value;
    calibratingSet.push_back(value);
  }
  bool fastDischargeRunning() override { return fastDischarge; }
  bool greenModeOn() override { return greenMode; }
  void askConfirmation(dialogs::DialogCode code, const view::ConfirmationTexts& texts,
                       view::ConfirmationMode mode) override {
    asked.push_back({code, texts, mode});
  }

  bool calibrating = false;
  bool fastDischarge = false;
  bool greenMode = false;
  std::vector<bool> calibratingSet;
  std::vector<Asked> asked;
};

// 1 January 2026 is day number 46023.
inline constexpr std::uint32_t kToday = 46023;
inline constexpr const char* kKey = "ABCD051";

class HealthTest : public ::testing::Test {
 protected:
  HealthTest() {
    dataFolder = temporary_.folder();
    slots.batteryCount = 1;
    slots.slot(1).batteryPresent = true;
    batteryInfo.batteryKey = kKey;
  }

  void setCapacities(std::uint32_t designed, std::uint32_t full) {
    batteryInfo.information.designedCapacity = designed;
    batteryInfo.information.fullChargedCapacity = full;
  }
  std::string path(std::string_view suffix) const {
    return dataFolder + kKey + std::string(suffix);
  }
  // The saves so far as (suffix, value), the key stripped from the paths.
  std::vector<std::pair<std::string, std::uint32_t>> savedSuffixes() const {
    std::vector<std::pair<std::string, std::uint32_t>> out;
    const std::string prefix = dataFolder + kKey;
    for (const auto& [p, v] : files.saves) out.emplace_back(p.substr(prefix.size()), v);
    return out;
  }
  const std::string& text(view::Page page, std::string_view caption) const {
    return texts.get(page, caption);
  }

  voltaro::testing::TemporaryFolder temporary_;
  const std::filesystem::path& folder_ = temporary_.path();
  std::string dataFolder;
  HealthRecord record;
  battery::BatteryInfo batteryInfo;
  battery::SlotTable slots;
  battery::LiveStatus live;
  settings::AppSettings settings;
  view::ShownTexts texts;
  fakes::FakeErrorReport errors;
  platform::sim::VirtualRuntime runtime;
  RecordingValueFiles files;
  FakeHealthHooks hooks;
  fakes::FakeAudio audio;
  fakes::FakeFileDialog fileDialogs;
  fakes::FakeAdvice adviceWindow;
  HealthStore store{
      {record, batteryInfo, slots, settings, dataFolder, texts, errors, runtime, files, hooks}};
  HealthCommands commands{
      {store, batteryInfo, slots, settings, dataFolder, fileDialogs, errors, audio, hooks}};
  BatteryAdvice advice{
      {store, batteryInfo, slots, live, settings, dataFolder, adviceWindow, runtime, hooks}};
};

}  // namespace voltaro::health::testing
