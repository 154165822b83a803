// GDI+ for the program's lifetime: started before the first picture is
// drawn or decoded and shut down after the last one is gone, together with
// the fonts the canvases keep between paints.
#pragma once

#include <cstdint>

namespace voltaro::canvas {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  // False when GDI+ could not start; nothing can be drawn then.
  bool started() const { return token_ != 0; }

 private:
  std::uintptr_t token_ = 0;
};

}  // namespace voltaro::canvas
