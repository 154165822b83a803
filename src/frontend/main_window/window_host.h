// What the main window's commands ask of the window that shows them, beyond
// what the engine asks of it (engine::WindowPort): its pages, hiding it to
// the tray, its redraws and the Save command. The Qt and the Win32 main
// windows implement it.
#pragma once

#include "engine/window_port.h"
#include "frontend/main_window/control_layout.h"

namespace voltaro::frontend::main_window {

class WindowHost : public engine::WindowPort {
 public:
  virtual PageNumber currentPage() const = 0;
  // Makes `page` current and shows it, with the page's own extra work.
  virtual void showPage(PageNumber page) = 0;
  // A top-bar button changed the page: the tray menu's "Main Page" mark
  // follows.
  virtual void pageChosen(PageNumber page) = 0;
  virtual void hideToTray() = 0;
  virtual void redrawAllControls() = 0;
  // Draws the history onto the Graph page again.
  virtual void redrawGraph() = 0;
  // The top bar's Save command (act9).
  virtual void saveCommand() = 0;
};

}  // namespace voltaro::frontend::main_window
