// The frameless 1000 x 670 main window on Win32: the skin's background, the
// left column with its gauge, the shown page with its header bands, labels,
// skinned controls and, on the Graph page, the charge graph, all painted
// through the GDI+ canvas into one picture per paint. The layout, the
// controls' states and the commands are the shared front-end code's.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "frontend/main_window/page_labels.h"
#include "frontend/main_window/skin_controls.h"
#include "frontend/main_window/window_host.h"
#include "frontend/tray_menu/tray_window.h"
#include "history/graph_port.h"
#include "view/status_line.h"

struct HWND__;
struct HDC__;

namespace voltaro::engine {
class Engine;
}
namespace voltaro::canvas {
class GdiplusPicture;
class Canvas;
}  // namespace voltaro::canvas

namespace voltaro::win32 {

class Win32Art;

class Win32MainWindow final : public frontend::main_window::WindowHost,
                              public view::StatusLine,
                              public history::GraphPort {
 public:
  using PageNumber = frontend::main_window::PageNumber;

  explicit Win32MainWindow(Win32Art& art);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  void attach(engine::Engine& engine);
  HWND__* window() const { return window_; }
  bool visible() const;
  long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);
  // Paints the whole window into `target` (1000 x 670).
  void paint(canvas::Canvas& target);
  // Paints the window into its picture and the picture onto `dc`.
  void paintWindow(HDC__* dc);

  // WindowHost
  PageNumber currentPage() const override { return page_; }
  void showPage(PageNumber page) override;
  void pageChosen(PageNumber page) override;
  void hideToTray() override;
  void redrawAllControls() override;
  void redrawGraph() override { redraw(); }
  void saveCommand() override;
  // engine::WindowPort
  bool calibratePageVisible() override;
  bool homePageVisible() override;
  void redrawSettingsPages() override { redrawAllControls(); }
  void redrawControl(int number) override;
  void redrawPriorityRadios() override { redrawAllControls(); }
  void drawgauge() override;
  void setAutoRun(bool on) override;
  void quit() override;
  // Shows the window when hidden, in front, with the focus.
  void showFromTray();
  // view::StatusLine
  void show(const std::string& text) override;
  // history::GraphPort
  void drawAxes() override;
  void redraw() override;

  std::function<void(PageNumber)> pageShown;
  std::function<void(bool)> autoRunChanged;
  std::function<void()> clickSound;
  // The session is ending: the exit procedure, which saves the settings.
  std::function<void()> sessionEnding;
  const std::string& statusText() const { return status_; }
  // True: the graph is drawn while the window is hidden (a test that paints
  // without a screen).
  bool paintedHidden = false;

 private:
  struct Pictures;
  void invalidate();
  // The top bar's strips with their captions, made for a paint.
  void makeTopStrips();
  bool graphShown() const;
  void paintControls(canvas::Canvas& target);
  void paintLabels(canvas::Canvas& target);
  // The control under window point (x, y) and the point in its own
  // coordinates; 0 when none.
  int controlAt(int x, int y, int& localX, int& localY) const;
  void mouse(unsigned message, int x, int y, bool shift);
  void runControl(int number, bool shift);
  void followLink(frontend::main_window::LabelRole link);

  Win32Art& art_;
  std::unique_ptr<Pictures> pictures_;
  HWND__* window_ = nullptr;
  engine::Engine* engine_ = nullptr;
  PageNumber page_ = PageNumber::Information;
  std::string status_;
  bool statusGrey_ = false;
  frontend::main_window::SkinControls controls_;
  int pressed_ = 0;  // the control a press went to, until its release
  int hovered_ = 0;
};

// The main window's pages and the tray's menu as the tray menu's handlers
// see them.
class TrayPages final : public frontend::tray_menu::TrayWindow {
 public:
  TrayPages(Win32MainWindow& window, std::function<void(int, int)> openMenu)
      : window_(window), openMenu_(std::move(openMenu)) {}
  int currentPage() const override { return static_cast<int>(window_.currentPage()); }
  void showPage(int page) override;
  void showMainWindow() override { window_.showFromTray(); }
  void openMenu(int x, int y) override { openMenu_(x, y); }

 private:
  Win32MainWindow& window_;
  std::function<void(int, int)> openMenu_;
};

}  // namespace voltaro::win32
