// The gadget's numeric rules: the level rule of the skins, the global alpha,
// the fade sequences and the placement.
#include <gtest/gtest.h>

#include "gadget/gadget_alpha.h"
#include "gadget/gadget_fades.h"
#include "gadget/gadget_placement.h"
#include "gadget/skin_levels.h"

namespace voltaro::gadget {
namespace {

TEST(SkinLevelTest, LevelsFromPngAlpha) {
  EXPECT_EQ(skinLevel(0), 0);
  EXPECT_EQ(skinLevel(8), 8);      // 8.5 rounds to even
  EXPECT_EQ(skinLevel(120), 128);  // 127.5 rounds to even
  EXPECT_EQ(skinLevel(225), 239);
  EXPECT_EQ(skinLevel(226), 240);
  EXPECT_EQ(skinLevel(239), 254);
  EXPECT_EQ(skinLevel(240), 255);

  StraightImage image{3, 1, {200, 100, 50, 120, 200, 100, 50, 230, 200, 100, 50, 250}};
  const PixelBuffer out = applyLevelRule(image);
  EXPECT_EQ(out.at(0, 0), argb(128, 100, 50, 25));   // premultiplied by 128
  EXPECT_EQ(out.at(1, 0), argb(244, 200, 100, 50));  // level 244: colours kept
  EXPECT_EQ(out.at(2, 0), argb(255, 200, 100, 50));
}

TEST(GlobalAlphaTest, OpacityAndPerPixelScaling) {
  EXPECT_EQ(opacityAlpha(60), 153);
  EXPECT_EQ(opacityAlpha(20), 51);
  EXPECT_EQ(opacityAlpha(30), 76);  // 76.5 rounds to even
  EXPECT_EQ(opacityAlpha(100), 255);

  PixelBuffer picture(2, 1);
  picture.set(0, 0, argb(255, 255, 255, 255));
  picture.set(1, 0, argb(128, 100, 50, 0));
  PixelBuffer shown;
  applyGlobalAlpha(picture, 153, shown);
  EXPECT_EQ(shown.at(0, 0), argb(153, 153, 153, 153));
  EXPECT_EQ(shown.at(1, 0), argb(77, 60, 30, 0));
  applyGlobalAlpha(picture, 0, shown);
  EXPECT_EQ(shown.at(0, 0), 0u);

  // Without translucency: over an opaque backdrop, 100 + 200 x 127 / 255.
  flattenOnBackdrop(picture, rgb(200, 200, 200), shown);
  EXPECT_EQ(shown.at(0, 0), rgb(255, 255, 255));
  EXPECT_EQ(shown.at(1, 0), rgb(200, 150, 100));
}

TEST(FadeTest, Sequences) {
  const auto appear = appearingAlphas(60);  // towards 153
  ASSERT_EQ(appear.size(), 20u);
  EXPECT_EQ(appear[0], 8);   // 7.65
  EXPECT_EQ(appear[1], 15);  // 15.3
  EXPECT_EQ(appear[9], 76);  // 76.5 rounds to even
  EXPECT_EQ(appear[19], 153);

  const auto in = hoverInAlphas(60);
  ASSERT_EQ(in.size(), 10u);
  EXPECT_EQ(in[0], 163);  // (25500 + 60 x 9 x 255) / 1000 = 163.2
  EXPECT_EQ(in[9], 255);

  const auto out = hoverOutAlphas(60);
  ASSERT_EQ(out.size(), 10u);
  EXPECT_EQ(out[0], 245);  // 244.8
  EXPECT_EQ(out[9], 153);
  EXPECT_EQ(hoverOutAlphas(30).back(), opacityAlpha(30));
}

TEST(PlacementTest, SavedDefaultAndPulledBack) {
  const ScreenArea screen{1280, 1024};
  const GadgetLook large3D{false, true};
  // X = -20 becomes 0; Y = 5000 comes back to the screen height less the margin.
  EXPECT_EQ(startingPosition(GadgetPosition{-20, 5000}, large3D, screen, screen),
            (GadgetPosition{0, 1024 - 275}));
  EXPECT_EQ(startingPosition(std::nullopt, large3D, screen, screen),
            (GadgetPosition{1280 - 96, 1024 - 275}));
  // Off every screen: back at the bottom-right corner.
  EXPECT_EQ(startingPosition(GadgetPosition{9000, 9000}, GadgetLook{true, false}, screen, screen),
            (GadgetPosition{1280 - 49, 1024 - 149}));
  // A second screen to the right keeps a place on it.
  EXPECT_EQ(startingPosition(GadgetPosition{2000, 100}, large3D, screen, {2560, 1024}),
            (GadgetPosition{2000, 100}));

  // Dragged off the left and the top: left alone.
  EXPECT_EQ(adjpoz({-30, -40}, large3D, screen), (GadgetPosition{-30, -40}));
  // Large to small keeps the corner; small to large at the edge pulls back.
  EXPECT_EQ(adjpoz({1184, 749}, GadgetLook{true, true}, screen), (GadgetPosition{1184, 749}));
  EXPECT_EQ(adjpoz({1231, 906}, large3D, screen), (GadgetPosition{1184, 749}));
}

}  // namespace
}  // namespace voltaro::gadget
