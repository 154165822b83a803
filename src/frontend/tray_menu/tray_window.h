// What the notification-area menu needs of the front end's windows: the
// main window's pages and the menu itself.
#pragma once

namespace voltaro::frontend::tray_menu {

class TrayWindow {
 public:
  virtual ~TrayWindow() = default;

  // The page shown in the main window, 1 Information .. 6 Home.
  virtual int currentPage() const = 0;
  // Makes page 1..6 current and shows it, with the page's own extra work.
  virtual void showPage(int page) = 0;
  // Shows the main window when it is hidden (restored when minimised),
  // brings it to the front and gives it the focus.
  virtual void showMainWindow() = 0;
  // Opens the menu with its corner at (x, y) in screen coordinates.
  virtual void openMenu(int x, int y) = 0;
};

}  // namespace voltaro::frontend::tray_menu
