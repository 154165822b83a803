// The main window's messages: painting, the mouse on the skinned controls
// (and dragging the window by its free areas), keys, closing and the
// activation a second start asks for.
#include "canvas/gdiplus_headers.h"
#include "engine/engine.h"
#include "frontend/main_window/page_labels.h"
#include "frontend/main_window/window_commands.h"
#include "monitor/monitor.h"
#include "update/update_check.h"
#include "win32/single_instance.h"
#include "win32/win32_main_window.h"

namespace voltaro::win32 {

namespace mw = frontend::main_window;

namespace {
// The link label (the maker's name, the battery caption) under window point
// (x, y); Plain when none.
mw::LabelRole linkAt(int x, int y) {
  for (const mw::LabelPlace& place : mw::windowLabels()) {
    if (place.role != mw::LabelRole::MakerLink && place.role != mw::LabelRole::BatteryLink)
      continue;
    const canvas::Point origin = mw::areaOrigin(place.area);
    if (place.box.contains(x - static_cast<int>(origin.x), y - static_cast<int>(origin.y))) {
      return place.role;
    }
  }
  return mw::LabelRole::Plain;
}
}  // namespace

void Win32MainWindow::followLink(mw::LabelRole link) {
  if (engine_ == nullptr) return;
  if (link == mw::LabelRole::MakerLink) {
    engine_->services().shell.openFile("http://" + engine_->updateCheck().webHost());
  } else if (link == mw::LabelRole::BatteryLink && engine_->monitor().tickRunning()) {
    engine_->monitor().act8();
  }
}

int Win32MainWindow::controlAt(int x, int y, int& localX, int& localY) const {
  for (const mw::ControlPlace& place : mw::controlPlaces()) {
    if (place.page && *place.page != page_) continue;
    const int size = place.sprite == mw::Sprite::TopBar ? mw::kTopBarSize : mw::kSmallSize;
    const int left = place.left + (place.page ? mw::kPanelLeft : 0);
    const int top = place.top + (place.page ? mw::kPanelTop : 0);
    if (x >= left && x < left + size && y >= top && y < top + size) {
      localX = x - left;
      localY = y - top;
      return place.number;
    }
  }
  return 0;
}

void Win32MainWindow::runControl(int number, bool shift) {
  if (mw::runPageButton(*this, number) || engine_ == nullptr) return;
  mw::runControl(*engine_, *this, number, shift);
}

void Win32MainWindow::mouse(unsigned message, int x, int y, bool shift) {
  int localX = 0;
  int localY = 0;
  const int under = controlAt(x, y, localX, localY);
  switch (message) {
    case WM_LBUTTONDOWN: {
      if (under != 0 && controls_.press(under, localX, localY) != mw::PressOutcome::StartDrag) {
        pressed_ = under;
        SetCapture(window_);
        return;
      }
      if (under == 0) {
        const mw::LabelRole link = linkAt(x, y);
        if (link != mw::LabelRole::Plain) {
          followLink(link);
          return;
        }
      }
      // The free areas and the corners of round controls drag the window.
      ReleaseCapture();
      SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return;
    }
    case WM_MOUSEMOVE: {
      if (pressed_ != 0) {
        const mw::ControlPlace* place = mw::controlPlace(pressed_);
        const int left = place->left + (place->page ? mw::kPanelLeft : 0);
        const int top = place->top + (place->page ? mw::kPanelTop : 0);
        controls_.hover(pressed_, x - left, y - top);
        return;
      }
      if (hovered_ != 0 && hovered_ != under) controls_.leave(hovered_);
      hovered_ = under;
      if (under != 0) {
        controls_.hover(under, localX, localY);
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
      }
      return;
    }
    case WM_LBUTTONUP: {
      const int number = pressed_;
      pressed_ = 0;
      ReleaseCapture();
      if (number == 0) return;
      const mw::ControlPlace* place = mw::controlPlace(number);
      const int left = place->left + (place->page ? mw::kPanelLeft : 0);
      const int top = place->top + (place->page ? mw::kPanelTop : 0);
      if (!controls_.release(number, x - left, y - top)) return;
      if (engine_ != nullptr && engine_->monitor().busy()) engine_->monitor().waitidle(10);
      runControl(number, shift);
      return;
    }
    default:
      return;
  }
}

long long Win32MainWindow::handleMessage(unsigned message, unsigned long long wParam,
                                         long long lParam) {
  const auto x = static_cast<int>(static_cast<short>(LOWORD(lParam)));
  const auto y = static_cast<int>(static_cast<short>(HIWORD(lParam)));
  if (message == SingleInstance::activationMessage()) {
    showFromTray();
    return 0;
  }
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      paintWindow(dc);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      mouse(message, x, y, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSELEAVE:
      if (hovered_ != 0 && pressed_ == 0) controls_.leave(hovered_);
      hovered_ = 0;
      return 0;
    case WM_CHAR:
      if (engine_ != nullptr && wParam < 128) {
        mw::pressKey(*engine_, *this, static_cast<char>(wParam));
      }
      return 0;
    case WM_CLOSE:
      hideToTray();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: the program is ended after this returns.
      if (wParam != 0 && sessionEnding) sessionEnding();
      return 0;
    default:
      return DefWindowProcW(window_, message, static_cast<WPARAM>(wParam),
                            static_cast<LPARAM>(lParam));
  }
}

}  // namespace voltaro::win32
