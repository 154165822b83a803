// The menu's handlers on the whole engine: what each item changes in the
// settings, the marks, the settings file, the pages and the ports it
// calls; what happens before the menu opens; the icon's clicks.
#include "frontend/tray_menu/tray_menu_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "engine/engine_harness.h"
#include "frontend/tray_menu/desktop_openers.h"
#include "frontend/tray_menu/menu_dump.h"
#include "frontend/tray_menu/tray_menu_tree.h"

namespace voltaro::frontend::tray_menu {
namespace {

using ::testing::ElementsAre;
using C = TrayCommand;
namespace fs = std::filesystem;

// Records each call with whether the busy flag was held at the time.
struct RecordingGadget : engine::GadgetPort {
  void setGadgetStayOnTop(bool onTop) override { note(onTop ? "on top" : "normal"); }
  void relayoutGadget() override { note("relayout"); }
  void applyGadgetOpacity() override { note("opacity"); }
  void bringGadgetToFront() override { note("front"); }
  void note(const std::string& call) {
    calls.push_back(call + (engine != nullptr && engine->monitor().busy() ? " busy" : ""));
  }
  engine::Engine* engine = nullptr;
  std::vector<std::string> calls;
};

struct RecordingTrayWindow : TrayWindow {
  int currentPage() const override { return page; }
  void showPage(int shown) override {
    calls.push_back("page " + std::to_string(shown));
    page = shown;
  }
  void showMainWindow() override { calls.push_back("show"); }
  void openMenu(int x, int y) override {
    calls.push_back("menu at " + std::to_string(x) + "," + std::to_string(y));
  }
  int page = 1;
  std::vector<std::string> calls;
};

class TrayMenuCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    harness.display.supportedLevels = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    harness.gadget = &gadget;
    harness.trayMenu = &checks;
    ASSERT_EQ(harness.create(), 0);
    gadget.engine = &harness.engine();
    commands = std::make_unique<TrayMenuCommands>(harness.engine(), checks, window);
    harness.startAndRun(3);  // monitoring runs: the busy flag is free
    fs::remove(harness.dataFile("voltaro.ini"));
    gadget.calls.clear();
    harness.window.redrawn.clear();
    harness.audio.played.clear();
    harness.power.calls.clear();
  }

  void choose(C command, int value = 0) { commands->run({command, value}); }
  settings::AppSettings& settings() { return harness.engine().settings(); }
  // The saved settings file; empty when nothing was saved.
  std::vector<std::uint8_t> saved() {
    std::ifstream file(harness.dataFile("voltaro.ini"), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> submenu(C command) { return testing::dumpMenu(*model.find({command})); }

  testing::TemporaryFolder documents;
  testing::EngineHarness harness{documents.path()};
  MenuModel model{buildTrayMenu()};
  TrayMenuChecks checks{model};
  RecordingGadget gadget;
  RecordingTrayWindow window;
  std::unique_ptr<TrayMenuCommands> commands;
};

TEST(TrayMenuStart, MarksMirrorTheStoredSettings) {
  testing::TemporaryFolder documents;
  {
    testing::EngineHarness first(documents.path());
    ASSERT_EQ(first.create(), 0);
    settings::AppSettings& s = first.engine().settings();
    s.SmallSizeGadget = 0;
    s.Style3DGadget = 0;
    s.BatteryOnTop = 1;
    s.BalloonHints = 0;
    s.GadgetShowCapacity = 0;
    s.GadgetShowCpuUsage = 1;
    s.GadgetOpacity = 60;
    s.TaskPriority = 3;
    first.engine().saveSettings();
  }
  MenuModel model(buildTrayMenu());
  TrayMenuChecks checks(model);
  testing::EngineHarness second(documents.path());
  second.trayMenu = &checks;
  ASSERT_EQ(second.create(), 0);
  const std::vector<std::string> menu = testing::dumpMenu(model.root());
  for (const char* line :
       {"  (*) Information", "[x] Always on Top", "[ ] Balloon Hints", "  (*) 2D Style",
        "  ( ) 3D Style", "  (*) Large size", "  (*) 60%", "  ( ) 100%", "  [ ] Battery capacity",
        "  [ ] Time remaining", "  [x] CPU usage", "  (*) High", "  ( ) Normal"}) {
    EXPECT_THAT(menu, ::testing::Contains(line));
  }
}

TEST_F(TrayMenuCommandsTest, PageItemsShowTheMainWindowOnTheirPage) {
  choose(C::Page, 3);
  choose(C::Page, 3);
  EXPECT_THAT(window.calls, ElementsAre("page 3", "show", "show"));
  EXPECT_TRUE(model.checked({C::Page, 3}));
  EXPECT_FALSE(model.checked({C::Page, 1}));
}

TEST_F(TrayMenuCommandsTest, OnTopAndBalloonHintsFlipMarkAndSave) {
  choose(C::AlwaysOnTop);
  EXPECT_EQ(settings().BatteryOnTop, 1);
  EXPECT_TRUE(model.checked({C::AlwaysOnTop}));
  EXPECT_THAT(gadget.calls, ElementsAre("on top"));
  EXPECT_THAT(harness.window.redrawn, ElementsAre(23));
  ASSERT_EQ(saved().size(), 51u);
  EXPECT_EQ(saved()[16], 1);

  choose(C::BalloonHints);
  EXPECT_FALSE(model.checked({C::BalloonHints}));
  EXPECT_EQ(saved()[50], 0);
}

TEST_F(TrayMenuCommandsTest, SizeChangesOnlyWhenItDiffersAndStyleAlwaysReLaysOut) {
  choose(C::SizeItem, 1);  // the fresh gadget is already small
  EXPECT_TRUE(gadget.calls.empty());
  EXPECT_TRUE(saved().empty());
  EXPECT_TRUE(harness.window.redrawn.empty());

  choose(C::SizeItem, 0);
  EXPECT_EQ(settings().SmallSizeGadget, 0);
  EXPECT_THAT(submenu(C::Size), ElementsAre("(*) Large size", "( ) Small size"));
  ASSERT_EQ(saved().size(), 51u);
  EXPECT_EQ(saved()[22], 0) << "saved before the re-layout";

  choose(C::StyleItem, 0);
  choose(C::StyleItem, 0);
  EXPECT_EQ(settings().Style3DGadget, 0);
  EXPECT_THAT(submenu(C::Style), ElementsAre("(*) 2D Style", "( ) 3D Style"));
  EXPECT_THAT(gadget.calls, ElementsAre("relayout busy", "relayout busy", "relayout busy"));
  EXPECT_THAT(harness.window.redrawn, ElementsAre(84, 85, 85));
  EXPECT_FALSE(harness.engine().monitor().busy()) << "the re-layout gives the flag back";
}

TEST_F(TrayMenuCommandsTest, OpacitySavesThenAppliesHoldingTheBusyFlag) {
  choose(C::OpacityItem, 60);
  EXPECT_EQ(settings().GadgetOpacity, 60);
  EXPECT_EQ(saved().at(21), 60);
  EXPECT_THAT(submenu(C::Opacity), ::testing::Contains("(*) 60%"));
  EXPECT_THAT(submenu(C::Opacity), ::testing::Contains("( ) 100%"));
  EXPECT_THAT(gadget.calls, ElementsAre("opacity busy"));
}

TEST_F(TrayMenuCommandsTest, ShowItemsWaitForTheTickInProgressThenFlipSaveAndRedraw) {
  auto& runtime = harness.runtime;
  auto& busy = harness.engine().monitor().busyFlag();
  busy.set(true);
  const std::uint64_t start = runtime.elapsedMilliseconds();
  runtime.postAfter(5, [&busy] { busy.set(false); });
  choose(C::ShowCpuUsage);
  EXPECT_GE(runtime.elapsedMilliseconds() - start, 5u);
  EXPECT_LT(runtime.elapsedMilliseconds() - start, 50u);
  EXPECT_EQ(settings().GadgetShowCpuUsage, 1);
  EXPECT_TRUE(model.checked({C::ShowCpuUsage}));
  EXPECT_EQ(saved().at(47), 1);

  // A flag that stays set (the handler runs inside the tick's own wait)
  // holds the handler for about a second, not for ever.
  busy.set(true);
  const std::uint64_t held = runtime.elapsedMilliseconds();
  choose(C::ShowCapacity);
  choose(C::ShowTimeRemaining);
  busy.set(false);
  EXPECT_GE(runtime.elapsedMilliseconds() - held, 2u * kIdleWaitRounds);
  EXPECT_EQ(settings().GadgetShowCapacity, 0);
  EXPECT_EQ(settings().GadgetShowTimeRemaining, 1);
  EXPECT_THAT(submenu(C::Show),
              ElementsAre("[ ] Battery capacity", "[x] Time remaining", "[x] CPU usage"));
  EXPECT_THAT(harness.window.redrawn, ElementsAre(63, 61, 62));
}

TEST_F(TrayMenuCommandsTest, PriorityItemsStoreSaveApplyAndRedraw) {
  choose(C::PriorityItem, 3);
  EXPECT_EQ(settings().TaskPriority, 3);
  EXPECT_EQ(saved().at(49), 3);
  EXPECT_EQ(harness.power.priority, platform::ProcessPriority::High);
  EXPECT_THAT(submenu(C::Priority),
              ElementsAre("( ) Idle", "( ) Normal", "(*) High", "( ) Real-time"));
  EXPECT_EQ(harness.window.priorityRedraws, 1);
}

TEST_F(TrayMenuCommandsTest, OpeningTheMenuListsThePlansAndMarksTheTruncatedBrightness) {
  harness.planTool.format = platform::PlanListingFormat::PowerProfiles;
  harness.planTool.listing = "  power-saver:\r\n\r\n* balanced:\r\n\r\n  performance:\r\n";
  harness.display.acLevel = 30;  // on battery the AC level does not count
  harness.display.dcLevel = 95;
  commands->PopupMenu1Popup();
  EXPECT_THAT(submenu(C::PowerPlan),
              ElementsAre("( ) power-saver", "(*) balanced", "( ) performance"));
  EXPECT_THAT(submenu(C::Brightness), ::testing::Contains("(*) 90%"));

  harness.planTool.listing.clear();
  harness.display.dcLevel = 5;
  commands->PopupMenu1Popup();
  EXPECT_THAT(testing::dumpMenu(model.root()), ::testing::Contains("> Power Plan~"));
  EXPECT_THAT(submenu(C::Brightness), ::testing::Contains("(*) 90%")) << "5 % moves no mark";

  harness.planTool.listing = "* balanced:\r\n";
  commands->PopupMenu1Popup();
  choose(C::PowerPlanItem, 0);  // the active plan: nothing to do
  EXPECT_THAT(harness.planTool.calls, ::testing::Not(::testing::Contains("activatePlan balanced")));
}

TEST_F(TrayMenuCommandsTest, BrightnessItemsSetBothSourcesOrSoundTheRefusal) {
  choose(C::BrightnessItem, 70);
  EXPECT_EQ(harness.display.calls.back(), "setBrightness 3 70 70");
  EXPECT_TRUE(model.checked({C::BrightnessItem, 70}));
  harness.display.failSet = true;
  choose(C::BrightnessItem, 20);
  EXPECT_THAT(harness.audio.played, ElementsAre(platform::Clip::Refusal));
}

TEST_F(TrayMenuCommandsTest, LeftClickBringsTheGadgetAndOpensTheMenuOnlyWhenAsked) {
  commands->CoolTrayIcon1Click(1000, 700);
  EXPECT_TRUE(window.calls.empty());
  settings().ShowIconMenu = 1;
  commands->CoolTrayIcon1Click(1000, 700);
  commands->CoolTrayIcon1DblClick();
  EXPECT_THAT(gadget.calls, ElementsAre("front", "front"));
  EXPECT_THAT(window.calls, ElementsAre("menu at 920,700", "show"));
}

TEST_F(TrayMenuCommandsTest, PowerItemsFollowWhatTheSystemAllows) {
  auto& power = harness.power;
  power.suspendAllowed = false;
  power.shutdownAllowed = false;
  choose(C::Standby);   // falls back to hibernation after a beep
  choose(C::ShutDown);  // not allowed: nothing
  choose(C::Restart);   // no check before a restart
  power.hibernateAllowed = false;
  choose(C::Hibernate);  // switches hibernation on, then nothing
  power.privilegeError = "A required privilege is not held by the client.";
  choose(C::Restart);
  EXPECT_THAT(power.calls, ElementsAre("beep", "hibernate normal", "reboot"));
  EXPECT_THAT(harness.planTool.calls, ::testing::Contains("setHibernateEnabled on"));
  EXPECT_THAT(harness.errors.messages, ElementsAre(power.privilegeError));
}

TEST_F(TrayMenuCommandsTest, OpenersGreenModeAndExit) {
  harness.folders.program = (documents.path() / "bin").string() + "/";
  choose(C::HelpFile);
  choose(C::PowerOptions);
  harness.shell.powerSettingsInstalled = false;
  choose(C::PowerOptions);
  std::ofstream(harness.dataFile("calibrationlog.txt")) << "x\r\n";
  choose(C::CalibrationLog);
  choose(C::DischargeLog);  // no discharge log: nothing
  EXPECT_THAT(
      harness.shell.calls,
      ElementsAre("open " + (documents.path() / "share" / "voltaro" / "vt_help.htm").string(),
                  "power settings", "edit " + harness.dataFile("calibrationlog.txt")));
  EXPECT_THAT(harness.statusLine.texts, ::testing::Contains(kNoPowerSettingsText));

  const int gauges = harness.window.gauges;
  choose(C::GreenMode);
  EXPECT_TRUE(model.checked({C::GreenMode}));
  EXPECT_GT(harness.window.gauges, gauges);
  choose(C::ShowAdvice);
  EXPECT_THAT(harness.advice.calls, ::testing::Contains("show"));
  settings().ExitConfirmation = 0;
  choose(C::Exit);
  EXPECT_EQ(harness.window.quits, 1);
}

}  // namespace
}  // namespace voltaro::frontend::tray_menu
