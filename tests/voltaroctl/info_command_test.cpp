#include "command_run.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/temporary_folder.h"

namespace voltaro::tools {
namespace {

struct InfoRun {
  int status = 0;
  std::string out;
  std::string err;
};

InfoRun info(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  InfoRun run;
  run.status = runInfoCommand(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::string scenario(const char* name) {
  return std::string(VOLTARO_TEST_DATA) + "/scenarios/" + name;
}

bool hasLine(const std::string& text, const std::string& line) {
  std::istringstream lines(text);
  for (std::string l; std::getline(lines, l);) {
    if (l == line) return true;
  }
  return false;
}

TEST(InfoCommand, PrintsThePageOfTheBatteryInTheSecondSlot) {
  const InfoRun run = info({"--simulate", scenario("two_slots.txt")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Battery (slot 2)\n", 0), 0u) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Designed Capacity             50,000 mWh")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Current Capacity              30,000 mWh")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Capacity Drop                  5,000 mWh"));
  EXPECT_TRUE(hasLine(run.out, "    Charge Rate                  -12,000 mW"));
  EXPECT_TRUE(hasLine(run.out, "    Battery Voltage               11,100 mV"));
  EXPECT_TRUE(hasLine(run.out, "    Temperature                29.95   C"));
  EXPECT_TRUE(hasLine(run.out, "    Chemistry                Lithium Ion"));
  EXPECT_TRUE(hasLine(run.out, "    Time                        2 h 30 m"));
  EXPECT_TRUE(hasLine(run.out, "    Wear                            10 %"));
  EXPECT_TRUE(hasLine(run.out, "Slots / Batteries  2 / 1"));
  // "Main Pack" + "Keldwick" + "0042" + "15-3-2012" without the blank.
  EXPECT_TRUE(hasLine(run.out, "BatteryKey         MainPackKeldwick004215-3-2012037")) << run.out;
}

TEST(InfoCommand, TwoBatteriesEachGetTheirPageAndThePrimaryGivesTheKey) {
  const InfoRun run = info({"--simulate", scenario("two_batteries.txt")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto first = run.out.find("Battery 1 (slot 1)\n");
  const auto second = run.out.find("Battery 2 (slot 2)\n");
  ASSERT_NE(first, std::string::npos) << run.out;
  ASSERT_NE(second, std::string::npos) << run.out;
  const std::string page1 = run.out.substr(first, second - first);
  const std::string page2 = run.out.substr(second);
  EXPECT_TRUE(hasLine(page1, "    Mode                        Charging")) << page1;
  EXPECT_TRUE(hasLine(page1, "    Cycles                           412"));
  EXPECT_TRUE(hasLine(page2, "    Chemistry                       None")) << page2;
  EXPECT_TRUE(hasLine(page2, "    Device Name                     None"));
  EXPECT_TRUE(hasLine(page2, "    Technology            Nonrechargeable"));
  EXPECT_TRUE(hasLine(run.out, "Slots / Batteries  2 / 2"));
  EXPECT_TRUE(hasLine(run.out, "BatteryKey         ABCD051"));
}

TEST(InfoCommand, NoBattery) {
  const testing::TemporaryFolder temporary;
  const std::string path = temporary.file("no_battery.txt");
  std::ofstream(path) << "slot 1 interface\n";
  const InfoRun run = info({"--simulate", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "No Battery!\nSlots / Batteries  1 / 0\n");
  std::filesystem::remove(path);
}

TEST(InfoCommand, JsonGivesEveryBatteryInFixedUnitsWithNullForTheUnknown) {
  const InfoRun run = info({"--simulate", scenario("two_slots.txt"), "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto all = nlohmann::json::parse(run.out);
  EXPECT_EQ(all["slots"], 2);
  EXPECT_EQ(all["primary_slot"], 2);
  ASSERT_EQ(all["batteries"].size(), 1u);
  const auto& battery = all["batteries"][0];
  EXPECT_EQ(battery["slot"], 2);
  EXPECT_EQ(battery["designed_capacity_mwh"], 50000);
  EXPECT_EQ(battery["full_capacity_mwh"], 45000);
  EXPECT_EQ(battery["capacity_mwh"], 30000);
  EXPECT_EQ(battery["rate_mw"], -12000);
  EXPECT_EQ(battery["voltage_mv"], 11100);
  EXPECT_EQ(battery["state"], "discharging");
  EXPECT_EQ(battery["time_remaining_s"], 9000);              // 30,000 mWh at 12,000 mW
  EXPECT_DOUBLE_EQ(battery["percent"].get<double>(), 66.7);  // 30,000 of 45,000
  EXPECT_DOUBLE_EQ(battery["temperature_c"].get<double>(), 29.95);
  EXPECT_EQ(battery["manufacture_date"], "2012-03-15");
  EXPECT_TRUE(battery["cycles"].is_null());

  // The second battery of this pair reports no texts: null, not "None".
  const auto pair =
      nlohmann::json::parse(info({"--simulate", scenario("two_batteries.txt"), "--json"}).out);
  ASSERT_EQ(pair["batteries"].size(), 2u);
  EXPECT_EQ(pair["batteries"][0]["cycles"], 412);
  EXPECT_EQ(pair["batteries"][0]["state"], "charging");
  EXPECT_TRUE(pair["batteries"][1]["name"].is_null());
  EXPECT_TRUE(pair["batteries"][1]["chemistry"].is_null());
}

TEST(InfoCommand, InputErrorsExitWithStatusTwo) {
  InfoRun run = info({"--simulate", scenario("bad_line.txt")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("bad_line.txt: line 4: 'status' has no option 'colour'"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(run.out.empty());

  run = info({"--simulate", scenario("missing.txt")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("missing.txt"), std::string::npos);

  EXPECT_EQ(info({"--simulate"}).status, 2);
  EXPECT_EQ(info({"--bogus"}).status, 2);
  EXPECT_EQ(info({"--simulate", "a", "--sysfs", "b"}).status, 2);
}

#if VOLTARO_HAVE_SYSFS
// A power_supply folder with one discharging battery in energy units and a
// mains supply that is off line.
void writeSupplyTree(const std::filesystem::path& root) {
  auto write = [&](const char* supply, const char* name, const char* value) {
    std::filesystem::create_directories(root / supply);
    std::ofstream(root / supply / name) << value << "\n";
  };
  write("AC", "type", "Mains");
  write("AC", "online", "0");
  write("BAT0", "type", "Battery");
  write("BAT0", "present", "1");
  write("BAT0", "status", "Discharging");
  write("BAT0", "technology", "Li-ion");
  write("BAT0", "model_name", "PK1");
  write("BAT0", "manufacturer", "Keldwick");
  write("BAT0", "serial_number", "42");
  write("BAT0", "energy_full_design", "50000000");  // µWh
  write("BAT0", "energy_full", "45000000");
  write("BAT0", "energy_now", "30000000");
  write("BAT0", "voltage_now", "11100000");  // µV
  write("BAT0", "power_now", "12000000");    // µW, positive whatever the direction
}

TEST(InfoCommand, ReadsAPowerSupplyFolder) {
  const testing::TemporaryFolder temporary;
  const std::filesystem::path& root = temporary.path();
  writeSupplyTree(root);
  const InfoRun run = info({"--sysfs", root.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(hasLine(run.out, "    Designed Capacity             50,000 mWh")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Current Capacity              30,000 mWh")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Charge Rate                  -12,000 mW")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Chemistry                Lithium Ion")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "    Mode                     Discharging")) << run.out;
  EXPECT_TRUE(hasLine(run.out, "Slots / Batteries  1 / 1")) << run.out;
}
#endif

TEST(CommandLine, VersionHelpOfEveryCommandAndUnknownWords) {
  std::ostringstream out, err;
  EXPECT_EQ(runCommandLine(commands(), {"--version"}, out, err), 0);
  EXPECT_EQ(out.str(), versionLine() + "\n");
  EXPECT_EQ(versionLine().rfind("voltaroctl ", 0), 0u);

  out.str("");
  EXPECT_EQ(runCommandLine(commands(), {"--help"}, out, err), 0);
  for (const Command& command : commands()) {
    EXPECT_NE(out.str().find(std::string("  ") + command.name.name + " "), std::string::npos)
        << command.name.name;
    if (command.define == nullptr) continue;  // the other program's help
    std::ostringstream help;
    EXPECT_EQ(runCommandLine(commands(), {command.name.name, "--help"}, help, err), 0);
    EXPECT_NE(help.str().find(std::string("Usage: voltaroctl ") + command.name.name),
              std::string::npos)
        << help.str();
  }

  err.str("");
  EXPECT_EQ(runCommandLine(commands(), {"bogus"}, out, err), 2);
  EXPECT_NE(err.str().find("unknown command 'bogus'"), std::string::npos) << err.str();
  EXPECT_EQ(runCommandLine(commands(), {}, out, err), 2);
}

}  // namespace
}  // namespace voltaro::tools
