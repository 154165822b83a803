// Whether a compositing manager runs on the X display, so that a window's
// per-pixel alpha is honoured. Elsewhere (Wayland, which always composites,
// and the offscreen platform of the tests) the answer is yes.
#pragma once

namespace voltaro::ui {

bool compositorRunning();

}  // namespace voltaro::ui
