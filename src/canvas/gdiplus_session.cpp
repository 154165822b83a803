#include "canvas/gdiplus_session.h"

#include "canvas/gdiplus_headers.h"

namespace voltaro::canvas {

// The canvases' fonts, dropped before GDI+ shuts down.
void dropCachedFonts();

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (token_ == 0) return;
  dropCachedFonts();
  Gdiplus::GdiplusShutdown(token_);
}

}  // namespace voltaro::canvas
