// The X server's DPMS extension through libXext, kept apart from the Qt
// code because Xlib's macros clash with Qt's names.
#pragma once

namespace voltaro::platform::linux_services {

// Connects to the X display `displayName` (nullptr: $DISPLAY), switches DPMS
// on if it is off and forces the monitor off. False when there is no such
// display, the server has no DPMS or the monitor cannot do it.
bool x11DpmsOff(const char* displayName);

}  // namespace voltaro::platform::linux_services
