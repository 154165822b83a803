#include "platform/sim/scenario_reader.h"

#include <gtest/gtest.h>

namespace voltaro::platform::sim {
namespace {

TEST(ScenarioReader, AppliesStatementsAndKeepsTimedEvents) {
  SimBatteryDriver driver;
  ScenarioReader reader;
  const auto result = reader.read(
      "# two interfaces, the first empty\n"
      "slot 1 interface\n"
      "slot 2 interface battery tag=0x11\n"
      "info 2 designed=50000 full=45000 chemistry=LiIo capabilities=0x80000001 "
      "name=\"Main Pack\" date=15-3-2012 temperature=3031 fail=serial\n"
      "status 2 state=online+charging capacity=30000 voltage=11100 rate=unknown estimate=unknown\n"
      "request status pending=3\n"
      "request estimate never\n"
      "at 900 remove 2\n"
      "at 600 unplug\n"
      "at 1200 insert 2 tag=99\n",
      driver);
  ASSERT_TRUE(result.ok()) << result.error->text();
  EXPECT_TRUE(driver.slot(1).interfacePresent);
  EXPECT_EQ(driver.slot(1).battery.tag, 0u);
  EXPECT_EQ(driver.slot(2).battery.tag, 17u);
  const SimBattery& b = driver.battery(2);
  EXPECT_EQ(b.information.designedCapacity, 50000u);
  EXPECT_EQ(b.information.chemistry, (std::array<char, 4>{'L', 'i', 'I', 'o'}));
  EXPECT_EQ(b.information.capabilities, 0x80000001u);
  EXPECT_EQ(b.deviceName, "Main Pack");
  EXPECT_FALSE(b.serialNumber.has_value());
  EXPECT_EQ(b.manufactureDate, (BatteryManufactureDate{15, 3, 2012}));
  EXPECT_EQ(b.temperature, 3031u);
  EXPECT_EQ(b.status.powerState, kPowerOnLine | kCharging);
  EXPECT_EQ(static_cast<std::uint32_t>(b.status.rate), kUnknownRate);
  EXPECT_EQ(b.estimatedTime, kUnknownTime);
  EXPECT_EQ(driver.requestBehaviour(RequestId::Status),
            (SimRequestBehaviour{SimRequestMode::Pending, 3}));
  EXPECT_EQ(driver.requestBehaviour(RequestId::Estimate).mode, SimRequestMode::Never);

  // Events are not applied yet; they come back in time order.
  ASSERT_EQ(result.events.size(), 3u);
  EXPECT_EQ(result.events[0].atSeconds, 600u);
  EXPECT_EQ(result.events[0].action.verb, "unplug");
  EXPECT_EQ(result.events[1].atSeconds, 900u);
  EXPECT_EQ(result.events[2].action.number, 10);
  EXPECT_EQ(driver.slot(2).battery.tag, 17u);

  ASSERT_FALSE(reader.apply(result.events[2].action, driver).has_value());
  EXPECT_EQ(driver.slot(2).battery.tag, 99u);

  // Readings the driver could not take carry its unknown markers.
  ASSERT_TRUE(reader.read("status 2 capacity=unknown voltage=unknown\n", driver).ok());
  EXPECT_EQ(b.status.capacity, kUnknownCapacity);
  EXPECT_EQ(b.status.voltage, kUnknownVoltage);
}

TEST(ScenarioReader, BadLinesAreNamedByNumber) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"slot 1 interface\nslot 5 interface\n", 2},
      {"\n\nbogus 1\n", 3},
      {"info 1 designed=lots\n", 1},
      {"info 1 colour=red\n", 1},
      {"info 1 chemistry=LITHIUM\n", 1},
      {"info 1 date=2012\n", 1},
      {"status 1 rate=-\n", 1},
      {"request status pending=0\n", 1},
      {"request status sometimes\n", 1},
      {"slot 1 interface battery tag=0\n", 1},
      {"slot 1\n", 1},
      {"info 1 name=\"open\n", 1},
      {"at soon unplug\n", 1},
      {"# ok\nat 10 remove 9\n", 2},
      {"at 10 at 20 plug\n", 1},
      {"status 1 capacity=1 capacity=2\n", 1},
      {"status 1 voltage=none\n", 1},
  };
  for (const Case& c : cases) {
    SimBatteryDriver driver;
    const auto result = ScenarioReader().read(c.text, driver);
    ASSERT_FALSE(result.ok()) << c.text;
    EXPECT_EQ(result.error->line, c.line) << c.text;
    EXPECT_EQ(result.error->text().rfind("line " + std::to_string(c.line) + ": ", 0), 0u)
        << result.error->text();
  }
}

TEST(ScenarioReader, AddedVerbsAreUsableInEvents) {
  int suspends = 0;
  ScenarioReader reader;
  reader.addVerb("suspend", [&](const ScenarioLine& line, SimBatteryDriver&) {
    ++suspends;
    return line.words.empty() ? std::nullopt : std::optional<std::string>("no words");
  });
  SimBatteryDriver driver;
  auto result = reader.read("at 700 suspend\n", driver);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.events.at(0).action.verb, "suspend");
  EXPECT_FALSE(reader.read("at 700 suspend now\n", driver).ok());
  EXPECT_FALSE(ScenarioReader().read("at 700 suspend\n", driver).ok());
}

TEST(ScenarioReader, RunnerStatementsAreCheckedAndHandedBackNotApplied) {
  ScenarioReader reader;
  reader.addRunnerStatement("switch", [](const ScenarioLine& line) {
    return line.words.empty() ? std::nullopt : std::optional<std::string>("no words");
  });
  SimBatteryDriver driver;
  const auto result = reader.read("slot 1 interface battery\nswitch\nat 5 switch\nplug\n", driver);
  ASSERT_TRUE(result.ok()) << result.error->text();
  ASSERT_EQ(result.statements.size(), 1u);
  EXPECT_EQ(result.statements[0].number, 2);
  ASSERT_EQ(result.events.size(), 1u);
  EXPECT_EQ(result.events[0].action.verb, "switch");
  EXPECT_EQ(result.events[0].atSeconds, 5u);
  // The battery statements around them were applied as usual.
  EXPECT_EQ(driver.battery(1).status.powerState & kPowerOnLine, kPowerOnLine);
  const auto bad = reader.read("at 5 switch now\n", driver);
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.error->text(), "line 1: no words");
  EXPECT_TRUE(reader.isRunnerStatement("switch"));
  EXPECT_FALSE(reader.isRunnerStatement("unplug"));
}

TEST(ScenarioReader, MissingFileIsAnError) {
  SimBatteryDriver driver;
  const auto result = ScenarioReader().readFile("/nonexistent/scenario.txt", driver);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error->line, 0);
}

}  // namespace
}  // namespace voltaro::platform::sim
