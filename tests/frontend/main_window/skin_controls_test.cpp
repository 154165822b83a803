// The skinned control model: hit areas and the press, hover, leave and
// release rules, with the redraws they ask for.
#include <gtest/gtest.h>

#include <vector>

#include "frontend/main_window/control_layout.h"
#include "frontend/main_window/skin_controls.h"
#include "frontend/main_window/switch_table.h"

namespace voltaro::frontend::main_window {
namespace {

TEST(HitArea, TopBarIsInsideEverywhereAndRoundControlsOnlyInTheirCircle) {
  EXPECT_TRUE(insideHitArea(7, 0, 0));
  EXPECT_TRUE(insideHitArea(11, 89, 89));
  EXPECT_TRUE(insideHitArea(20, 13, 13));
  EXPECT_FALSE(insideHitArea(20, 0, 0)) << "corner: distance 18.4";
  EXPECT_FALSE(insideHitArea(20, 25, 25));
  // (1, 13) is 12 from the centre, (0, 13) is 13: not below 13.
  EXPECT_TRUE(insideHitArea(20, 1, 13));
  EXPECT_FALSE(insideHitArea(20, 0, 13));
  // (4, 4): sqrt(162) = 12.73 rounds to 13, outside.
  EXPECT_FALSE(insideHitArea(20, 4, 4));
  // (5, 5): sqrt(128) = 11.31, inside.
  EXPECT_TRUE(insideHitArea(20, 5, 5));
}

class SkinControlsTest : public ::testing::Test {
 protected:
  std::vector<int> redraws;
  int clicks = 0;
  SkinControls controls{{[this](int n) { redraws.push_back(n); }, [this] { ++clicks; }}};
};

TEST_F(SkinControlsTest, PressInsideShowsPressedOnceAndClicksOnce) {
  EXPECT_EQ(controls.press(30, 13, 13), PressOutcome::Pressed);
  EXPECT_EQ(controls.visual(30), Visual::Pressed);
  EXPECT_EQ(controls.press(30, 13, 13), PressOutcome::AlreadyPressed);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(redraws, std::vector<int>{30});
}

TEST_F(SkinControlsTest, PressInACornerStartsADragAndChangesNothing) {
  EXPECT_EQ(controls.press(30, 1, 1), PressOutcome::StartDrag);
  EXPECT_FALSE(controls.pressed(30));
  EXPECT_EQ(controls.visual(30), Visual::Resting);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(redraws.empty());
}

TEST_F(SkinControlsTest, HoverSetsHotAndClearsEveryOtherControl) {
  controls.press(40, 13, 13);
  controls.hover(41, 13, 13);
  EXPECT_EQ(controls.visual(41), Visual::Hot);
  EXPECT_EQ(controls.visual(40), Visual::Resting);
  EXPECT_FALSE(controls.pressed(40));
  controls.hover(41, 0, 0);
  EXPECT_EQ(controls.visual(41), Visual::Resting);
  EXPECT_EQ(redraws, (std::vector<int>{40, 40, 41, 41}));
}

TEST_F(SkinControlsTest, HoverInsideWhilePressedKeepsThePressedLook) {
  controls.press(40, 13, 13);
  controls.hover(40, 0, 0);
  EXPECT_EQ(controls.visual(40), Visual::Resting);
  EXPECT_TRUE(controls.pressed(40)) << "moving off does not cancel the press";
  controls.hover(40, 12, 12);
  EXPECT_EQ(controls.visual(40), Visual::Pressed);
}

TEST_F(SkinControlsTest, ReleaseRunsInsideAndOutsideAndLeavesTheRightLook) {
  controls.press(50, 13, 13);
  EXPECT_TRUE(controls.release(50, 13, 13));
  EXPECT_EQ(controls.visual(50), Visual::Hot);
  controls.press(50, 13, 13);
  EXPECT_TRUE(controls.release(50, 40, 40));
  EXPECT_EQ(controls.visual(50), Visual::Resting);
  EXPECT_FALSE(controls.pressed(50));
}

TEST_F(SkinControlsTest, LeaveAndResetRestEverything) {
  controls.hover(20, 13, 13);
  controls.leave(20);
  EXPECT_EQ(controls.visual(20), Visual::Resting);
  controls.press(21, 13, 13);
  controls.press(3, 10, 10);
  redraws.clear();
  controls.resetAll();
  EXPECT_EQ(controls.visual(21), Visual::Resting);
  EXPECT_EQ(controls.visual(3), Visual::Resting);
  EXPECT_FALSE(controls.pressed(21));
  EXPECT_EQ(redraws, (std::vector<int>{3, 21})) << "only changed controls redraw";
}

TEST(ControlLayout, NumbersAreUniqueAndCoverTheCommandControls) {
  std::vector<int> seen(kLastControl + 1, 0);
  for (const ControlPlace& place : controlPlaces()) ++seen[static_cast<std::size_t>(place.number)];
  for (int n = kFirstControl; n <= kLastControl; ++n) {
    const bool unused = n == 12 || (n >= 16 && n <= 18);
    EXPECT_EQ(seen[static_cast<std::size_t>(n)], unused ? 0 : 1) << "control " << n;
  }
}

TEST(ControlLayout, RoundControlsStayInsideTheirPanel) {
  for (const ControlPlace& place : controlPlaces()) {
    if (!place.page) continue;
    EXPECT_GE(place.left, 0) << place.number;
    EXPECT_LE(place.left + kSmallSize, 800) << place.number;
    EXPECT_LE(place.top + kSmallSize, 500) << place.number;
  }
}

TEST(ControlLayout, TopBarButtonsSitNinetyOneApart) {
  int expected = 0;
  for (const TopBarButton& button : topBarButtons()) {
    EXPECT_EQ(button.left, expected) << button.number;
    EXPECT_EQ(controlPlace(button.number)->left, expected);
    expected += 91;
  }
  EXPECT_EQ(pageButton(PageNumber::Home), 11);
  EXPECT_EQ(pageOfButton(5), PageNumber::Calibrate);
  EXPECT_FALSE(pageOfButton(7).has_value());
}

TEST(SwitchTable, EverySwitchSpriteHasASettingAndFlipsOnlyIt) {
  for (const ControlPlace& place : controlPlaces()) {
    if (place.sprite != Sprite::Switch) continue;
    settings::AppSettings settings;
    const settings::AppSettings before = settings;
    const bool radio = place.number == 64 || place.number >= 87;
    if (radio) {
      EXPECT_FALSE(flipSwitch(settings, place.number)) << place.number;
      continue;
    }
    ASSERT_TRUE(flipSwitch(settings, place.number)) << place.number;
    EXPECT_NE(settings, before) << place.number;
    EXPECT_NE(switchShowsOn(settings, place.number), switchShowsOn(before, place.number));
    ASSERT_TRUE(flipSwitch(settings, place.number));
    EXPECT_EQ(settings, before);
  }
}

TEST(SwitchTable, PriorityRadiosShowOnlyTheCurrentPriority) {
  settings::AppSettings settings;
  settings.TaskPriority = 3;
  EXPECT_FALSE(switchShowsOn(settings, 64));
  EXPECT_FALSE(switchShowsOn(settings, 87));
  EXPECT_TRUE(switchShowsOn(settings, 88));
  EXPECT_FALSE(switchShowsOn(settings, 89));
}

}  // namespace
}  // namespace voltaro::frontend::main_window
