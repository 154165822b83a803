// The main window: a borderless 1000 x 670 skinned window with the top bar,
// the always-visible left column with the battery gauge, the six pages, the
// status line and the two text links. It paints what the engine's shown
// texts hold and hands every click and key to the control dispatch.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/control_layout.h"
#include "app/skin_art.h"
#include "app/skin_controls.h"
#include "app/window_pictures.h"
#include "engine/window_port.h"
#include "history/graph_port.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::history {
class Graph;
}

namespace voltaro::app {

class SkinImage;

class MainWindow : public QWidget,
                   public view::StatusLine,
                   public engine::WindowPort,
                   public history::GraphPort {
  Q_OBJECT

 public:
  explicit MainWindow(double dotsPerInch);
  ~MainWindow() override;

  // The engine exists: labels follow its texts, controls reach its commands.
  void attach(engine::Engine& engine);
  engine::Engine* engine() const { return engine_; }

  // Page 1..6; from the top bar nothing happens when it is already shown.
  void showPage(PageNumber page);
  PageNumber currentPage() const { return page_; }
  void showFromTray();
  void hideToTray();
  void drawControl(int number);
  void redrawAllControls();
  // Runs control `number`'s command, as a release on it does.
  void runControl(int number, bool shift);
  void pressKey(char key);
  // The Save command: settings, screenshot or report of the page shown.
  void act9();

  // What a label shows, by page and caption (tests and screenshots).
  QString valueText(view::Page page, const std::string& caption) const;
  QString statusText() const;
  QColor statusColour() const { return statusColour_; }
  const SkinControls& controls() const { return controls_; }
  SkinImage* control(int number) const;
  bool dragging() const { return dragging_; }
  QWidget* pagePanel(PageNumber page) const;
  const QImage& gaugeImage() const { return gauge_; }
  bool picturesLoaded() const { return pictures_.loaded(); }
  // Called when a page button is used (the tray menu's "Main Page" check).
  std::function<void(PageNumber)> pageShown;
  // The click sound, gated by the caller.
  std::function<void()> clickSound;

  // view::StatusLine
  void show(const std::string& text) override;
  // history::GraphPort
  void drawAxes() override;
  void redraw() override;
  // engine::WindowPort
  bool calibratePageVisible() override;
  bool homePageVisible() override;
  void redrawSettingsPages() override;
  void redrawControl(int number) override;
  void redrawPriorityRadios() override;
  void drawgauge() override;
  void setAutoRun(bool on) override;
  void quit() override;
  std::function<void(bool)> autoRunChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildTopBar();
  void buildPanels();
  void buildPages();
  void buildControls();
  QLabel* addLabel(QWidget* parent, const QString& text, QRect area, Qt::Alignment align,
                   const QColor& colour, bool bold = false);
  void addCaption(PageNumber page, int x, int y, const QString& text);
  void addValue(PageNumber page, view::Page source, const std::string& caption, int right, int y,
                int width = 180);
  void addUnit(PageNumber page, int x, int y, const QString& text);
  void addHeader(PageNumber page, int x, int width, const QString& text, int y = 30);
  void bindValue(QLabel* label, view::Page source, const std::string& caption);
  void onTextChanged(view::Page page, const std::string& caption, const std::string& value);
  const QImage* stripFor(int number) const;
  bool switchOn(int number) const;
  void fillCalibratePage();
  void saveGraphScreenshot();
  void watchBackground(QWidget* widget);
  void startDrag(QPoint global);
  void onPress(int number, QPoint position);
  void onMove(int number, QPoint position);
  void onRelease(int number, QPoint position, bool shift);

  engine::Engine* engine_ = nullptr;
  double dotsPerInch_;
  WindowPictures pictures_;
  GaugePictures gaugePictures_;
  QImage gauge_;
  QLabel* gaugeLabel_ = nullptr;
  QLabel* graphLabel_ = nullptr;
  QLabel* pageTitle_ = nullptr;
  QLabel* status_ = nullptr;
  QColor statusColour_;
  QLabel* makerLink_ = nullptr;
  QWidget* leftColumn_ = nullptr;
  std::array<QWidget*, kPageCount> panels_{};
  std::map<int, SkinImage*> images_;
  std::multimap<std::pair<view::Page, std::string>, QLabel*> values_;
  SkinControls controls_;
  PageNumber page_ = PageNumber::Information;
  bool dragging_ = false;
  QPoint dragStartGlobal_;
  QPoint dragStartWindow_;
  std::unique_ptr<history::Graph> graph_;
};

}  // namespace voltaro::app
