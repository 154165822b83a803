// The battery picture of the gadget, filled to a charge level, put together
// from the skins: the 2D pictures from the empty and the full image, the 3D
// pictures from a background, a column bottom, a stretched body slice and a
// surface, with whole bands for the lowest and the highest levels.
#pragma once

#include "gadget/gadget_layout.h"
#include "gadget/gadget_skins.h"
#include "gadget/pixel_buffer.h"

namespace voltaro::gadget {

// `level` is the rounded charge percent, 0..100. `picture` is resized to the
// window size of `look` and fully rewritten.
void composePicture(const GadgetSkins& skins, int level, GadgetLook look, PixelBuffer& picture);

}  // namespace voltaro::gadget
