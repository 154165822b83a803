// The items of the notification-area menu, in their order, with their
// captions, kinds and radio groups, as the program starts: the
// "Information" page checked, the "Power Plan" submenu empty until the
// menu first opens.
#pragma once

#include "frontend/tray_menu/menu_model.h"

namespace voltaro::frontend::tray_menu {

MenuItem buildTrayMenu();

}  // namespace voltaro::frontend::tray_menu
