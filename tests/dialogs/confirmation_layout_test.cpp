#include "dialogs/confirmation_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace voltaro::dialogs {
namespace {

view::ConfirmationTexts texts(std::string title, std::string line0, std::string line1 = "",
                              std::string line2 = "") {
  return view::ConfirmationTexts{std::move(title), std::move(line0), std::move(line1),
                                 std::move(line2)};
}

TEST(ConfirmationLayout, ShortTextsGetTheMinimumWidth) {
  // Panel 92 (title needs 70) gives a client of 100, raised to 300.
  const auto layout = layoutConfirmation(texts("Title", ""));
  EXPECT_EQ(layout, (ConfirmationLayout{300, 292, 120, 73, 157}));
}

TEST(ConfirmationLayout, LongLineIsCappedAtTheMaximumWidth) {
  // 100 characters: panel 892, client 900, capped at 890; shift -150.
  const auto layout = layoutConfirmation(texts("Battery Alert", "", std::string(100, 'x')));
  EXPECT_EQ(layout, (ConfirmationLayout{890, 882, 415, 368, 452}));
}

TEST(ConfirmationLayout, LongestLineSetsTheWidthBetweenTheLimits) {
  // 40 characters: panel 412, client 420, OK (420-60)/2 = 180, shift 85.
  const auto layout =
      layoutConfirmation(texts("Title", std::string(10, 'a'), std::string(40, 'b'), "c"));
  EXPECT_EQ(layout, (ConfirmationLayout{420, 412, 180, 133, 217}));
}

TEST(ConfirmationLayout, LongTitleWidensThePanel) {
  // Title of 40: 420 beats 10 * 8 + 92 = 172; client 428, shift 81.
  const auto layout = layoutConfirmation(texts(std::string(40, 'T'), std::string(10, 'a')));
  EXPECT_EQ(layout, (ConfirmationLayout{428, 420, 184, 137, 221}));
}

TEST(ConfirmationLayout, CountsCharactersNotBytes) {
  EXPECT_EQ(displayLength("Zur\xC3\xBC"
                          "ck"),
            6u);
  // 35 two-byte characters are 35 characters: panel 372, client 380.
  std::string line;
  for (int i = 0; i < 35; ++i) line += "\xC3\xA9";
  EXPECT_EQ(layoutConfirmation(texts("T", line)).clientWidth, 380);
}

TEST(ConfirmationLayout, CentresOverTheVisibleMainWindowElseOnTheScreen) {
  const ScreenRect main{100, 50, 1000, 670};
  const ScreenRect screen{0, 0, 1920, 1080};
  EXPECT_EQ(centreDialog(300, 246, true, main, screen), (ScreenRect{450, 262, 300, 246}));
  EXPECT_EQ(centreDialog(300, 246, false, main, screen), (ScreenRect{810, 417, 300, 246}));
  // A dialog wider than the main window sits left of it (division toward zero).
  EXPECT_EQ(centreDialog(890, 246, true, ScreenRect{0, 0, 885, 246}, screen).left, -2);
}

}  // namespace
}  // namespace voltaro::dialogs
