#include "app/main_window.h"

#include <QApplication>

#include "app/skin_image.h"
#include "app/window_look.h"
#include "engine/engine.h"
#include "frontend/main_window/save_command.h"
#include "frontend/main_window/switch_table.h"
#include "frontend/main_window/window_commands.h"
#include "history/graph.h"
#include "history/graph_screenshot.h"

namespace voltaro::app {

namespace {
namespace mw = frontend::main_window;
constexpr std::uint32_t kStatusGreyMilliseconds = 400;

QRect qtRect(canvas::Rect r) {
  return QRect(r.left, r.top, r.width, r.height);
}

Qt::Alignment qtAlignment(canvas::HAlign align) {
  switch (align) {
    case canvas::HAlign::Left:
      return Qt::AlignLeft;
    case canvas::HAlign::Centre:
      return Qt::AlignHCenter;
    case canvas::HAlign::Right:
      return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}
}  // namespace

MainWindow::MainWindow(double dotsPerInch)
    // A tool window has no taskbar button: the program lives in the tray.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      dotsPerInch_(dotsPerInch),
      controls_({[this](int number) { drawControl(number); },
                 [this] {
                   if (clickSound) clickSound();
                 }}) {
  setWindowTitle("Voltaro");
  setFixedSize(mw::kWindowWidth, mw::kWindowHeight);
  // The window's own free areas (the title row, the bottom bar) drag too.
  watchBackground(this);
  buildPanels();
  buildLabels();
  buildControls();
  controls_.clear();
  redrawAllControls();
  showPage(PageNumber::Information);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::areaWidget(const mw::LabelPlace& place) const {
  switch (place.area) {
    case mw::Area::Window:
      return const_cast<MainWindow*>(this);
    case mw::Area::LeftColumn:
      return leftColumn_;
    case mw::Area::Page:
      return pagePanel(place.page);
  }
  return nullptr;
}

QLabel* MainWindow::addLabel(const mw::LabelPlace& place) {
  auto* label = new QLabel(areaWidget(place));
  // Values come from batteries, files and the web: shown as they are, never
  // read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setText(QString::fromStdString(place.text));
  QFont font("Verdana");
  font.setPixelSize(place.pixels);
  font.setBold(place.bold);
  label->setFont(font);
  label->setGeometry(qtRect(place.box));
  label->setAlignment(qtAlignment(place.align) | Qt::AlignVCenter);
  setTextColour(label, qtColour(place.colour));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (place.bound) values_.emplace(std::make_pair(place.bound->page, place.bound->caption), label);
  return label;
}

void MainWindow::buildPanels() {
  leftColumn_ = makePanel(this, QRect(0, mw::kPanelTop, mw::kColumnWidth, mw::kColumnHeight),
                          qtColour(mw::kColumnColour));
  watchBackground(leftColumn_);
  for (int i = 0; i < kPageCount; ++i) {
    panels_[static_cast<std::size_t>(i)] = makePanel(
        this, QRect(mw::kPanelLeft, mw::kPanelTop, mw::kPanelWidth, mw::kPanelHeight), Qt::black);
    watchBackground(panels_[static_cast<std::size_t>(i)]);
  }
  gaugeLabel_ = new QLabel(leftColumn_);
  gaugeLabel_->setGeometry(qtRect(mw::kGaugeArea));
  watchBackground(gaugeLabel_);
  graphLabel_ = new QLabel(pagePanel(PageNumber::Graph));
  graphLabel_->setGeometry(qtRect(mw::kGraphArea));
  watchBackground(graphLabel_);
  // The program's picture on the free right half of the Home page.
  logo_ = new QLabel(pagePanel(PageNumber::Home));
  logo_->setGeometry(qtRect(mw::kLogoArea));
  logo_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Picture labels; while the window is hidden they hold no picture, and no
  // text of theirs is ever read as markup either.
  for (QLabel* pictureLabel : {gaugeLabel_, graphLabel_, logo_})
    pictureLabel->setTextFormat(Qt::PlainText);
}

void MainWindow::buildLabels() {
  for (const mw::BandPlace& band : mw::headerBands()) {
    QWidget* panel = makePanel(pagePanel(band.page), qtRect(band.box), qtColour(band.colour));
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    panel->lower();
  }
  for (const mw::LabelPlace& place : mw::windowLabels()) {
    QLabel* label = addLabel(place);
    switch (place.role) {
      case mw::LabelRole::Plain:
        break;
      case mw::LabelRole::PageTitle:
        pageTitle_ = label;
        watchBackground(pageTitle_);
        break;
      case mw::LabelRole::Status:
        status_ = label;
        break;
      case mw::LabelRole::MakerLink:
      case mw::LabelRole::BatteryLink:
        label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        if (place.role == mw::LabelRole::MakerLink) {
          makerLink_ = label;
        } else {
          label->setObjectName("batteryLabel");
        }
        break;
    }
  }
}

QWidget* MainWindow::pagePanel(PageNumber page) const {
  return panels_[static_cast<std::size_t>(page) - 1];
}

void MainWindow::onTextChanged(view::Page page, const std::string& caption,
                               const std::string& value) {
  auto [first, last] = values_.equal_range(std::make_pair(page, caption));
  for (auto it = first; it != last; ++it) it->second->setText(QString::fromStdString(value));
}

QString MainWindow::valueText(view::Page page, const std::string& caption) const {
  auto it = values_.find(std::make_pair(page, caption));
  return it == values_.end() ? QString() : it->second->text();
}

QString MainWindow::statusText() const {
  return status_->text();
}

void MainWindow::buildControls() {
  for (const mw::ControlPlace& place : mw::controlPlaces()) {
    QWidget* parent = place.page ? pagePanel(*place.page) : this;
    auto* image = new SkinImage(
        place.number, place.page ? mw::kSmallSize : mw::kTopBarSize,
        [this](int control) { return stripFor(control); }, parent);
    image->move(place.left, place.top);
    image->setCursor(Qt::PointingHandCursor);
    connect(image, &SkinImage::pressedAt, this, &MainWindow::onPress);
    connect(image, &SkinImage::movedAt, this, &MainWindow::onMove);
    connect(image, &SkinImage::releasedAt, this, &MainWindow::onRelease);
    connect(image, &SkinImage::left, this, [this](int number) {
      if (!dragging_) controls_.leave(number);
    });
    images_[place.number] = image;
  }
}

SkinImage* MainWindow::control(int number) const {
  auto it = images_.find(number);
  return it == images_.end() ? nullptr : it->second;
}

const QImage* MainWindow::stripFor(int number) const {
  const mw::ControlPlace* place = mw::controlPlace(number);
  if (place == nullptr) return nullptr;
  switch (place->sprite) {
    case Sprite::TopBar:
      return &pictures().topStrips.at(number);
    case Sprite::Switch:
      return switchOn(number) ? &pictures().checkedStrip : &pictures().notCheckedStrip;
    case Sprite::Go:
    case Sprite::Back:
    case Sprite::Plus:
    case Sprite::Minus:
      return &pictures().smallStrips.at(place->sprite);
  }
  return nullptr;
}

void MainWindow::drawControl(int number) {
  SkinImage* image = control(number);
  if (image == nullptr) return;
  image->setFrame(static_cast<int>(controls_.visual(number)), switchOn(number) ? 1 : 0);
}

void MainWindow::redrawAllControls() {
  for (const auto& entry : images_) drawControl(entry.first);
}

void MainWindow::redrawSettingsPages() {
  redrawAllControls();
}
void MainWindow::redrawControl(int number) {
  drawControl(number);
}

void MainWindow::redrawPriorityRadios() {
  for (int number : {64, 87, 88, 89}) drawControl(number);
}

void MainWindow::showPage(PageNumber page) {
  const bool graphInView = pagePanel(page)->isVisible() && isVisible();
  if (engine_ != nullptr && !mw::prepareShowPage(*engine_, page, graphInView)) return;
  page_ = page;
  for (int i = 1; i <= kPageCount; ++i) {
    pagePanel(static_cast<PageNumber>(i))->setVisible(i == static_cast<int>(page));
  }
  const std::string_view title = mw::pageTitle(page);
  pageTitle_->setText(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
  if (engine_ != nullptr) mw::finishShowPage(*engine_, *this, page);
}

void MainWindow::pageChosen(PageNumber page) {
  if (pageShown) pageShown(page);
}

bool MainWindow::homePageVisible() {
  return isVisible() && page_ == PageNumber::Home;
}

bool MainWindow::calibratePageVisible() {
  return isVisible() && page_ == PageNumber::Calibrate;
}

void MainWindow::show(const std::string& text) {
  status_->setText(QString::fromStdString(text));
  statusColour_ = qtColour(mw::kStatusGrey);
  setTextColour(status_, statusColour_);
  // The caller waits for the grey to be seen.
  if (engine_ != nullptr) {
    platform::delay(engine_->services().runtime, kStatusGreyMilliseconds);
  } else {
    QApplication::processEvents();
  }
  statusColour_ = Qt::black;
  setTextColour(status_, statusColour_);
}

void MainWindow::setAutoRun(bool on) {
  if (autoRunChanged) autoRunChanged(on);
}

// exit, not quit: quit would first ask every window to close, and the main
// window answers a close request with the exit question.
void MainWindow::quit() {
  QCoreApplication::exit(0);
}

void MainWindow::showFromTray() {
  if (isMinimized()) showNormal();
  QWidget::show();
  raise();
  activateWindow();
}

void MainWindow::hideToTray() {
  QWidget::hide();
}

void MainWindow::attach(engine::Engine& engine) {
  engine_ = &engine;
  engine.texts().setListener(
      [this](view::Page page, const std::string& caption, const std::string& value) {
        onTextChanged(page, caption, value);
      });
  for (const auto& [key, label] : values_) {
    if (engine.texts().has(key.first, key.second)) {
      label->setText(QString::fromStdString(engine.texts().get(key.first, key.second)));
    }
  }
  if (!engine.texts().has(view::Page::Home, "Green"))
    engine.texts().set(view::Page::Home, "Green", "Off");
  graph_ = std::make_unique<history::Graph>(
      engine.history(), engine.settings(), engine.live(), engine.slots(),
      [this] { return isVisible() && page_ == PageNumber::Graph; }, dotsPerInch_);
  graph_->drawAxes();
  redraw();
  redrawAllControls();
}

void MainWindow::runControl(int number, bool shift) {
  if (mw::runPageButton(*this, number) || engine_ == nullptr) return;
  mw::runControl(*engine_, *this, number, shift);
}

bool MainWindow::switchOn(int number) const {
  if (engine_ == nullptr) return false;
  return mw::switchShowsOn(engine_->settings(), number);
}

void MainWindow::pressKey(char key) {
  if (engine_ != nullptr) mw::pressKey(*engine_, *this, key);
}

void MainWindow::act9() {
  if (engine_ == nullptr) return;
  mw::act9(*engine_, page_, *this, [this] { saveGraphScreenshot(); });
}

void MainWindow::saveGraphScreenshot() {
  mw::saveGraphScreenshot(
      *engine_, *this, [this](const std::string& folder, const std::string& caption) {
        return history::saveScreenshot(graph_->surface(), folder, caption, dotsPerInch_);
      });
}

}  // namespace voltaro::app
