#include "platform/linux_services/x11_dpms.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include <memory>

namespace voltaro::platform::linux_services {

namespace {
struct CloseDisplay {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
}  // namespace

bool x11DpmsOff(const char* displayName) {
  const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(displayName));
  if (!display) return false;
  int eventBase = 0;
  int errorBase = 0;
  if (!DPMSQueryExtension(display.get(), &eventBase, &errorBase)) return false;
  if (!DPMSCapable(display.get())) return false;
  CARD16 level = 0;
  BOOL enabled = False;
  // A forced level needs DPMS switched on; it stays on afterwards, as the
  // user's own "xset dpms force off" would leave it.
  if (DPMSInfo(display.get(), &level, &enabled) && !enabled) DPMSEnable(display.get());
  if (!DPMSForceLevel(display.get(), DPMSModeOff)) return false;
  XSync(display.get(), False);
  return true;
}

}  // namespace voltaro::platform::linux_services
