#include "win32/win32_gadget_window.h"

#include <cstring>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_headers.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include "common/wide_text.h"

namespace voltaro::win32 {

namespace {
constexpr wchar_t kClassName[] = L"VoltaroGadget";

LRESULT CALLBACK gadgetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* owner = reinterpret_cast<Win32GadgetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner != nullptr) return owner->handleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

gadget::GadgetPosition cursor() {
  POINT at{};
  GetCursorPos(&at);
  return {static_cast<std::int32_t>(at.x), static_cast<std::int32_t>(at.y)};
}
}  // namespace

Win32GadgetWindow::Win32GadgetWindow()
    : painter_([](canvas::PixelMemory memory) -> std::unique_ptr<canvas::Canvas> {
        return std::make_unique<canvas::GdiplusCanvas>(memory);
      }),
      controller_(*this, painter_) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = gadgetProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  window_ =
      CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"Voltaro",
                      WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The hint: a tooltip over the whole window, several lines wide.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, windowClass.hInstance,
                             nullptr);
  if (tooltip_ == nullptr) return;
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = const_cast<wchar_t*>(L"Voltaro");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

void Win32GadgetWindow::setHint(const std::string& hint) {
  hint_ = hint;
  if (tooltip_ == nullptr) return;
  const std::wstring text = wide(hint);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

Win32GadgetWindow::~Win32GadgetWindow() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  if (window_ != nullptr) DestroyWindow(window_);
}

gadget::ScreenArea Win32GadgetWindow::primaryScreen() const {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

gadget::ScreenArea Win32GadgetWindow::desktop() const {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void Win32GadgetWindow::resizeWindow(gadget::PixelSize size) {
  if (window_ == nullptr) return;
  SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32GadgetWindow::moveWindow(gadget::GadgetPosition position) {
  if (window_ == nullptr) return;
  SetWindowPos(window_, nullptr, position.left, position.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

gadget::GadgetPosition Win32GadgetWindow::windowPosition() const {
  RECT place{};
  if (window_ != nullptr) GetWindowRect(window_, &place);
  return {static_cast<std::int32_t>(place.left), static_cast<std::int32_t>(place.top)};
}

void Win32GadgetWindow::present(const gadget::PixelBuffer& picture, std::uint8_t alpha) {
  shownSize_ = {picture.width(), picture.height()};
  shownAlpha_ = alpha;
  if (window_ == nullptr || picture.width() <= 0 || picture.height() <= 0) return;
  // A top-down 32-bit section: the buffer's premultiplied 0xAARRGGBB words
  // are its pixels as they are.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section != nullptr && bits != nullptr) {
    std::memcpy(
        bits, picture.data(),
        static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()) * 4);
    HGDIOBJ before = SelectObject(memory, section);
    RECT place{};
    GetWindowRect(window_, &place);
    POINT position{place.left, place.top};
    SIZE size{picture.width(), picture.height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    UpdateLayeredWindow(window_, screen, &position, &size, memory, &origin, 0, &blend, ULW_ALPHA);
    SelectObject(memory, before);
  }
  if (section != nullptr) DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Win32GadgetWindow::showWindow() {
  if (window_ != nullptr) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void Win32GadgetWindow::hideWindow() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

bool Win32GadgetWindow::windowVisible() const {
  return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

void Win32GadgetWindow::setStayOnTop(bool onTop) {
  if (window_ == nullptr) return;
  SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32GadgetWindow::bringToFront() {
  if (!windowVisible()) return;
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window_);
}

void Win32GadgetWindow::beep() {
  MessageBeep(MB_OK);
}

void Win32GadgetWindow::showMainWindow() {
  if (mainWindowRequested) mainWindowRequested();
}

long long Win32GadgetWindow::handleMessage(unsigned message, unsigned long long wParam,
                                           long long lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetCapture(window_);
      controller_.leftButtonDown(cursor());
      return 0;
    case WM_MOUSEMOVE:
      if (!inside_) {
        inside_ = true;
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
        controller_.mouseEnter();
        // The hint follows "Show Gadget Hints" at once, without a hook of its own.
        if (tooltip_ != nullptr) {
          SendMessageW(tooltip_, TTM_ACTIVATE, controller_.hintsShown() ? TRUE : FALSE, 0);
        }
      }
      controller_.mouseMove(cursor());
      return 0;
    case WM_MOUSELEAVE:
      inside_ = false;
      controller_.mouseLeave();
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      controller_.leftButtonUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      controller_.doubleClick();
      return 0;
    case WM_RBUTTONUP:
      if (contextMenuRequested) {
        const gadget::GadgetPosition at = cursor();
        contextMenuRequested(at.left, at.top);
      }
      return 0;
    case WM_CHAR:
      if (wParam < 128) controller_.keyPress(static_cast<char>(wParam));
      return 0;
    case WM_CLOSE:
      controller_.closeRequest();
      return 0;
    default:
      return DefWindowProcW(window_, message, static_cast<WPARAM>(wParam),
                            static_cast<LPARAM>(lParam));
  }
}

}  // namespace voltaro::win32
