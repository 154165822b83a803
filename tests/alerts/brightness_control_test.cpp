#include "alerts/brightness_control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "alerts_fixture.h"

namespace voltaro::alerts {
namespace {

using platform::Clip;
using ::testing::ElementsAre;

class BrightnessTest : public ::testing::Test {
 protected:
  testing::AlertsWorld w;
};

TEST_F(BrightnessTest, StoredLevelsOutsideTheListBecomeItsFirstAndLastEntry) {
  w.settings.WarnBrightnessLevel = 35;
  w.settings.FastDischargeBrightnessLevel = 35;
  w.brightness.initBrightness();
  EXPECT_TRUE(w.brightness.available());
  EXPECT_EQ(w.settings.WarnBrightnessLevel, 0);
  EXPECT_EQ(w.settings.FastDischargeBrightnessLevel, 100);
  EXPECT_EQ(w.texts.get(view::Page::Alerts, kBrightnessLevelCaption), "0 %");

  w.settings.WarnBrightnessLevel = 40;
  w.settings.FastDischargeBrightnessLevel = 70;
  w.brightness.initBrightness();
  EXPECT_EQ(w.settings.WarnBrightnessLevel, 40);
  EXPECT_EQ(w.settings.FastDischargeBrightnessLevel, 70);
  EXPECT_EQ(w.texts.get(view::Page::Alerts, kBrightnessLevelCaption), "40 %");
}

TEST_F(BrightnessTest, OneLevelMeansNoBrightnessControl) {
  w.display.supportedLevels = {60};
  w.settings.WarnBrightnessLevel = 60;
  w.settings.FastDischargeBrightnessLevel = 60;
  w.brightness.initBrightness();
  EXPECT_FALSE(w.brightness.available());
  EXPECT_TRUE(w.brightness.levels().empty());
  EXPECT_EQ(w.settings.WarnBrightnessLevel, kNoBrightnessLevel);
  EXPECT_EQ(w.settings.FastDischargeBrightnessLevel, 60);
  EXPECT_EQ(w.texts.get(view::Page::Alerts, kBrightnessLevelCaption), "None");
  EXPECT_EQ(w.brightness.queryBrightness(), (BrightnessPair{0, 0}));
  EXPECT_FALSE(w.brightness.setBrightness(platform::BrightnessPolicy::Both, 10, 10));
  EXPECT_THAT(w.display.calls, ElementsAre("openBrightness"));  // the device is never asked
}

TEST_F(BrightnessTest, QueryReadsAcThenDcAndKeepsWhatSucceeded) {
  w.brightness.initBrightness();
  w.display.acLevel = 80;
  w.display.dcLevel = 40;
  EXPECT_EQ(w.brightness.queryBrightness(), (BrightnessPair{80, 40}));
  w.display.failDcQuery = true;
  EXPECT_EQ(w.brightness.queryBrightness(), (BrightnessPair{80, 0}));
  w.display.failAcQuery = true;
  w.display.failDcQuery = false;
  EXPECT_EQ(w.brightness.queryBrightness(), (BrightnessPair{0, 0}));
}

TEST_F(BrightnessTest, TheRememberedPairsAreIndependent) {
  w.brightness.initBrightness();
  w.display.acLevel = 80;
  w.display.dcLevel = 40;
  w.brightness.readPagePair();
  w.display.dcLevel = 20;
  w.brightness.readGreenModePair();
  EXPECT_EQ(w.brightness.pagePair(), (BrightnessPair{80, 40}));
  EXPECT_EQ(w.brightness.greenModePair(), (BrightnessPair{80, 20}));
  EXPECT_EQ(w.brightness.fastDischargePair(), (BrightnessPair{0, 0}));
}

TEST_F(BrightnessTest, TestAppliesTheWarningLevelForTwoSecondsAndRestoresThePagePair) {
  w.settings.WarnBrightnessLevel = 30;
  w.brightness.initBrightness();
  w.display.acLevel = 90;
  w.display.dcLevel = 60;
  w.brightness.readPagePair();
  w.journal.entries.clear();
  // A second click while the test runs is ignored.
  w.runtime.postAfter(500, [&] { w.brightness.testBrightness(); });
  w.brightness.testBrightness();
  EXPECT_THAT(w.journal.entries,
              ElementsAre("0 setBrightness 3 30 30", "2000 setBrightness 3 90 60"));
  EXPECT_FALSE(w.brightness.testRunning());
  // Once finished, it can run again.
  w.brightness.testBrightness();
  EXPECT_EQ(w.journal.entries.size(), 4u);
  EXPECT_TRUE(w.audio.played.empty());
}

TEST_F(BrightnessTest, TestIsRefusedWithoutControlAndSoundsOnFailedRequests) {
  w.display.supportedLevels = {};
  w.brightness.initBrightness();
  w.brightness.testBrightness();
  EXPECT_THAT(w.audio.played, ElementsAre(Clip::Refusal));
  EXPECT_EQ(w.runtime.elapsedMilliseconds(), 0u);

  w.display.supportedLevels = {10, 50};
  w.brightness.initBrightness();
  w.display.failSet = true;
  w.brightness.testBrightness();
  EXPECT_THAT(w.audio.played, ElementsAre(Clip::Refusal, Clip::Refusal, Clip::Refusal));

  // The refusal sound follows PlaySounds.
  w.settings.PlaySounds = 0;
  w.brightness.testBrightness();
  EXPECT_EQ(w.audio.played.size(), 3u);
}

TEST_F(BrightnessTest, WarningBrightnessSetsTheOnBatteryPolicySilently) {
  w.settings.WarnBrightnessLevel = 20;
  w.brightness.initBrightness();
  w.display.failSet = true;
  w.brightness.applyWarningBrightness();
  EXPECT_EQ(w.display.calls.back(), "setBrightness 2 20 20");
  EXPECT_TRUE(w.audio.played.empty());
}

TEST_F(BrightnessTest, TrayItemsSetBothPoliciesAndCheckTheTruncatedLevel) {
  w.brightness.initBrightness();
  w.brightness.applyTrayBrightness(70);
  EXPECT_EQ(w.display.calls.back(), "setBrightness 3 70 70");
  w.display.failSet = true;
  w.brightness.applyTrayBrightness(20);
  EXPECT_THAT(w.audio.played, ElementsAre(Clip::Refusal));

  EXPECT_EQ(trayItemForLevel(45), 4);
  EXPECT_EQ(trayItemForLevel(55), 5);
  EXPECT_EQ(trayItemForLevel(95), 9);
  EXPECT_EQ(trayItemForLevel(100), 10);
  EXPECT_EQ(trayItemForLevel(0), std::nullopt);
  EXPECT_EQ(trayItemForLevel(5), std::nullopt);

  w.display.acLevel = 100;
  w.display.dcLevel = 45;
  EXPECT_EQ(w.brightness.trayCheckedItem(true), 10);
  EXPECT_EQ(w.brightness.trayCheckedItem(false), 4);
}

TEST_F(BrightnessTest, NeighbourLevelsFollowTheDevicesOrder) {
  w.display.supportedLevels = {50, 20, 80};
  w.brightness.initBrightness();
  EXPECT_EQ(w.brightness.nextLevel(50), 20);
  EXPECT_EQ(w.brightness.nextLevel(20), 80);
  EXPECT_EQ(w.brightness.nextLevel(80), std::nullopt);
  EXPECT_EQ(w.brightness.previousLevel(50), std::nullopt);
  EXPECT_EQ(w.brightness.previousLevel(80), 20);
  EXPECT_EQ(w.brightness.previousLevel(30), std::nullopt);
}

}  // namespace
}  // namespace voltaro::alerts
