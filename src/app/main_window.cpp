#include "app/main_window.h"

#include <QApplication>
#include <QPainter>

#include "app/skin_image.h"
#include "app/window_look.h"
#include "engine/engine.h"
#include "history/graph.h"
#include "monitor/monitor.h"

namespace voltaro::app {

namespace {
constexpr int kWidth = 1000;
constexpr int kHeight = 670;
constexpr int kPanelLeft = 200;
constexpr int kPanelTop = 130;
constexpr int kLabelPixels = 13;
constexpr std::uint32_t kStatusGreyMilliseconds = 400;

const std::map<Sprite, const char*> kSmallStripFiles = {{Sprite::Go, "dreapta"},
                                                        {Sprite::Back, "stanga"},
                                                        {Sprite::Plus, "plusul"},
                                                        {Sprite::Minus, "minusul"}};
const std::map<int, const char*> kTopIcons = {
    {8, "save"},  {1, "info"},   {2, "graph"}, {3, "settings"}, {4, "alerts"}, {5, "calibrate"},
    {11, "home"}, {10, "green"}, {6, "help"},  {9, "minimize"}, {7, "exit"}};
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
  setWindowIcon(QIcon(":/skin/voltaro.png"));
  setFixedSize(kWidth, kHeight);
  background_ = QImage(":/skin/background.png");
  checkedStrip_ = QImage(":/skin/checked.png");
  notCheckedStrip_ = QImage(":/skin/notchecked.png");
  for (const auto& [sprite, file] : kSmallStripFiles) {
    smallStrips_[sprite] = QImage(QString(":/skin/%1.png").arg(file));
  }
  gaugePictures_ = loadGaugePictures();
  gauge_ = gaugePictures_.empty.copy();
  // The window's own free areas (the title row, the bottom bar) drag too.
  watchBackground(this);
  buildTopBar();
  buildPanels();
  buildPages();
  buildControls();
  controls_.clear();
  redrawAllControls();
  showPage(PageNumber::Information);
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::addLabel(QWidget* parent, const QString& text, QRect area, Qt::Alignment align,
                             const QColor& colour, bool bold) {
  auto* label = new QLabel(parent);
  // Values come from batteries, files and the web: shown as they are, never
  // read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  QFont font("Verdana");
  font.setPixelSize(kLabelPixels);
  font.setBold(bold);
  label->setFont(font);
  label->setGeometry(area);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setStyleSheet(colourSheet(colour));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void MainWindow::buildTopBar() {
  for (const TopBarButton& button : topBarButtons()) {
    QImage strip(QString(":/skin/top_%1.png").arg(kTopIcons.at(button.number)));
    strip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    paintStripCaption(
        strip, QString::fromUtf8(button.caption.data(), static_cast<int>(button.caption.size())),
        button.captionX, dotsPerInch_);
    topStrips_[button.number] = strip;
  }
  auto* battery =
      addLabel(this, "No Battery!", QRect(48, 99, 105, 22), Qt::AlignHCenter, kValueColour, true);
  battery->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  battery->setCursor(Qt::PointingHandCursor);
  battery->installEventFilter(this);
  battery->setObjectName("batteryLabel");
  bindValue(battery, view::Page::Caption, "Battery");
  pageTitle_ =
      addLabel(this, "Information", QRect(232, 99, 602, 22), Qt::AlignLeft, kValueColour, true);
  watchBackground(pageTitle_);
  status_ = addLabel(this, "Status", QRect(23, 640, 353, 22), Qt::AlignLeft, Qt::black);
  makerLink_ = addLabel(this, "Keldwick", QRect(910, 640, 80, 22), Qt::AlignLeft, Qt::black);
  makerLink_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  makerLink_->setCursor(Qt::PointingHandCursor);
  makerLink_->installEventFilter(this);
}

void MainWindow::buildPanels() {
  leftColumn_ = makePanel(this, QRect(0, kPanelTop, 200, 471), kColumnColour);
  watchBackground(leftColumn_);
  for (int i = 0; i < kPageCount; ++i) {
    panels_[static_cast<std::size_t>(i)] =
        makePanel(this, QRect(kPanelLeft, kPanelTop, 800, 500), Qt::black);
    watchBackground(panels_[static_cast<std::size_t>(i)]);
  }
  gaugeLabel_ = new QLabel(leftColumn_);
  gaugeLabel_->setGeometry(75, 24, 49, 111);
  gaugeLabel_->setPixmap(QPixmap::fromImage(gauge_));
  watchBackground(gaugeLabel_);
  const char* rows[] = {"Charge", "Time", "Cycles", "Wear", "Days", "Green", "Mode"};
  for (int k = 0; k < 7; ++k) {
    const int y = 165 + 45 * k;
    addLabel(leftColumn_, rows[k], QRect(23, y - 2, 90, 22), Qt::AlignLeft, kCaptionColour);
    QLabel* value =
        addLabel(leftColumn_, "", QRect(66, y - 2, 110, 22), Qt::AlignRight, kValueColour);
    // Green Mode writes its "On" / "Off" under the Home page's caption.
    const view::Page source = k == 5 ? view::Page::Home : view::Page::LeftColumn;
    bindValue(value, source, rows[k]);
  }
  auto* graphPanel = pagePanel(PageNumber::Graph);
  graphLabel_ = new QLabel(graphPanel);
  graphLabel_->setGeometry(0, 42, 800, 434);
  watchBackground(graphLabel_);
}

QWidget* MainWindow::pagePanel(PageNumber page) const {
  return panels_[static_cast<std::size_t>(page) - 1];
}

void MainWindow::addCaption(PageNumber page, int x, int y, const QString& text) {
  addLabel(pagePanel(page), text, QRect(x, y - 2, 200, 22), Qt::AlignLeft, kCaptionColour);
}

void MainWindow::addValue(PageNumber page, view::Page source, const std::string& caption, int right,
                          int y, int width) {
  QLabel* label = addLabel(pagePanel(page), "", QRect(right - width, y - 2, width, 22),
                           Qt::AlignRight, kValueColour);
  bindValue(label, source, caption);
}

void MainWindow::addUnit(PageNumber page, int x, int y, const QString& text) {
  addLabel(pagePanel(page), text, QRect(x, y - 2, 60, 22), Qt::AlignLeft, kCaptionColour);
}

void MainWindow::addHeader(PageNumber page, int x, int width, const QString& text, int y) {
  QWidget* band = makePanel(pagePanel(page), QRect(x - 12, y - 6, width + 12, 28), kHeaderBand);
  band->setAttribute(Qt::WA_TransparentForMouseEvents);
  band->lower();
  addLabel(pagePanel(page), text, QRect(x, y - 3, width, 22), Qt::AlignLeft, QColor(120, 190, 230),
           true);
}

void MainWindow::bindValue(QLabel* label, view::Page source, const std::string& caption) {
  values_.emplace(std::make_pair(source, caption), label);
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
  for (const ControlPlace& place : controlPlaces()) {
    QWidget* parent = place.page ? pagePanel(*place.page) : this;
    auto* image = new SkinImage(place.number, place.page ? kSmallSize : kTopBarSize, parent);
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
  const ControlPlace* place = controlPlace(number);
  if (place == nullptr) return nullptr;
  switch (place->sprite) {
    case Sprite::TopBar:
      return &topStrips_.at(number);
    case Sprite::Switch:
      return switchOn(number) ? &checkedStrip_ : &notCheckedStrip_;
    case Sprite::Go:
    case Sprite::Back:
    case Sprite::Plus:
    case Sprite::Minus:
      return &smallStrips_.at(place->sprite);
  }
  return nullptr;
}

void MainWindow::drawControl(int number) {
  SkinImage* image = control(number);
  if (image == nullptr) return;
  image->setFrame(stripFor(number), static_cast<int>(controls_.visual(number)));
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
  if (page == PageNumber::Graph && engine_ != nullptr) {
    if (pagePanel(page)->isVisible() && isVisible()) return;
    engine_->monitor().waitidle(10);
  }
  page_ = page;
  for (int i = 1; i <= kPageCount; ++i) {
    pagePanel(static_cast<PageNumber>(i))->setVisible(i == static_cast<int>(page));
  }
  const std::string_view title = pageTitle(page);
  pageTitle_->setText(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
  if (engine_ == nullptr) return;
  switch (page) {
    case PageNumber::Settings:
      engine_->brightness().readPagePair();
      break;
    case PageNumber::Alerts:
      engine_->brightness().readPagePair();
      break;
    case PageNumber::Calibrate:
      fillCalibratePage();
      break;
    case PageNumber::Graph:
      redraw();
      break;
    case PageNumber::Information:
    case PageNumber::Home:
      break;
  }
}

void MainWindow::fillCalibratePage() {
  engine_->fastDischargeOptions().showCaptions();
}

bool MainWindow::homePageVisible() {
  return isVisible() && page_ == PageNumber::Home;
}

bool MainWindow::calibratePageVisible() {
  return isVisible() && page_ == PageNumber::Calibrate;
}

void MainWindow::show(const std::string& text) {
  status_->setText(QString::fromStdString(text));
  statusColour_ = kStatusGrey;
  status_->setStyleSheet(colourSheet(statusColour_));
  // The caller waits for the grey to be seen.
  if (engine_ != nullptr) {
    platform::delay(engine_->services().runtime, kStatusGreyMilliseconds);
  } else {
    QApplication::processEvents();
  }
  statusColour_ = Qt::black;
  status_->setStyleSheet(colourSheet(statusColour_));
}

void MainWindow::drawAxes() {
  if (graph_) graph_->drawAxes();
  redraw();
}

void MainWindow::redraw() {
  if (!graph_) return;
  graph_->redraw();
  graphLabel_->setPixmap(QPixmap::fromImage(graph_->surface()));
}

void MainWindow::drawgauge() {
  if (engine_ == nullptr) return;
  const auto& live = engine_->live();
  const auto& slots = engine_->slots();
  const float percent = live.percent(slots.currentSlot);
  const int level = std::min(static_cast<int>(std::lround(percent)), 100);
  const bool chargingCase = live.onPower && live.charging && level < 100;
  const GaugeMode mode =
      gaugeMode(engine_->fastDischarge().fastDischargeRunning(),
                engine_->calibration().calibrating(), engine_->greenMode().greenOn());
  drawGauge(gauge_, gaugePictures_, level, chargingCase, mode);
  gaugeLabel_->setPixmap(QPixmap::fromImage(gauge_));
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
  graphLabel_->setPixmap(QPixmap::fromImage(graph_->surface()));
  redrawAllControls();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(QPoint(0, 0), background_);
}

}  // namespace voltaro::app
