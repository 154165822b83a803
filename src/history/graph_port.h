// The drawing side of the history as the recording and the commands see it.
// The Qt graph (history/graph.h) implements it; a build without the drawing
// code can pass a port that does nothing.
#pragma once

namespace voltaro::history {

class GraphPort {
 public:
  virtual ~GraphPort() = default;
  // Paints the axis and zoom texts onto the background and shows it.
  virtual void drawAxes() = 0;
  // Draws the history onto the drawing surface when someone can see it.
  virtual void redraw() = 0;
};

}  // namespace voltaro::history
