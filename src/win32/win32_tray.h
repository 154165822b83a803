// The notification-area icon on Shell_NotifyIcon (icon, hint, balloons) and
// its menu rendered from the menu model with TrackPopupMenu. Clicks on the
// icon come back as the icon's window messages and go to `clicked` and
// `doubleClicked`; a chosen item goes to `chosen`.
#pragma once

#include <functional>
#include <string>

#include "frontend/tray_menu/menu_model.h"
#include "view/tray_port.h"

struct HWND__;
struct HMENU__;

namespace voltaro::win32 {

class Win32Art;

class Win32Tray final : public view::TrayPort {
 public:
  Win32Tray(Win32Art& art, const frontend::tray_menu::MenuModel& model);
  ~Win32Tray() override;
  Win32Tray(const Win32Tray&) = delete;
  Win32Tray& operator=(const Win32Tray&) = delete;

  void setHint(const std::string& hint) override;
  void setIcon(int picture) override;
  void showBalloon(const std::string& title, const std::string& text, view::BalloonIcon icon,
                   std::uint32_t timeoutMilliseconds) override;

  // Adds the icon again (after the shell restarted).
  void makeVisible();
  // Builds the popup menu from the model as it is now and opens it at
  // (x, y); the chosen item runs before this returns.
  void openMenu(int x, int y);
  // The popup menu of the model's current state (the caller destroys it).
  HMENU__* buildMenu() const;

  // The icon's window: its messages are the icon's clicks.
  HWND__* window() const { return window_; }
  long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

  std::function<void()> clicked;
  std::function<void()> doubleClicked;
  std::function<void()> aboutToOpen;
  std::function<void(frontend::tray_menu::ItemId)> chosen;
  const std::string& hint() const { return hint_; }
  int picture() const { return picture_; }

 private:
  void update(unsigned flags);

  Win32Art& art_;
  const frontend::tray_menu::MenuModel& model_;
  HWND__* window_ = nullptr;
  std::string hint_;
  int picture_ = 14;
  bool added_ = false;
  unsigned taskbarCreated_ = 0;
};

}  // namespace voltaro::win32
