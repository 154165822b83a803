// The main window's pictures: the background, the sprite strips of its
// controls (the top bar's with their captions painted on), the gauge's
// pictures and the program's logo. Decoded they take several megabytes, so
// the window holds them only while it is shown and drops them when it goes
// back to the tray, where the program spends most of its life.
#pragma once

#include <QImage>
#include <QPixmap>
#include <map>
#include <memory>

#include "app/skin_art.h"
#include "frontend/main_window/control_layout.h"

namespace voltaro::app {

struct WindowPictures {
  QImage background;
  std::map<int, QImage> topStrips;  // by control number, captions painted on
  std::map<frontend::main_window::Sprite, QImage> smallStrips;
  QImage checkedStrip;
  QImage notCheckedStrip;
  GaugePictures gauge;
  QPixmap logo;  // 128 x 128, the Home page's right half

  // Decodes every picture from the program's resources.
  static std::unique_ptr<WindowPictures> load(double dotsPerInch);
};

}  // namespace voltaro::app
