// voltaroctl health, settings and simulate --data, each on a simulated
// battery or a hand-made file in a temporary data folder.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "command_run.h"
#include "common/day_number.h"
#include "common/file_io.h"
#include "engine/engine_harness.h"
#include "journal/journal_dates.h"
#include "journal/journal_entry.h"
#include "journal/journal_files.h"

namespace voltaro::tools {
namespace {

using testing::TemporaryFolder;

struct CommandRun {
  int status = 0;
  std::string out;
  std::string err;
};

CommandRun run(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
               const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CommandRun result;
  result.status = command(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void writeValue(const std::filesystem::path& path, std::uint32_t value) {
  ByteWriter writer;
  writer.u32(value);
  writeBytes(path, writer.bytes());
}

std::optional<std::uint32_t> readValue(const std::filesystem::path& path) {
  const auto bytes = readFileBytes(path.string());
  if (!bytes || bytes->size() != 4) return std::nullopt;
  return ByteReader(*bytes).u32();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

bool hasLine(const std::string& text, const std::string& line) {
  for (const auto& l : lines(text)) {
    if (l == line) return true;
  }
  return false;
}

// The value and unit of the line that starts with `caption` (after the indent):
// "Wear Level   10.00 %" gives {"10.00", "%"}.
std::string valueOf(const std::string& text, const std::string& caption) {
  for (const auto& l : lines(text)) {
    const auto at = l.find_first_not_of(' ');
    if (at == std::string::npos || l.compare(at, caption.size(), caption) != 0) continue;
    const auto rest = l.substr(at + caption.size());
    // Two blanks at least part caption and value; "Wear Level" is no "Wear".
    if (!rest.starts_with("  ")) continue;
    const auto begin = rest.find_first_not_of(' ');
    return begin == std::string::npos ? "" : rest.substr(begin);
  }
  return "<no line " + caption + ">";
}

// Designed 50,000 mWh, full 45,000, at 30,000 and discharging 12,000 mW.
constexpr const char* kWornBattery =
    "slot 1 interface battery tag=41\n"
    "info 1 designed=50000 full=45000 cycles=0\n"
    "status 1 state=discharging capacity=30000 rate=-12000 voltage=12000\n";

class EngineCommandsTest : public ::testing::Test {
 protected:
  std::filesystem::path dataFolder() const {
    return folder.path() / "docs" / "Keldwick" / "Voltaro";
  }
  std::string scenario(const std::string& text) {
    const auto path = folder.path() / "scenario.txt";
    writeText(path, text);
    return path.string();
  }
  CommandRun health() {
    return run(runHealthCommand,
               {"--simulate", scenario(kWornBattery), "--data", (folder.path() / "docs").string()});
  }
  std::string batteryKey(const CommandRun& health) {
    const std::string key = valueOf(health.out, "BatteryKey");
    EXPECT_FALSE(key.empty());
    return key;
  }

  TemporaryFolder folder;
};

TEST_F(EngineCommandsTest, HealthOfAFreshRecordShowsTheWearAgainstTheDesignedCapacity) {
  const CommandRun first = health();
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "");
  // (50,000 - 45,000) / 50,000; the record's maximum is raised to the designed capacity.
  EXPECT_EQ(valueOf(first.out, "Wear Level"), "10.00 %");
  EXPECT_EQ(valueOf(first.out, "Maximum Wear Level"), "10.00 %");
  EXPECT_EQ(valueOf(first.out, "Maximum Capacity"), "50,000 mWh");
  EXPECT_EQ(valueOf(first.out, "Battery Calibrations"), "0");
  EXPECT_EQ(valueOf(first.out, "Latest Calibration"), "0 d");
  EXPECT_EQ(valueOf(first.out, "Full Discharge Cycles"), "0");
  EXPECT_EQ(valueOf(first.out, "Calibration"), "Off");
  EXPECT_EQ(valueOf(first.out, "Wear"), "10 %");
  EXPECT_EQ(valueOf(first.out, "Days"), "0");
  const std::string key = batteryKey(first);
  EXPECT_EQ(readValue(dataFolder() / key), 50000u);
  // Reading saves no settings: the program would only on its exit.
  EXPECT_FALSE(std::filesystem::exists(dataFolder() / "voltaro.ini"));
}

TEST_F(EngineCommandsTest, HealthShowsAStoredRecordAndLeavesTheSettingsFileAlone) {
  const std::string key = batteryKey(health());
  const auto file = [&](const char* suffix) { return dataFolder() / (key + suffix); };
  writeValue(file(""), 60000);  // a maximum above the designed capacity
  writeValue(file("11"), 250);  // hundredths of a cycle
  writeValue(file("22"), 150);  // usage minutes
  writeValue(file("44"), 3);    // calibrations
  writeValue(file("55"), 120);  // hundredths since the calibration
  writeValue(file("66"), 45);   // minutes of the latest discharge
  writeValue(file("77"), 30);   // minutes of the latest charge
  const std::int32_t today = dayNumber(localDayTime(std::chrono::system_clock::now()));
  writeValue(file("33"), static_cast<std::uint32_t>(today - 7));
  // A short settings file (29 bytes) that the load would correct.
  std::vector<std::uint8_t> settings(29, 0);
  settings[5] = 5;
  settings[21] = 100;
  writeBytes(dataFolder() / "voltaro.ini", settings);

  const CommandRun again = health();
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(valueOf(again.out, "Maximum Capacity"), "60,000 mWh");
  // (60,000 - 45,000) / 60,000 against the record, (50,000 - 45,000) / 50,000 designed.
  EXPECT_EQ(valueOf(again.out, "Maximum Wear Level"), "25.00 %");
  EXPECT_EQ(valueOf(again.out, "Wear Level"), "10.00 %");
  EXPECT_EQ(valueOf(again.out, "Full Discharge Cycles"), "2");
  EXPECT_EQ(valueOf(again.out, "Cycles since Calibration"), "1");
  EXPECT_EQ(valueOf(again.out, "Battery Usage Time"), "2 h");
  EXPECT_EQ(valueOf(again.out, "Battery Calibrations"), "3");
  EXPECT_EQ(valueOf(again.out, "Latest Calibration"), "7 d");
  EXPECT_EQ(valueOf(again.out, "Days"), "7");
  EXPECT_EQ(valueOf(again.out, "Discharging Time"), "45 m");
  EXPECT_EQ(valueOf(again.out, "Charging Time"), "30 m");
  EXPECT_EQ(readFileBytes((dataFolder() / "voltaro.ini").string()), settings);
  EXPECT_EQ(readValue(file("")), 60000u) << "a larger stored maximum stays";
}

TEST_F(EngineCommandsTest, HealthAsJsonGivesTheSameRecordInFixedUnits) {
  const CommandRun shown = run(runHealthCommand, {"--simulate", scenario(kWornBattery), "--data",
                                                  (folder.path() / "docs").string(), "--json"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const auto health = nlohmann::json::parse(shown.out);
  EXPECT_EQ(health["designed_capacity_mwh"], 50000);
  EXPECT_EQ(health["full_capacity_mwh"], 45000);
  EXPECT_EQ(health["maximum_capacity_mwh"], 50000);
  EXPECT_DOUBLE_EQ(health["wear_percent"].get<double>(), 10.0);
  EXPECT_EQ(health["calibrations"], 0);
  EXPECT_TRUE(health["cycles"].is_null());  // the battery reports none
  EXPECT_EQ(health["data_folder"].get<std::string>().rfind((folder.path() / "docs").string(), 0),
            0u);
}

// With two months of journal before today's line, losing 50 mWh a day, the
// JSON carries the fitted trend: 5,000 mWh, 10 % of 50,000, per 100 days.
TEST_F(EngineCommandsTest, HealthAsJsonCarriesTheWearTrend) {
  const std::vector<std::string> arguments = {"--simulate", scenario(kWornBattery), "--data",
                                              (folder.path() / "docs").string(), "--json"};
  const CommandRun first = run(runHealthCommand, arguments);
  ASSERT_EQ(first.status, 0) << first.err;
  const auto before = nlohmann::json::parse(first.out);
  EXPECT_EQ(before["journal_days"], 1);
  EXPECT_EQ(before["trend"]["projection"], "not_enough_data");
  EXPECT_FALSE(before["trend"].contains("loss_mwh_per_100_days"));

  const std::string path = journal::journalPath(before["data_folder"].get<std::string>(),
                                                before["battery_key"].get<std::string>());
  std::ifstream in(path);
  std::string line, last;
  while (std::getline(in, line)) last = line;
  const auto today = journal::parseJournalLine(last);
  ASSERT_TRUE(today) << last;
  ASSERT_EQ(today->fullCharged, 45000u);
  std::ofstream rewritten(path, std::ios::trunc);
  rewritten << journal::kJournalHeader << "\n";
  for (int back = 60; back >= 1; --back) {
    journal::JournalEntry earlier = *today;
    earlier.day = today->day - back;
    earlier.fullCharged = 45000u + 50u * static_cast<std::uint32_t>(back);
    rewritten << journal::formatJournalLine(earlier) << "\n";
  }
  rewritten << last << "\n";
  rewritten.close();

  const CommandRun again = run(runHealthCommand, arguments);
  ASSERT_EQ(again.status, 0) << again.err;
  const auto after = nlohmann::json::parse(again.out);
  EXPECT_EQ(after["journal_days"], 61);
  const auto& trend = after["trend"];
  EXPECT_EQ(trend["projection"], "projected");
  EXPECT_NEAR(trend["loss_mwh_per_100_days"].get<double>(), 5000.0, 1e-6);
  EXPECT_NEAR(trend["loss_percent_per_100_days"].get<double>(), 10.0, 1e-6);
  EXPECT_NEAR(trend["fitted_capacity_mwh"].get<double>(), 45000.0, 1e-6);
  // 10 % worn now, 40 points to go at 10 points per 100 days: 400 days on.
  EXPECT_EQ(trend["replacement_date"], journal::isoDate(today->day + 400));
}

TEST_F(EngineCommandsTest, HealthWithoutABatteryFails) {
  const CommandRun none = run(runHealthCommand, {"--simulate", scenario("slot 1 none\n"), "--data",
                                                 (folder.path() / "docs").string()});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "No Battery!\n");
}

TEST_F(EngineCommandsTest, HealthRefusesBadOptions) {
  EXPECT_EQ(run(runHealthCommand, {"--data"}).status, 2);
  EXPECT_EQ(run(runHealthCommand, {"--simulate", "a", "--sysfs", "b"}).status, 2);
  EXPECT_EQ(run(runHealthCommand, {"--what"}).status, 2);
}

// The head of a file: the first 25 bytes, then the 4-byte duration.
std::vector<std::uint8_t> shortSettings() {
  std::vector<std::uint8_t> bytes(29, 0);
  bytes[0] = 1;      // WarningEnabled
  bytes[2] = 0;      // WarningLevel 0: back to 30
  bytes[5] = 150;    // CriticalLevel above 99: back to 5
  bytes[9] = 120;    // WarnBrightnessLevel above 100 %: none chosen
  bytes[13] = 1;     // CritSystemStandby and
  bytes[14] = 1;     // CritSystemHibernate together: both off
  bytes[21] = 10;    // GadgetOpacity below 20: 20
  bytes[25] = 0x2c;  // FastDischargeMinutes 300, little-endian: back to 5
  bytes[26] = 0x01;
  return bytes;
}

TEST_F(EngineCommandsTest, SettingsOfAShortFileShowTheCorrectionsAndTheLaterDefaults) {
  const auto path = folder.path() / "mine" / "voltaro.ini";
  writeBytes(path, shortSettings());
  writeText(folder.path() / "mine" / "launch.txt", "/usr/bin/notify-send\r\n");
  const CommandRun shown = run(runSettingsCommand, {path.string()});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const auto out = lines(shown.out);
  // A comment line, the 48 fields of the file, the launch path.
  ASSERT_EQ(out.size(), 50u) << shown.out;
  EXPECT_EQ(out[0], "# " + path.string() + " (29 bytes)");
  EXPECT_EQ(out[1], "WarningEnabled = 1");
  EXPECT_EQ(out[3], "WarningLevel = 30");
  EXPECT_EQ(out[6], "CriticalLevel = 5");
  EXPECT_EQ(out[10], "WarnBrightnessLevel = 255");
  EXPECT_EQ(out[14], "CritSystemStandby = 0");
  EXPECT_EQ(out[15], "CritSystemHibernate = 0");
  EXPECT_EQ(out[22], "GadgetOpacity = 20");
  EXPECT_EQ(out[24], "GadgetShowTimeRemaining = 0");
  // The file's zeros are read as they are: AutoRun and PlaySounds are off.
  EXPECT_EQ(out[7], "AutoRun = 0");
  EXPECT_EQ(out[19], "PlaySounds = 0");
  EXPECT_EQ(out[26], "FastDischargeMinutes = 5");
  // Beyond byte 29 the fresh defaults stay.
  EXPECT_EQ(out[27], "WarnLaunchProgram = 0");
  EXPECT_EQ(out[29], "ExitConfirmation = 1");
  EXPECT_EQ(out[38], "ShowBatteryGadget = 1");
  EXPECT_EQ(out[46], "DigitGrouping = 1");
  EXPECT_EQ(out[47], "TaskPriority = 2");
  EXPECT_EQ(out[48], "BalloonHints = 1");
  EXPECT_EQ(out[49], "LaunchProgramPath = /usr/bin/notify-send");
}

TEST_F(EngineCommandsTest, SettingsAsJsonHoldTheCorrectedFieldsAsNumbers) {
  const auto path = folder.path() / "mine" / "voltaro.ini";
  writeBytes(path, shortSettings());
  const CommandRun shown = run(runSettingsCommand, {path.string(), "--json"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const auto all = nlohmann::json::parse(shown.out);
  EXPECT_EQ(all["file"], path.string());
  EXPECT_EQ(all["exists"], true);
  const auto& fields = all["settings"];
  EXPECT_EQ(fields.size(), 49u);  // 48 fields and the launch path
  EXPECT_EQ(fields["WarningEnabled"], 1);
  EXPECT_EQ(fields["CriticalLevel"], 5);
  EXPECT_EQ(fields["GadgetOpacity"], 20);
  EXPECT_EQ(fields["FastDischargeMinutes"], 5);
  EXPECT_EQ(fields["LaunchProgramPath"], "");
}

TEST_F(EngineCommandsTest, SettingsFileOf24BytesHoldsNothingAndOf30BytesOneMoreField) {
  const auto path = folder.path() / "voltaro.ini";
  auto bytes = shortSettings();
  bytes.resize(24);
  writeBytes(path, bytes);
  const CommandRun tooShort = run(runSettingsCommand, {path.string()});
  ASSERT_EQ(tooShort.status, 0);
  EXPECT_TRUE(hasLine(tooShort.out, "WarningEnabled = 0"));
  EXPECT_TRUE(hasLine(tooShort.out, "AutoRun = 1"));
  EXPECT_TRUE(hasLine(tooShort.out, "GadgetOpacity = 100"));

  bytes = shortSettings();
  bytes.push_back(1);  // WarnLaunchProgram
  writeBytes(path, bytes);
  const CommandRun longer = run(runSettingsCommand, {path.string()});
  EXPECT_TRUE(hasLine(longer.out, "WarnLaunchProgram = 1"));
  EXPECT_TRUE(hasLine(longer.out, "CalibrationLog = 0"));
  EXPECT_TRUE(hasLine(longer.out, "LaunchProgramPath = "));
}

TEST_F(EngineCommandsTest, SettingsOfTheDataFolderMissingShowTheFreshDefaults) {
  const CommandRun fresh = run(runSettingsCommand, {"--data", (folder.path() / "docs").string()});
  ASSERT_EQ(fresh.status, 0) << fresh.err;
  const std::string path = (dataFolder() / "voltaro.ini").string();
  EXPECT_EQ(lines(fresh.out).front(), "# " + path + " does not exist: the fresh defaults");
  EXPECT_TRUE(hasLine(fresh.out, "WarningLevel = 30"));
  EXPECT_TRUE(hasLine(fresh.out, "GadgetShowCpuUsage = 0"));
  EXPECT_TRUE(hasLine(fresh.out, "TaskPriority = 2"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "docs")) << "showing creates nothing";
}

TEST_F(EngineCommandsTest, AnUnreadableSettingsFileFails) {
  // A folder where the file should be cannot be read as one.
  const auto path = folder.path() / "voltaro.ini";
  std::filesystem::create_directories(path);
  const CommandRun failed = run(runSettingsCommand, {path.string()});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err,
            "voltaroctl settings: cannot read the settings file " + path.string() + "\n");
}

// From 8:00 on 1 January 2026: charging until full at 9:00; on battery from
// 10:00 to 11:00 (100 % to 77 % in three entries), full again at 12:00; on
// battery from 13:00 to 14:00 (100 % to 90 %), full at 14:30; unplugged at
// 15:00 (85 % at 15:00:15) until the end at 15:00:30. Ticks run at 1.25 s,
// 2.25 s, ...; the log and the cycle check on every fifth, the minute counters
// on every sixtieth, each on the reading of the tick before.
constexpr const char* kThreeDischarges =
    "start 08:00\n"
    "setting DischargeLog=1\n"
    "slot 1 interface battery tag=41\n"
    "info 1 designed=50000 full=45000 cycles=0\n"
    "status 1 state=online+charging capacity=30000 rate=12000 voltage=12000\n"
    "at 09:00 status 1 state=online capacity=45000\n"
    "at 10:00 unplug\n"
    "at 10:00:10 status 1 capacity=36000\n"
    "at 10:00:30 status 1 capacity=34650\n"
    "at 11:00 plug\n"
    "at 12:00 status 1 state=online capacity=45000\n"
    "at 13:00 unplug\n"
    "at 13:00:05 status 1 capacity=40500\n"
    "at 14:00 plug\n"
    "at 14:30 status 1 state=online capacity=45000\n"
    "at 15:00 unplug\n"
    "at 15:00:15 status 1 capacity=38250\n";

TEST_F(EngineCommandsTest, SimulateWithADataFolderLeavesTheLogsHealthFilesAndSettings) {
  // 7 h 30 s; the end falls between two minute ticks.
  const CommandRun simulated =
      run(runSimulateCommand, {scenario(kThreeDischarges), "--hours", "7.00833333", "--data",
                               (folder.path() / "docs").string()});
  ASSERT_EQ(simulated.status, 0) << simulated.err;
  EXPECT_EQ(simulated.err, "");
  EXPECT_TRUE(hasLine(simulated.out, "10:00:00  > unplug"));
  EXPECT_TRUE(hasLine(simulated.out, "13:00:05  Charge: 90 %"));
  EXPECT_TRUE(hasLine(simulated.out, "15:00:00  Mode: Discharging"));

  const std::vector<std::string> header = {"Voltaro v9.2 - Discharge log file", " ",
                                           "Battery 1 ID:  Keldwick Sim Battery",
                                           "Sampling rate: 5 seconds", " "};
  auto withHeader = [&](std::vector<std::string> entries) {
    entries.insert(entries.begin(), header.begin(), header.end());
    return entries;
  };
  const auto data = [&](const std::string& name) { return (dataFolder() / name).string(); };
  // Each plug-in moves the log to the old one: the first discharge's is gone.
  EXPECT_EQ(readTextLines(data("voltarologold.txt")),
            withHeader({"1/1/2026\t13:00:00\t100.0 % ", "1/1/2026\t13:00:05\t90.0 %     5 sec"}));
  EXPECT_EQ(readTextLines(data("voltarolog.txt")),
            withHeader({"1/1/2026\t15:00:00\t100.0 % ", "1/1/2026\t15:00:15\t85.0 %     15 sec"}));

  const std::string key = "SimBatteryKeldwick0001028";  // what the simulated tag 41 reports
  EXPECT_EQ(readValue(data(key)), 50000u);
  // 100 -> 80, 80 -> 77, 100 -> 90 and 100 -> 85.
  EXPECT_EQ(readValue(data(key + "11")), 4u);
  EXPECT_EQ(readValue(data(key + "55")), 4u);
  // 60 minute ticks on each of the first two discharges, none yet on the third.
  EXPECT_EQ(readValue(data(key + "22")), 120u);
  EXPECT_EQ(readValue(data(key + "66")), 60u);
  // The latest charge, 14:00 to 14:30.
  EXPECT_EQ(readValue(data(key + "77")), 30u);
  // 1 January 2026 is day 46,023 after 30 December 1899.
  EXPECT_EQ(readValue(data(key + "33")), 46023u);
  EXPECT_FALSE(std::filesystem::exists(data(key + "44")));

  // The fresh defaults with the discharge log switched on (offset 7); the
  // simulated panel's levels (10 to 100) replace the two brightness levels
  // that no panel had chosen: the first at offset 9, the last at offset 36.
  const std::vector<std::uint8_t> settings = {
      0, 0, 30, 0, 0, 5, 1, 1, 0, 10, 0,   0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 100, 1, 0, 1, 5,
      0, 0, 0,  0, 0, 1, 1, 0, 0, 0,  100, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0,   1, 2, 1};
  EXPECT_EQ(readFileBytes(data("voltaro.ini")), settings);
  EXPECT_EQ(readFileBytes(data("launch.txt")), (std::vector<std::uint8_t>{'\r', '\n'}));
}

// (The scenario language's own errors are tested with the scenario reader.)
TEST_F(EngineCommandsTest, SimulateRefusesABadScenarioBeforeItMakesAnything) {
  const std::string file = scenario("setting Loudness=3\n");
  const CommandRun bad =
      run(runSimulateCommand, {file, "--data", (folder.path() / "docs").string()});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err, "voltaroctl simulate: " + file + ": line 1: no setting named 'Loudness'\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "docs"));
}

}  // namespace
}  // namespace voltaro::tools
