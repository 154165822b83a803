#include "win32/win32_main_window.h"

#include <array>

#include "battery/battery_state.h"
#include "canvas/gdiplus_codec.h"
#include "canvas/gdiplus_headers.h"
#include "engine/engine.h"
#include "frontend/main_window/gauge_drawing.h"
#include "frontend/main_window/page_labels.h"
#include "frontend/main_window/save_command.h"
#include "frontend/main_window/switch_table.h"
#include "frontend/main_window/window_commands.h"
#include "history/graph_backdrop.h"
#include "history/graph_geometry.h"
#include "history/graph_plot.h"
#include "history/screenshot_file.h"
#include "settings/app_settings.h"
#include "win32/win32_art.h"

namespace voltaro::win32 {

namespace mw = frontend::main_window;

namespace {
constexpr wchar_t kClassName[] = L"VoltaroMainWindow";
constexpr std::uint32_t kStatusGreyMilliseconds = 400;
constexpr int kScreenshotQuality = 90;
constexpr double kDotsPerInch = 96.0;

const std::map<int, const char*> kTopIcons = {
    {8, "save"},  {1, "info"},   {2, "graph"}, {3, "settings"}, {4, "alerts"}, {5, "calibrate"},
    {11, "home"}, {10, "green"}, {6, "help"},  {9, "minimize"}, {7, "exit"}};
const std::map<mw::Sprite, const char*> kSmallStrips = {{mw::Sprite::Go, "dreapta"},
                                                        {mw::Sprite::Back, "stanga"},
                                                        {mw::Sprite::Plus, "plusul"},
                                                        {mw::Sprite::Minus, "minusul"}};
constexpr std::array<const char*, mw::kGaugeModeCount> kGaugeModes = {
    "fastdischarge", "calibration", "green", "normal"};

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* owner = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner != nullptr) return owner->handleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

std::unique_ptr<canvas::GdiplusPicture> blank(int width, int height) {
  return std::make_unique<canvas::GdiplusPicture>(canvas::makeBitmap(width, height));
}
}  // namespace

// The window's own pictures. Only the gauge lives while the window is
// hidden; the others are made when the window is painted and dropped when
// it goes to the tray, so the program at rest holds no window-sized picture.
struct Win32MainWindow::Pictures {
  std::unique_ptr<canvas::GdiplusPicture> gauge;  // starts as a copy of the empty gauge
  std::unique_ptr<canvas::GdiplusPicture> frame;
  std::unique_ptr<canvas::GdiplusPicture> graphBackground;  // with the axes of the zoom
  std::unique_ptr<canvas::GdiplusPicture> graph;
  std::map<int, std::unique_ptr<canvas::GdiplusPicture>> topStrips;

  void drop() {
    frame.reset();
    graphBackground.reset();
    graph.reset();
    topStrips.clear();
  }
};

void TrayPages::showPage(int page) {
  if (page < 1 || page > mw::kPageCount) return;
  window_.showPage(static_cast<mw::PageNumber>(page));
}

Win32MainWindow::Win32MainWindow(Win32Art& art)
    : art_(art),
      pictures_(std::make_unique<Pictures>()),
      controls_({[this](int) { invalidate(); },
                 [this] {
                   if (clickSound) clickSound();
                 }}) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  // A tool window has no taskbar button: the program lives in the tray.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Voltaro", WS_POPUP, CW_USEDEFAULT,
                            CW_USEDEFAULT, mw::kWindowWidth, mw::kWindowHeight, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - mw::kWindowWidth) / 2,
                 work.top + (work.bottom - work.top - mw::kWindowHeight) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  controls_.clear();
}

Win32MainWindow::~Win32MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MainWindow::attach(engine::Engine& engine) {
  engine_ = &engine;
  engine.texts().setListener(
      [this](view::Page, const std::string&, const std::string&) { invalidate(); });
  if (!engine.texts().has(view::Page::Home, "Green"))
    engine.texts().set(view::Page::Home, "Green", "Off");
  drawAxes();
}

bool Win32MainWindow::visible() const {
  return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

void Win32MainWindow::invalidate() {
  if (visible()) InvalidateRect(window_, nullptr, FALSE);
}

void Win32MainWindow::showFromTray() {
  if (window_ == nullptr) return;
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);
  redraw();
  invalidate();
}

void Win32MainWindow::hideToTray() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
  pictures_->drop();
  art_.dropPictures();
}

void Win32MainWindow::makeTopStrips() {
  if (!pictures_->topStrips.empty()) return;
  for (const mw::TopBarButton& button : mw::topBarButtons()) {
    auto strip = art_.copy(std::string("top_") + kTopIcons.at(button.number));
    if (!strip) continue;
    canvas::GdiplusCanvas canvas(strip->bitmap());
    mw::paintStripCaption(canvas, button.caption, button.captionX, kDotsPerInch);
    pictures_->topStrips[button.number] = std::move(strip);
  }
}

void Win32MainWindow::showPage(PageNumber page) {
  const bool graphInView = page_ == page && page == PageNumber::Graph && visible();
  if (engine_ != nullptr && !mw::prepareShowPage(*engine_, page, graphInView)) return;
  page_ = page;
  invalidate();
  if (engine_ != nullptr) mw::finishShowPage(*engine_, *this, page);
}

void Win32MainWindow::pageChosen(PageNumber page) {
  if (pageShown) pageShown(page);
}

bool Win32MainWindow::calibratePageVisible() {
  return visible() && page_ == PageNumber::Calibrate;
}

bool Win32MainWindow::homePageVisible() {
  return visible() && page_ == PageNumber::Home;
}

void Win32MainWindow::redrawAllControls() {
  invalidate();
}

void Win32MainWindow::redrawControl(int) {
  invalidate();
}

void Win32MainWindow::setAutoRun(bool on) {
  if (autoRunChanged) autoRunChanged(on);
}

void Win32MainWindow::quit() {
  PostQuitMessage(0);
}

void Win32MainWindow::show(const std::string& text) {
  status_ = text;
  statusGrey_ = true;
  invalidate();
  // The caller waits for the grey to be seen.
  if (engine_ != nullptr) platform::delay(engine_->services().runtime, kStatusGreyMilliseconds);
  statusGrey_ = false;
  invalidate();
}

void Win32MainWindow::drawgauge() {
  if (engine_ == nullptr) return;
  const mw::GaugeFigures figures = mw::gaugeFigures(*engine_);
  mw::GaugeArt gaugeArt{art_.picture("gauge_empty"), art_.picture("gauge_empty_charging"), {}, {}};
  for (std::size_t i = 0; i < kGaugeModes.size(); ++i) {
    gaugeArt.fill[i] = art_.picture(std::string("gauge_") + kGaugeModes[i]);
    gaugeArt.fillCharging[i] = art_.picture(std::string("gauge_") + kGaugeModes[i] + "_charging");
  }
  if (gaugeArt.empty == nullptr) return;
  // The rows above the fill (the battery's cap) stay those of the empty
  // gauge.
  if (!pictures_->gauge) pictures_->gauge = art_.copy("gauge_empty");
  if (!pictures_->gauge) return;
  canvas::GdiplusCanvas canvas(pictures_->gauge->bitmap());
  mw::drawGauge(canvas, gaugeArt, figures.level, figures.chargingCase, figures.mode);
  invalidate();
}

void Win32MainWindow::drawAxes() {
  // Painted again with the zoom's axes when the graph is next drawn.
  pictures_->graphBackground.reset();
  redraw();
}

void Win32MainWindow::redraw() {
  // Nobody sees the graph: it is drawn when its page is shown.
  if (engine_ == nullptr || !graphShown()) return;
  if (!pictures_->graphBackground) {
    pictures_->graphBackground = blank(history::kGraphWidth, history::kGraphHeight);
    canvas::GdiplusCanvas canvas(pictures_->graphBackground->bitmap());
    history::paintGraphBackground(canvas);
    history::paintGraphAxes(canvas, engine_->history().zoom(), kDotsPerInch);
  }
  if (!pictures_->graph) pictures_->graph = blank(history::kGraphWidth, history::kGraphHeight);
  canvas::GdiplusCanvas canvas(pictures_->graph->bitmap());
  const canvas::GdiplusPicture& background = *pictures_->graphBackground;
  canvas.drawPicture(0, 0, background, {0, 0, background.width(), background.height()});
  const settings::AppSettings& s = engine_->settings();
  const history::GraphOptions options{s.SmoothGraphics != 0, s.FilledGraphics != 0,
                                      s.DischargeLine != 0, kDotsPerInch};
  history::GraphReadings readings;
  const int slot = engine_->slots().currentSlot;
  if (slot >= 1 && slot <= battery::kSlotCount) {
    readings = {engine_->live().percent(slot), engine_->live().onPower,
                engine_->live().remaining(slot)};
  }
  history::drawHistory(canvas, engine_->history(), options, readings);
  invalidate();
}

bool Win32MainWindow::graphShown() const {
  return page_ == PageNumber::Graph && (visible() || paintedHidden);
}

void Win32MainWindow::saveCommand() {
  if (engine_ == nullptr) return;
  mw::act9(*engine_, page_, *this, [this] {
    mw::saveGraphScreenshot(
        *engine_, *this, [this](const std::string& folder, const std::string& caption) {
          redraw();
          if (!pictures_->graph)
            return history::ScreenshotResult{0, {}, false, "the graph is not shown"};
          Gdiplus::Bitmap& surface = pictures_->graph->bitmap();
          canvas::GdiplusCanvas canvas(surface);
          const history::JpegEncoder encode = [&surface] {
            return canvas::encodeJpeg(surface, kScreenshotQuality);
          };
          return history::saveScreenshot(canvas, encode, folder, caption, kDotsPerInch);
        });
  });
}

void Win32MainWindow::paint(canvas::Canvas& target) {
  makeTopStrips();
  if (const canvas::GdiplusPicture* background = art_.picture("background")) {
    target.drawPicture(0, 0, *background, {0, 0, background->width(), background->height()});
  } else {
    target.fill({0, 0, mw::kWindowWidth, mw::kWindowHeight}, mw::kBlack);
  }
  target.fill({0, mw::kPanelTop, mw::kColumnWidth, mw::kColumnHeight}, mw::kColumnColour);
  if (const canvas::GdiplusPicture* gauge = pictures_->gauge.get()) {
    target.drawPicture(mw::kGaugeArea.left, mw::kPanelTop + mw::kGaugeArea.top, *gauge,
                       {0, 0, gauge->width(), gauge->height()});
  }
  target.fill({mw::kPanelLeft, mw::kPanelTop, mw::kPanelWidth, mw::kPanelHeight}, mw::kBlack);
  for (const mw::BandPlace& band : mw::headerBands()) {
    if (band.area == mw::Area::Page && band.page != page_) continue;
    const canvas::Point origin = mw::areaOrigin(band.area);
    target.fill({band.box.left + static_cast<int>(origin.x),
                 band.box.top + static_cast<int>(origin.y), band.box.width, band.box.height},
                band.colour);
  }
  if (page_ == PageNumber::Graph && pictures_->graph) {
    const canvas::GdiplusPicture& graph = *pictures_->graph;
    target.drawPicture(mw::kPanelLeft + mw::kGraphArea.left, mw::kPanelTop + mw::kGraphArea.top,
                       graph, {0, 0, graph.width(), graph.height()});
  }
  if (page_ == PageNumber::Home) {
    if (const canvas::GdiplusPicture* logo = art_.picture("voltaro")) {
      target.drawPicture(mw::kPanelLeft + mw::kLogoArea.left, mw::kPanelTop + mw::kLogoArea.top,
                         *logo, {0, 0, logo->width(), logo->height()});
    }
  }
  paintLabels(target);
  paintControls(target);
}

void Win32MainWindow::paintWindow(HDC__* dc) {
  if (!pictures_->frame) pictures_->frame = blank(mw::kWindowWidth, mw::kWindowHeight);
  Gdiplus::Bitmap& frame = pictures_->frame->bitmap();
  {
    canvas::GdiplusCanvas canvas(frame);
    paint(canvas);
  }
  Gdiplus::Graphics screen(dc);
  screen.DrawImage(&frame, 0, 0);
}

void Win32MainWindow::paintLabels(canvas::Canvas& target) {
  for (const mw::LabelPlace& place : mw::windowLabels()) {
    if (place.area == mw::Area::Page && place.page != page_) continue;
    const canvas::Point origin = mw::areaOrigin(place.area);
    std::string text = place.text;
    canvas::Colour colour = place.colour;
    if (place.role == mw::LabelRole::PageTitle) text = std::string(mw::pageTitle(page_));
    if (place.role == mw::LabelRole::Status) {
      text = status_;
      colour = statusGrey_ ? mw::kStatusGrey : mw::kBlack;
    }
    if (place.bound && engine_ != nullptr &&
        engine_->texts().has(place.bound->page, place.bound->caption)) {
      text = engine_->texts().get(place.bound->page, place.bound->caption);
    }
    canvas::Font font;
    font.pixels = place.pixels;
    font.bold = place.bold;
    const canvas::Rect box{place.box.left + static_cast<int>(origin.x),
                           place.box.top + static_cast<int>(origin.y), place.box.width,
                           place.box.height};
    target.text(box, text, font, colour, place.align, canvas::VAlign::Middle);
  }
}

void Win32MainWindow::paintControls(canvas::Canvas& target) {
  for (const mw::ControlPlace& place : mw::controlPlaces()) {
    if (place.page && *place.page != page_) continue;
    const canvas::GdiplusPicture* strip = nullptr;
    int size = mw::kSmallSize;
    if (place.sprite == mw::Sprite::TopBar) {
      const auto found = pictures_->topStrips.find(place.number);
      if (found != pictures_->topStrips.end()) strip = found->second.get();
      size = mw::kTopBarSize;
    } else if (place.sprite == mw::Sprite::Switch) {
      const bool on = engine_ != nullptr && mw::switchShowsOn(engine_->settings(), place.number);
      strip = art_.picture(on ? "checked" : "notchecked");
    } else {
      strip = art_.picture(kSmallStrips.at(place.sprite));
    }
    if (strip == nullptr) continue;
    const int x = place.left + (place.page ? mw::kPanelLeft : 0);
    const int y = place.top + (place.page ? mw::kPanelTop : 0);
    const int frame = static_cast<int>(controls_.visual(place.number));
    target.drawPicture(x, y, *strip, {frame * size, 0, size, size});
  }
}

}  // namespace voltaro::win32
