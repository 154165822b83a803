// The main window's skin pictures: the background, the top bar's strips with
// their captions, the switches' and the small buttons' strips. They are
// decoded when the window first paints and dropped when it goes back to the
// tray, so the program at rest holds none of their 4 MB. The strips keep
// their addresses for the window's lifetime, empty while dropped.
#pragma once

#include <QImage>
#include <map>

#include "app/control_layout.h"

namespace voltaro::app {

class WindowPictures {
 public:
  explicit WindowPictures(double dotsPerInch);

  // Decodes the pictures unless they are already.
  void load();
  void drop();
  bool loaded() const { return loaded_; }

  const QImage& background() const { return background_; }
  const QImage* topStrip(int number) const;
  const QImage* smallStrip(Sprite sprite) const;
  const QImage* switchStrip(bool on) const { return on ? &checked_ : &notChecked_; }

 private:
  double dotsPerInch_;
  bool loaded_ = false;
  QImage background_;
  std::map<int, QImage> topStrips_;
  std::map<Sprite, QImage> smallStrips_;
  QImage checked_;
  QImage notChecked_;
};

}  // namespace voltaro::app
