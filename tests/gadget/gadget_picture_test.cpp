// The battery picture row by row at the boundaries of each way of building
// it, on skins whose rows name their origin.
#include "gadget/gadget_picture.h"

#include <gtest/gtest.h>

#include "gadget/synthetic_skins.h"

namespace voltaro::gadget {
namespace {

using testing::origin;
using Rows = std::pair<int, int>;

class PictureTest : public ::testing::Test {
 protected:
  // Expects rows [top, bottom) to come from `file`, starting at `sourceTop`
  // (a stretched one-row slice keeps `sourceTop` 0 on every row).
  void expectRows(int top, int bottom, int file, int sourceTop, bool stretched = false) {
    for (int y = top; y < bottom; ++y) {
      const Rows expected{file, stretched ? sourceTop : sourceTop + (y - top)};
      ASSERT_EQ(origin(picture, y), expected) << "row " << y;
    }
  }
  void compose(int level, GadgetLook look) { composePicture(skins, level, look, picture); }

  GadgetSkins skins = testing::syntheticSkins();
  PixelBuffer picture;
};

TEST_F(PictureTest, Large3DSurfaceAt94AndTopBandFrom95) {
  const GadgetLook large3D{false, true};
  compose(94, large3D);
  ASSERT_EQ(picture.size(), (PixelSize{96, 235}));
  expectRows(0, 35, 5, 0);          // background above the surface
  expectRows(35, 45, 9, 0);         // surface ending at d = 233 - 188 = 45
  expectRows(45, 223, 8, 0, true);  // body slice stretched
  expectRows(223, 235, 7, 0);       // column bottom

  compose(95, large3D);
  expectRows(0, 43, 11, 0);  // first 43-row band
  expectRows(43, 223, 8, 0, true);
  expectRows(223, 235, 7, 0);

  compose(100, large3D);
  expectRows(0, 43, 11, 5 * 43);
}

TEST_F(PictureTest, Large3DLowLevelsUseTheirBands) {
  const GadgetLook large3D{false, true};
  compose(5, large3D);
  expectRows(0, 211, 5, 0);
  expectRows(211, 235, 10, 5 * 24);
  compose(6, large3D);  // d = 221: two body rows and the surface above
  expectRows(211, 221, 9, 0);
  expectRows(221, 223, 8, 0, true);
  compose(-3, large3D);  // below 0 counts as empty
  expectRows(211, 235, 10, 0);
}

TEST_F(PictureTest, Small3DBoundaries) {
  const GadgetLook small3D{true, true};
  compose(6, small3D);
  ASSERT_EQ(picture.size(), (PixelSize{49, 118}));
  expectRows(0, 105, 6, 0);
  expectRows(105, 118, 15, 6 * 13);
  compose(7, small3D);  // surface 104..109, one body row at 110
  expectRows(104, 110, 14, 0);
  expectRows(110, 111, 13, 0, true);
  expectRows(111, 118, 12, 0);
  compose(94, small3D);
  expectRows(17, 23, 14, 0);
  expectRows(23, 111, 13, 0, true);
  compose(97, small3D);
  expectRows(0, 22, 16, 2 * 22);
  expectRows(22, 111, 13, 0, true);
}

TEST_F(PictureTest, TwoDimensionalFillsFromTheFullImage) {
  const GadgetLook large2D{false, false};
  compose(0, large2D);
  ASSERT_EQ(picture.size(), (PixelSize{96, 216}));
  expectRows(0, 216, 1, 0);  // the empty image alone
  compose(100, large2D);
  expectRows(0, 216, 3, 0);
  compose(50, large2D);  // from row 215 - 100 down
  expectRows(0, 115, 1, 0);
  expectRows(115, 216, 3, 115);

  const GadgetLook small2D{true, false};
  compose(1, small2D);
  ASSERT_EQ(picture.size(), (PixelSize{49, 109}));
  expectRows(0, 107, 2, 0);
  expectRows(107, 109, 4, 107);
  compose(100, small2D);
  expectRows(0, 109, 4, 0);
}

}  // namespace
}  // namespace voltaro::gadget
