// The Windows front end driven through its message handlers, without a
// display: the runtime's timers and posted events on the pump, the tray menu
// rendered from the model, and the main window painted from the engine's
// texts with its top bar answering the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/gdiplus_environment.h"
#include "canvas/gdiplus_headers.h"
#include "engine/engine_harness.h"
#include "fakes/temporary_folder.h"
#include "frontend/main_window/page_labels.h"
#include "frontend/tray_menu/tray_menu_tree.h"
#include "gadget/synthetic_skins.h"
#include "win32/win32_art.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_gadget_window.h"
#include "win32/win32_main_window.h"
#include "win32/win32_runtime.h"
#include "win32/win32_tray.h"

namespace voltaro::win32 {
namespace {

namespace mw = frontend::main_window;
using frontend::tray_menu::ItemId;
using frontend::tray_menu::TrayCommand;

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new voltaro::testing::GdiplusEnvironment);

TEST(Win32Runtime, TimersAndPostedEventsRunOnlyFromThePump) {
  Win32Runtime runtime;
  int fired = 0;
  int stopped = 0;
  auto timer = runtime.createTimer();
  timer->setInterval(5);
  timer->setHandler([&fired] { ++fired; });
  timer->setEnabled(true);
  auto idle = runtime.createTimer();
  idle->setInterval(5);
  idle->setHandler([&stopped] { ++stopped; });
  idle->setEnabled(true);
  idle->setEnabled(false);
  bool posted = false;
  runtime.post([&posted] { posted = true; });
  EXPECT_FALSE(posted);  // not before the pump runs
  platform::delay(runtime, 60);
  EXPECT_TRUE(posted);
  EXPECT_GE(fired, 1);
  EXPECT_EQ(stopped, 0);
  EXPECT_TRUE(timer->enabled());
  EXPECT_FALSE(idle->enabled());
}

TEST(Win32Tray, MenuFollowsTheModelsMarksAndStates) {
  Win32Art art;
  frontend::tray_menu::MenuModel model(frontend::tray_menu::buildTrayMenu());
  model.setChecked({TrayCommand::AlwaysOnTop, 0}, true);
  model.setChecked({TrayCommand::SizeItem, 1}, true);
  model.setEnabled({TrayCommand::Hibernate, 0}, false);
  Win32Tray tray(art, model);
  HMENU menu = tray.buildMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), static_cast<int>(model.root().children.size()));
  const auto state = [menu](ItemId id) {
    return GetMenuState(menu, static_cast<UINT>(id.code()), MF_BYCOMMAND);
  };
  EXPECT_TRUE(state({TrayCommand::AlwaysOnTop, 0}) & MF_CHECKED);
  EXPECT_FALSE(state({TrayCommand::BalloonHints, 0}) & MF_CHECKED);
  // Inside a submenu, found by its code.
  EXPECT_TRUE(state({TrayCommand::SizeItem, 1}) & MF_CHECKED);
  EXPECT_FALSE(state({TrayCommand::SizeItem, 0}) & MF_CHECKED);
  EXPECT_TRUE(state({TrayCommand::Hibernate, 0}) & MF_GRAYED);
  EXPECT_FALSE(state({TrayCommand::Standby, 0}) & MF_GRAYED);
  wchar_t caption[32] = {};
  GetMenuStringW(menu, static_cast<UINT>(ItemId{TrayCommand::Exit, 0}.code()), caption, 32,
                 MF_BYCOMMAND);
  EXPECT_STREQ(caption, L"Exit");
  DestroyMenu(menu);
}

TEST(Win32FileDialogs, FilterPartsEndInNulsAsTheDialogsTakeThem) {
  const std::wstring expected{L"Binary file (*.bin)\0*.bin\0Text (*.txt)\0*.txt\0\0", 46};
  EXPECT_EQ(Win32FileDialogs::filterText("Binary file (*.bin)|*.bin|Text (*.txt)|*.txt"), expected);
  EXPECT_TRUE(Win32FileDialogs::filterText("").empty());
}

class Win32MainWindowTest : public ::testing::Test {
 protected:
  Win32MainWindowTest() : harness(documents.path()) {}

  // Paints the window and counts the pixels in `box` (window coordinates)
  // above `level` in every channel: bright ones are a value's text.
  int brightPixels(Win32MainWindow& window, canvas::Rect box, int level = 150) {
    std::vector<std::uint32_t> pixels(mw::kWindowWidth * mw::kWindowHeight, 0xFF000000u);
    {
      canvas::GdiplusCanvas canvas({pixels.data(), mw::kWindowWidth, mw::kWindowHeight, false});
      window.paint(canvas);
    }
    int count = 0;
    for (int y = box.top; y < box.top + box.height; ++y) {
      for (int x = box.left; x < box.left + box.width; ++x) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y * mw::kWindowWidth + x)];
        if (static_cast<int>((p >> 16) & 0xFF) > level &&
            static_cast<int>((p >> 8) & 0xFF) > level && static_cast<int>(p & 0xFF) > level) {
          ++count;
        }
      }
    }
    return count;
  }

  testing::TemporaryFolder documents;
  testing::EngineHarness harness;
};

TEST_F(Win32MainWindowTest, PaintsTheEnginesTextsAndSwitchesPagesByTheTopBar) {
  ASSERT_EQ(harness.create(), 0);
  harness.startAndRun(5);
  Win32Art art;
  Win32MainWindow window(art);
  window.paintedHidden = true;
  window.attach(harness.engine());
  const auto labels = mw::windowLabels();
  const auto designed = std::find_if(labels.begin(), labels.end(), [](const mw::LabelPlace& p) {
    return p.bound && p.bound->page == view::Page::Information &&
           p.bound->caption == "Designed Capacity";
  });
  ASSERT_NE(designed, labels.end());
  ASSERT_FALSE(harness.engine().texts().get(view::Page::Information, "Designed Capacity").empty());
  const canvas::Point origin = mw::areaOrigin(mw::Area::Page);
  const canvas::Rect box{designed->box.left + static_cast<int>(origin.x),
                         designed->box.top + static_cast<int>(origin.y), designed->box.width,
                         designed->box.height};
  EXPECT_EQ(window.currentPage(), mw::PageNumber::Information);
  EXPECT_GT(brightPixels(window, box), 10);

  // A click on the Graph button of the top bar: press and release inside it.
  const mw::ControlPlace* graphButton = mw::controlPlace(mw::pageButton(mw::PageNumber::Graph));
  ASSERT_NE(graphButton, nullptr);
  const long long at = MAKELPARAM(graphButton->left + 45, graphButton->top + 45);
  window.handleMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
  EXPECT_EQ(window.currentPage(), mw::PageNumber::Information);
  window.handleMessage(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(window.currentPage(), mw::PageNumber::Graph);
  // The Information page's values are gone with their page; the graph's
  // plot area (not black) is in its place.
  EXPECT_EQ(brightPixels(window, box), 0);
  const canvas::Rect plot{mw::kPanelLeft + mw::kGraphArea.left + 60,
                          mw::kPanelTop + mw::kGraphArea.top + 30, 600, 300};
  EXPECT_GT(brightPixels(window, plot, 8), 600 * 300 / 2);
}

TEST(Win32GadgetWindow, PutsTheCompositionOnScreenAtItsSizeAfterTheFadeIn) {
  testing::TemporaryFolder folder;
  testing::EngineHarness harness(folder.path());
  Win32GadgetWindow gadget;
  harness.gadget = &gadget.controller();
  ASSERT_EQ(harness.create(), 0);
  gadget.controller().attach(harness.engine());
  gadget.controller().formCreate(gadget::testing::syntheticSkins());
  EXPECT_EQ(gadget.shownSize(), (gadget::PixelSize{0, 0}));  // nothing before monitoring
  harness.startAndRun(10);
  // Small 3D by default, at full opacity once faded in.
  EXPECT_EQ(gadget.shownSize(), (gadget::PixelSize{49, 118}));
  EXPECT_EQ(gadget.shownAlpha(), 255);
  // The hint follows the first reading.
  EXPECT_NE(gadget.hint(), "Voltaro");
  EXPECT_FALSE(gadget.hint().empty());
  // A right click asks for the tray's menu where the pointer is.
  bool menu = false;
  gadget.contextMenuRequested = [&menu](int, int) { menu = true; };
  gadget.handleMessage(WM_RBUTTONUP, 0, 0);
  EXPECT_TRUE(menu);
}

}  // namespace
}  // namespace voltaro::win32
