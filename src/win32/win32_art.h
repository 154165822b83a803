// The skin's pictures, embedded in the program as RCDATA resources under
// their file names ("background", "tray_07", ...) and decoded by GDI+ on
// first use; one place, so pictures are decoded only when needed. The sound
// clips are resources too ("clip1" .. "clip6").
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "canvas/gdiplus_canvas.h"

struct HICON__;

namespace voltaro::win32 {

// The bytes of the program's RCDATA resource `name`; empty when missing.
std::span<const std::uint8_t> resourceBytes(const std::string& name);

class Win32Art {
 public:
  Win32Art() = default;
  ~Win32Art();
  Win32Art(const Win32Art&) = delete;
  Win32Art& operator=(const Win32Art&) = delete;

  // The picture of this name; nullptr when the program holds none.
  canvas::GdiplusPicture* picture(const std::string& name);
  // A copy of it to draw on (the top-bar strips get their captions).
  std::unique_ptr<canvas::GdiplusPicture> copy(const std::string& name);
  // Forgets the decoded pictures (the tray icons stay): they are decoded
  // again when next drawn.
  void dropPictures() { pictures_.clear(); }
  // The tray icon of picture number 0..16; nullptr when missing.
  HICON__* trayIcon(int number);

 private:
  std::map<std::string, std::unique_ptr<canvas::GdiplusPicture>> pictures_;
  std::map<int, HICON__*> icons_;
};

}  // namespace voltaro::win32
