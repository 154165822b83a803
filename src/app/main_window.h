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

#include "app/skin_art.h"
#include "app/window_pictures.h"
#include "frontend/main_window/control_layout.h"
#include "frontend/main_window/page_labels.h"
#include "frontend/main_window/skin_controls.h"
#include "frontend/main_window/window_host.h"
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

// The window's pages, controls and their looks are the front end's own.
using frontend::main_window::kPageCount;
using frontend::main_window::PageNumber;
using frontend::main_window::SkinControls;
using frontend::main_window::Sprite;
using frontend::main_window::Visual;

class SkinImage;

class MainWindow : public QWidget,
                   public view::StatusLine,
                   public frontend::main_window::WindowHost,
                   public history::GraphPort {
  Q_OBJECT

 public:
  explicit MainWindow(double dotsPerInch);
  ~MainWindow() override;

  // The engine exists: labels follow its texts, controls reach its commands.
  void attach(engine::Engine& engine);
  engine::Engine* engine() const { return engine_; }

  void showFromTray();
  void drawControl(int number);
  // Runs control `number`'s command, as a release on it does.
  void runControl(int number, bool shift);
  void pressKey(char key);
  // The Save command: settings, screenshot or report of the page shown.
  void act9();

  // frontend::main_window::WindowHost
  PageNumber currentPage() const override { return page_; }
  // Page 1..6; from the top bar nothing happens when it is already shown.
  void showPage(PageNumber page) override;
  void pageChosen(PageNumber page) override;
  void hideToTray() override;
  void redrawAllControls() override;
  void redrawGraph() override { redraw(); }
  void saveCommand() override { act9(); }

  // What a label shows, by page and caption (tests and screenshots).
  QString valueText(view::Page page, const std::string& caption) const;
  QString statusText() const;
  QColor statusColour() const { return statusColour_; }
  const SkinControls& controls() const { return controls_; }
  SkinImage* control(int number) const;
  bool dragging() const { return dragging_; }
  QWidget* pagePanel(PageNumber page) const;
  // The gauge as the left column shows it (drawn now if it was left undrawn
  // while the window was hidden).
  const QImage& gaugeImage();
  // Whether the window holds its decoded pictures (only while it is shown,
  // or while a hidden control is being painted).
  bool holdsPictures() const { return pictures_ != nullptr; }
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
  const WindowPictures& pictures() const;
  void paintGauge();
  void buildPanels();
  void buildLabels();
  void buildControls();
  QWidget* areaWidget(const frontend::main_window::LabelPlace& place) const;
  QLabel* addLabel(const frontend::main_window::LabelPlace& place);
  void onTextChanged(view::Page page, const std::string& caption, const std::string& value);
  const QImage* stripFor(int number) const;
  bool switchOn(int number) const;
  void saveGraphScreenshot();
  void watchBackground(QWidget* widget);
  void startDrag(QPoint global);
  void onPress(int number, QPoint position);
  void onMove(int number, QPoint position);
  void onRelease(int number, QPoint position, bool shift);

  engine::Engine* engine_ = nullptr;
  double dotsPerInch_;
  // Decoded on first need, dropped when the window hides.
  mutable std::unique_ptr<WindowPictures> pictures_;
  QImage gauge_;
  bool gaugeStale_ = true;
  QLabel* gaugeLabel_ = nullptr;
  QLabel* logo_ = nullptr;
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
