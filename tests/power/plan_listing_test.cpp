#include "power/plan_listing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace voltaro::power {
namespace {

using ::testing::ElementsAre;

constexpr const char* kBalanced = "381b4222-f694-41f0-9685-ff5bb260df2e";
constexpr const char* kHigh = "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c";
constexpr const char* kSaver = "a1841308-3541-4fab-bc81-f71556f20b4a";

std::string scheme(const std::string& guid, const std::string& name, bool active) {
  return "Power Scheme GUID: " + guid + "  (" + name + ")" + (active ? " *" : "") + "\r\n";
}

TEST(PowercfgListing, TakesSchemeLinesWithTheGuidFieldNameAndMark) {
  const std::string listing =
      "\r\nExisting Power Schemes (* Active)\r\n"
      "-----------------------------------\r\n" +
      scheme(kBalanced, "Balanced", false) + scheme(kHigh, "High performance", true) +
      scheme(kSaver, "Power saver", false);
  EXPECT_THAT(parsePowercfgListing(listing),
              ElementsAre(PowerPlanEntry{"Balanced", std::string(kBalanced) + " ", false},
                          PowerPlanEntry{"High performance", std::string(kHigh) + " ", true},
                          PowerPlanEntry{"Power saver", std::string(kSaver) + " ", false}));
}

TEST(PowercfgListing, CutsTheNameAtTheFirstClosingParenthesis) {
  const auto plans = parsePowercfgListing(scheme(kSaver, "Quiet (night) mode", true));
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans[0].name, "Quiet (night");
  EXPECT_EQ(plans[0].guidField.size(), 37u);
  EXPECT_TRUE(plans[0].active);
}

TEST(PowercfgListing, KeepsTheFirstTenAndIgnoresOtherWordings) {
  std::string listing = "power scheme guid: " + std::string(kHigh) + "  (lower case)\r\n";
  for (int i = 0; i < 12; ++i) {
    char guid[37];
    std::snprintf(guid, sizeof guid, "00000000-0000-0000-0000-0000000000%02d", i);
    listing += scheme(guid, "Plan " + std::to_string(i), i == 11);
  }
  const auto plans = parsePowercfgListing(listing);
  ASSERT_EQ(plans.size(), 10u);
  EXPECT_EQ(plans.back().name, "Plan 9");
  EXPECT_FALSE(plans.back().active);  // the marked plan was the twelfth

  EXPECT_TRUE(
      parsePowercfgListing("Energieschema-GUID: " + std::string(kHigh) + "  (Ausbalanciert) *\r\n")
          .empty());
  EXPECT_TRUE(parsePowercfgListing("").empty());
}

TEST(PowercfgListing, ALineWithoutANameGivesAnEmptyRowRatherThanGarbage) {
  const auto plans = parsePowercfgListing("Power Scheme GUID: broken\r\n");
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans[0], (PowerPlanEntry{"", "", false}));
}

TEST(PowerProfilesListing, ReadsTheProfilesOfTheToolsOutput) {
  std::ifstream file(VOLTARO_TEST_DATA "/power/powerprofilesctl_list.txt");
  std::stringstream text;
  text << file.rdbuf();
  ASSERT_FALSE(text.str().empty());
  EXPECT_THAT(parsePowerProfilesListing(text.str()),
              ElementsAre(PowerPlanEntry{"performance", "performance", false},
                          PowerPlanEntry{"balanced", "balanced", true},
                          PowerPlanEntry{"power-saver", "power-saver", false}));
}

TEST(PowerProfilesListing, AcceptsCrLfAndSkipsDetailLines) {
  const std::string listing =
      "* power-saver:\r\n    Driver:     placeholder\r\n    Degraded:   no\r\n\r\n"
      "  balanced:\r\n    Driver:     placeholder\r\nnot a profile:\r\n";
  EXPECT_THAT(parsePlanListing(platform::PlanListingFormat::PowerProfiles, listing),
              ElementsAre(PowerPlanEntry{"power-saver", "power-saver", true},
                          PowerPlanEntry{"balanced", "balanced", false}));
}

}  // namespace
}  // namespace voltaro::power
