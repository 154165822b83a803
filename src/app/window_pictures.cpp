#include "app/window_pictures.h"

namespace voltaro::app {

namespace {
namespace mw = frontend::main_window;
using frontend::main_window::Sprite;

const std::map<Sprite, const char*> kSmallStripFiles = {{Sprite::Go, "dreapta"},
                                                        {Sprite::Back, "stanga"},
                                                        {Sprite::Plus, "plusul"},
                                                        {Sprite::Minus, "minusul"}};
const std::map<int, const char*> kTopIcons = {
    {8, "save"},  {1, "info"},   {2, "graph"}, {3, "settings"}, {4, "alerts"}, {5, "calibrate"},
    {11, "home"}, {10, "green"}, {6, "help"},  {9, "minimize"}, {7, "exit"}};
}  // namespace

std::unique_ptr<WindowPictures> WindowPictures::load(double dotsPerInch) {
  auto pictures = std::make_unique<WindowPictures>();
  pictures->background = QImage(":/skin/background.png");
  pictures->checkedStrip = QImage(":/skin/checked.png");
  pictures->notCheckedStrip = QImage(":/skin/notchecked.png");
  for (const auto& [sprite, file] : kSmallStripFiles) {
    pictures->smallStrips[sprite] = QImage(QString(":/skin/%1.png").arg(file));
  }
  for (const mw::TopBarButton& button : mw::topBarButtons()) {
    QImage strip(QString(":/skin/top_%1.png").arg(kTopIcons.at(button.number)));
    strip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    paintStripCaption(
        strip, QString::fromUtf8(button.caption.data(), static_cast<int>(button.caption.size())),
        button.captionX, dotsPerInch);
    pictures->topStrips[button.number] = strip;
  }
  pictures->gauge = loadGaugePictures();
  pictures->logo =
      QPixmap(":/skin/voltaro.png").scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return pictures;
}

}  // namespace voltaro::app
