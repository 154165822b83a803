// The tray menu in the program: its items reach the main window, and the
// main window's page buttons and Settings page controls move its marks.
#include <gtest/gtest.h>

#include <QAction>

#include "app/window_harness.h"

namespace voltaro::testing {
namespace {

using app::PageNumber;
using C = frontend::tray_menu::TrayCommand;

class TrayIconMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(harness.start(), 0);
    harness.runtime.advance(3000);  // monitoring runs: the busy flag is free
  }
  bool marked(C command, int value = 0) {
    return harness.trayMenu.menu().action({command, value})->isChecked();
  }
  TemporaryFolder documents;
  WindowHarness harness{documents.path()};
};

TEST_F(TrayIconMenuTest, SettingsFromTheMenuShowsTheHiddenWindowOnThatPage) {
  auto& window = harness.window;
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool)) << "no taskbar button";
  window.hideToTray();
  harness.trayMenu.commands()->run({C::Page, 3});
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.currentPage(), PageNumber::Settings);
  EXPECT_TRUE(window.pagePanel(PageNumber::Settings)->isVisibleTo(&window));
  EXPECT_TRUE(marked(C::Page, 3));

  harness.click(4, 45, 45);  // the top bar's "Alerts"
  EXPECT_TRUE(marked(C::Page, 4));
  EXPECT_FALSE(marked(C::Page, 3));
}

TEST_F(TrayIconMenuTest, SettingsPageControlsMoveTheMenusMarks) {
  harness.window.showPage(PageNumber::Settings);
  harness.click(61);  // "Battery Capacity" on the gadget: on by default
  harness.click(84);  // "Small Size Gadget": on by default
  harness.click(23);  // "Battery on Top"
  harness.click(88);  // "High"
  EXPECT_FALSE(marked(C::ShowCapacity));
  EXPECT_TRUE(marked(C::SizeItem, 0));
  EXPECT_FALSE(marked(C::SizeItem, 1));
  EXPECT_TRUE(marked(C::AlwaysOnTop));
  EXPECT_TRUE(marked(C::PriorityItem, 3));
  EXPECT_EQ(harness.settings().SmallSizeGadget, 0);
  EXPECT_EQ(harness.settings().BatteryOnTop, 1);
}

}  // namespace
}  // namespace voltaro::testing
