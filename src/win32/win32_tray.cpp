#include "win32/win32_tray.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "common/wide_text.h"
#include "win32/win32_art.h"

namespace voltaro::win32 {

namespace {
constexpr wchar_t kClassName[] = L"VoltaroTray";
constexpr UINT kIconMessage = WM_APP + 1;
constexpr UINT kIconId = 1;

LRESULT CALLBACK trayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tray = reinterpret_cast<Win32Tray*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (tray != nullptr) return tray->handleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

template <std::size_t N>
void copyText(wchar_t (&target)[N], const std::string& utf8) {
  std::wstring text = wide(utf8);
  // The hint's line breaks are single ones in the notification area.
  text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
  const std::size_t count = std::min(text.size(), N - 1);
  std::wmemcpy(target, text.data(), count);
  target[count] = L'\0';
}

void appendItems(HMENU menu, const frontend::tray_menu::MenuItem& parent) {
  using frontend::tray_menu::ItemKind;
  for (const auto& item : parent.children) {
    if (item.kind == ItemKind::Separator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::wstring caption = wide(item.caption);
    UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED);
    if (item.checked) flags |= MF_CHECKED;
    if (item.kind == ItemKind::Submenu) {
      HMENU sub = CreatePopupMenu();
      appendItems(sub, item);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
      continue;
    }
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.id.code()), caption.c_str());
    if (item.kind == ItemKind::Radio && item.checked) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_STRING | MFT_RADIOCHECK;
      SetMenuItemInfoW(menu, static_cast<UINT>(item.id.code()), FALSE, &info);
    }
  }
}
}  // namespace

Win32Tray::Win32Tray(Win32Art& art, const frontend::tray_menu::MenuModel& model)
    : art_(art), model_(model) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = trayProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  // A hidden top-level window: the menu needs one in the foreground.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Voltaro", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, windowClass.hInstance, nullptr);
  if (window_ != nullptr)
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

Win32Tray::~Win32Tray() {
  if (added_) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32Tray::update(unsigned flags) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = flags | NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = art_.trayIcon(picture_);
  copyText(data.szTip, hint_);
  if (!added_) {
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return;
  }
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32Tray::makeVisible() {
  added_ = false;
  update(0);
}

void Win32Tray::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (added_) update(0);
}

void Win32Tray::setIcon(int picture) {
  if (picture < 0 || picture > 16 || picture == picture_) return;
  picture_ = picture;
  if (added_) update(0);
}

void Win32Tray::showBalloon(const std::string& title, const std::string& text,
                            view::BalloonIcon icon, std::uint32_t timeoutMilliseconds) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = NIF_INFO;
  copyText(data.szInfoTitle, title);
  copyText(data.szInfo, text);
  data.uTimeout = timeoutMilliseconds;
  switch (icon) {
    case view::BalloonIcon::None:
      data.dwInfoFlags = NIIF_NONE;
      break;
    case view::BalloonIcon::Info:
      data.dwInfoFlags = NIIF_INFO;
      break;
    case view::BalloonIcon::Warning:
      data.dwInfoFlags = NIIF_WARNING;
      break;
    case view::BalloonIcon::Error:
      data.dwInfoFlags = NIIF_ERROR;
      break;
  }
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

HMENU__* Win32Tray::buildMenu() const {
  HMENU menu = CreatePopupMenu();
  appendItems(menu, model_.root());
  return menu;
}

void Win32Tray::openMenu(int x, int y) {
  if (aboutToOpen) aboutToOpen();
  HMENU menu = buildMenu();
  // The menu closes when the user clicks elsewhere only if its window is
  // in the foreground.
  SetForegroundWindow(window_);
  const int code = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x, y, 0,
                                  window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (code != 0 && chosen) chosen(frontend::tray_menu::ItemId::fromCode(code));
}

long long Win32Tray::handleMessage(unsigned message, unsigned long long wParam, long long lParam) {
  if (message == kIconMessage) {
    switch (static_cast<UINT>(lParam)) {
      case WM_LBUTTONUP:
        if (clicked) clicked();
        break;
      case WM_RBUTTONUP: {
        POINT cursor{};
        GetCursorPos(&cursor);
        openMenu(cursor.x, cursor.y);
        break;
      }
      case WM_LBUTTONDBLCLK:
        if (doubleClicked) doubleClicked();
        break;
      default:
        break;
    }
    return 0;
  }
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    makeVisible();
    return 0;
  }
  return DefWindowProcW(window_, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

}  // namespace voltaro::win32
