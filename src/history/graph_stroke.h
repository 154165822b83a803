// The line primitive of the graph: antialiased, with a fractional width and an
// opacity, blended onto the picture through the drawing port.
#pragma once

#include "canvas/canvas.h"

namespace voltaro::history {

// Translucent lines keep flat ends, so neighbouring fill lines never blend
// twice; the opaque charge line uses round ends to close its bends.
void strokeGraphLine(canvas::Canvas& canvas, canvas::Point from, canvas::Point to,
                     const canvas::Stroke& stroke);

}  // namespace voltaro::history
