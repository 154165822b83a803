#include "app/window_pictures.h"

#include <QString>

#include "app/skin_art.h"

namespace voltaro::app {

namespace {
const std::map<Sprite, const char*> kSmallStripFiles = {{Sprite::Go, "dreapta"},
                                                        {Sprite::Back, "stanga"},
                                                        {Sprite::Plus, "plusul"},
                                                        {Sprite::Minus, "minusul"}};
const std::map<int, const char*> kTopIcons = {
    {8, "save"},  {1, "info"},   {2, "graph"}, {3, "settings"}, {4, "alerts"}, {5, "calibrate"},
    {11, "home"}, {10, "green"}, {6, "help"},  {9, "minimize"}, {7, "exit"}};
}  // namespace

WindowPictures::WindowPictures(double dotsPerInch) : dotsPerInch_(dotsPerInch) {
  // Every strip has its place from the start, so the controls can point at it.
  for (const TopBarButton& button : topBarButtons()) topStrips_[button.number];
  for (const auto& entry : kSmallStripFiles) smallStrips_[entry.first];
}

void WindowPictures::load() {
  if (loaded_) return;
  loaded_ = true;
  background_ = QImage(":/skin/background.png");
  checked_ = QImage(":/skin/checked.png");
  notChecked_ = QImage(":/skin/notchecked.png");
  for (const auto& [sprite, file] : kSmallStripFiles) {
    smallStrips_[sprite] = QImage(QString(":/skin/%1.png").arg(file));
  }
  for (const TopBarButton& button : topBarButtons()) {
    QImage strip(QString(":/skin/top_%1.png").arg(kTopIcons.at(button.number)));
    strip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    paintStripCaption(
        strip, QString::fromUtf8(button.caption.data(), static_cast<int>(button.caption.size())),
        button.captionX, dotsPerInch_);
    topStrips_[button.number] = strip;
  }
}

void WindowPictures::drop() {
  loaded_ = false;
  background_ = QImage();
  checked_ = QImage();
  notChecked_ = QImage();
  for (auto& entry : smallStrips_) entry.second = QImage();
  for (auto& entry : topStrips_) entry.second = QImage();
}

const QImage* WindowPictures::topStrip(int number) const {
  const auto it = topStrips_.find(number);
  return it == topStrips_.end() ? nullptr : &it->second;
}

const QImage* WindowPictures::smallStrip(Sprite sprite) const {
  const auto it = smallStrips_.find(sprite);
  return it == smallStrips_.end() ? nullptr : &it->second;
}

}  // namespace voltaro::app
