#include "canvas/gdiplus_canvas.h"

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "canvas/gdiplus_headers.h"
#include "common/wide_text.h"

namespace voltaro::canvas {

namespace {

Gdiplus::Color gdiColour(Colour colour, double opacity = 1.0) {
  const auto alpha = static_cast<BYTE>(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
  return Gdiplus::Color(alpha, static_cast<BYTE>(redOf(colour)), static_cast<BYTE>(greenOf(colour)),
                        static_cast<BYTE>(blueOf(colour)));
}

// A family the system lacks is replaced by the first of these it has, or by
// any family installed; GDI+'s generic families can be missing altogether.
std::unique_ptr<Gdiplus::FontFamily> findFamily(const std::string& name) {
  const std::wstring wanted = wide(name);
  for (const wchar_t* candidate : {wanted.c_str(), L"Tahoma", L"Arial", L"DejaVu Sans"}) {
    auto family = std::make_unique<Gdiplus::FontFamily>(candidate);
    if (family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable()) return family;
  }
  Gdiplus::InstalledFontCollection installed;
  if (installed.GetFamilyCount() <= 0) return nullptr;
  auto family = std::make_unique<Gdiplus::FontFamily>();
  INT found = 0;
  if (installed.GetFamilies(1, family.get(), &found) != Gdiplus::Ok || found != 1) return nullptr;
  return family;
}

// Fonts cost a family lookup each: kept between paints, by family, size and
// weight; nullptr when the system has no font at all.
using FontKey = std::tuple<std::string, double, bool>;
std::map<FontKey, std::unique_ptr<Gdiplus::Font>>& fontCache() {
  static std::map<FontKey, std::unique_ptr<Gdiplus::Font>> cache;
  return cache;
}

Gdiplus::Font* gdiFont(const Font& font) {
  auto& cache = fontCache();
  const FontKey key{font.family, font.pixels, font.bold};
  auto found = cache.find(key);
  if (found != cache.end()) return found->second.get();
  std::unique_ptr<Gdiplus::Font> made;
  if (const auto family = findFamily(font.family)) {
    const INT style = font.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    made = std::make_unique<Gdiplus::Font>(family.get(), static_cast<Gdiplus::REAL>(font.pixels),
                                           style, Gdiplus::UnitPixel);
    if (made->GetLastStatus() != Gdiplus::Ok) made.reset();
  }
  return cache.emplace(key, std::move(made)).first->second.get();
}

Gdiplus::StringAlignment gdiAlignment(HAlign align) {
  switch (align) {
    case HAlign::Left:
      return Gdiplus::StringAlignmentNear;
    case HAlign::Centre:
      return Gdiplus::StringAlignmentCenter;
    case HAlign::Right:
      return Gdiplus::StringAlignmentFar;
  }
  return Gdiplus::StringAlignmentNear;
}

std::vector<Gdiplus::PointF> gdiPoints(std::span<const Point> points) {
  std::vector<Gdiplus::PointF> out;
  out.reserve(points.size());
  for (const Point& p : points) {
    out.emplace_back(static_cast<Gdiplus::REAL>(p.x), static_cast<Gdiplus::REAL>(p.y));
  }
  return out;
}

}  // namespace

void dropCachedFonts() {
  fontCache().clear();
}

GdiplusPicture::GdiplusPicture(std::unique_ptr<Gdiplus::Bitmap> bitmap)
    : bitmap_(std::move(bitmap)) {}
GdiplusPicture::~GdiplusPicture() = default;
int GdiplusPicture::width() const {
  return static_cast<int>(bitmap_->GetWidth());
}
int GdiplusPicture::height() const {
  return static_cast<int>(bitmap_->GetHeight());
}

std::unique_ptr<Gdiplus::Bitmap> makeBitmap(int width, int height) {
  return std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
}

GdiplusCanvas::GdiplusCanvas(Gdiplus::Bitmap& bitmap)
    : graphics_(std::make_unique<Gdiplus::Graphics>(&bitmap)) {
  setUp();
}

namespace {
// Opaque memory is drawn on as premultiplied pixels of full alpha: GDI+
// antialiases only on pixels with an alpha channel.
BYTE* asPremultiplied(PixelMemory memory) {
  if (!memory.premultipliedAlpha) {
    const std::size_t count =
        static_cast<std::size_t>(memory.width) * static_cast<std::size_t>(memory.height);
    for (std::size_t i = 0; i < count; ++i) memory.pixels[i] |= 0xFF000000u;
  }
  return reinterpret_cast<BYTE*>(memory.pixels);
}
}  // namespace

GdiplusCanvas::GdiplusCanvas(PixelMemory memory)
    : ownBitmap_(std::make_unique<Gdiplus::Bitmap>(memory.width, memory.height, memory.width * 4,
                                                   PixelFormat32bppPARGB,
                                                   asPremultiplied(memory))) {
  ownBitmap_->SetResolution(96.0f, 96.0f);
  graphics_ = std::make_unique<Gdiplus::Graphics>(ownBitmap_.get());
  setUp();
}

GdiplusCanvas::GdiplusCanvas(HDC__* deviceContext)
    : graphics_(std::make_unique<Gdiplus::Graphics>(deviceContext)) {
  setUp();
}

GdiplusCanvas::~GdiplusCanvas() = default;

void GdiplusCanvas::setUp() {
  // Pixel centres at half coordinates, as in the drawing port.
  graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics_->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  graphics_->SetCompositingQuality(Gdiplus::CompositingQualityHighSpeed);
  graphics_->SetPageUnit(Gdiplus::UnitPixel);
}

void GdiplusCanvas::fill(Rect area, Colour colour, double opacity) {
  graphics_->SetSmoothingMode(Gdiplus::SmoothingModeNone);
  Gdiplus::SolidBrush brush(gdiColour(colour, opacity));
  graphics_->FillRectangle(&brush, area.left, area.top, area.width, area.height);
}

void GdiplusCanvas::drawPicture(int x, int y, const Picture& picture, Rect source) {
  const auto* own = dynamic_cast<const GdiplusPicture*>(&picture);
  if (own == nullptr || source.width <= 0 || source.height <= 0) return;
  graphics_->DrawImage(&own->bitmap(), x, y, source.left, source.top, source.width, source.height,
                       Gdiplus::UnitPixel);
}

void GdiplusCanvas::text(Rect box, std::string_view utf8, const Font& font, Colour colour,
                         HAlign horizontal, VAlign vertical) {
  Gdiplus::Font* drawn = gdiFont(font);
  if (utf8.empty() || drawn == nullptr) return;
  graphics_->SetTextRenderingHint(font.hinted ? Gdiplus::TextRenderingHintAntiAliasGridFit
                                              : Gdiplus::TextRenderingHintAntiAlias);
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap |
                        Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
  format.SetAlignment(gdiAlignment(horizontal));
  format.SetLineAlignment(vertical == VAlign::Middle ? Gdiplus::StringAlignmentCenter
                                                     : Gdiplus::StringAlignmentNear);
  const Gdiplus::RectF layout(
      static_cast<Gdiplus::REAL>(box.left), static_cast<Gdiplus::REAL>(box.top),
      static_cast<Gdiplus::REAL>(box.width), static_cast<Gdiplus::REAL>(box.height));
  Gdiplus::SolidBrush brush(gdiColour(colour));
  const std::wstring text = wide(utf8);
  graphics_->DrawString(text.c_str(), static_cast<INT>(text.size()), drawn, layout, &format,
                        &brush);
}

void GdiplusCanvas::polyline(std::span<const Point> points, const Stroke& stroke) {
  if (points.size() < 2) return;
  graphics_->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  Gdiplus::Pen pen(gdiColour(stroke.colour, stroke.opacity),
                   static_cast<Gdiplus::REAL>(stroke.width));
  const Gdiplus::LineCap cap =
      stroke.cap == LineCap::Round ? Gdiplus::LineCapRound : Gdiplus::LineCapFlat;
  pen.SetLineCap(cap, cap, Gdiplus::DashCapFlat);
  if (stroke.cap == LineCap::Round) pen.SetLineJoin(Gdiplus::LineJoinRound);
  const std::vector<Gdiplus::PointF> line = gdiPoints(points);
  graphics_->DrawLines(&pen, line.data(), static_cast<INT>(line.size()));
}

void GdiplusCanvas::polygon(std::span<const Point> points, Colour colour, double opacity) {
  if (points.size() < 3) return;
  graphics_->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  Gdiplus::SolidBrush brush(gdiColour(colour, opacity));
  const std::vector<Gdiplus::PointF> area = gdiPoints(points);
  graphics_->FillPolygon(&brush, area.data(), static_cast<INT>(area.size()));
}

}  // namespace voltaro::canvas
