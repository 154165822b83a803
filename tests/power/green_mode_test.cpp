#include "power/green_mode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "alerts/alerts_fixture.h"
#include "fakes/fake_confirmation.h"
#include "power/power_keys.h"
#include "power/task_priority.h"

namespace voltaro::power {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GreenHooks : public PowerHooks {
 public:
  bool fastDischargeRunning() override { return fastDischarge; }
  void setGreenModeChecked(bool on) override { checks.push_back(on); }
  void checkPriorityItem(int value) override { events.push_back("check " + std::to_string(value)); }
  void saveSettings() override { events.push_back("save"); }
  void redrawPriorityRadios() override { events.push_back("redraw"); }
  void fastDischargeCommand() override { events.push_back("fast discharge"); }

  bool fastDischarge = false;
  std::vector<bool> checks;
  std::vector<std::string> events;
};

class GreenModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.display.supportedLevels = {20, 40, 60, 80, 100};
    w.brightness.initBrightness();
    w.display.acLevel = 80;
    w.display.dcLevel = 60;
    w.audio.volume = 70;
    w.journal.entries.clear();
  }
  alerts::testing::AlertsWorld w;
  fakes::FakeStatusLine status;
  GreenHooks hooks;
  GreenMode green{w.brightness, w.actions, w.audio, w.runtime, w.settings, status, w.texts, hooks};
};

TEST_F(GreenModeTest, OnDimsMutesAndTurnsCompositionOffThenOffRestoresAll) {
  w.display.compositionOn = true;
  green.toggleGreenMode();
  EXPECT_TRUE(green.greenOn());
  EXPECT_THAT(w.requests(),
              ElementsAre("0 setComposition off", "0 volume 20", "0 setBrightness 3 20 20"));
  EXPECT_EQ(w.runtime.elapsedMilliseconds(), 200u);
  EXPECT_EQ(w.texts.get(view::Page::Home, kGreenModeCaption), "On");

  w.journal.entries.clear();
  green.toggleGreenMode();
  EXPECT_FALSE(green.greenOn());
  EXPECT_THAT(w.requests(),
              ElementsAre("200 setBrightness 3 80 60", "200 setComposition on", "200 volume 70"));
  EXPECT_THAT(status.texts, ElementsAre("Green Mode", "Normal Mode"));
  EXPECT_THAT(hooks.checks, ElementsAre(true, false));
  EXPECT_EQ(w.texts.get(view::Page::Home, kGreenModeCaption), "Off");
}

TEST_F(GreenModeTest, CompositionOffAtTheStartStaysOff) {
  green.toggleGreenMode();
  green.toggleGreenMode();
  EXPECT_FALSE(green.compositionWasOn());
  for (const auto& entry : w.journal.entries) {
    EXPECT_EQ(entry.find("setComposition"), std::string::npos) << entry;
  }
}

TEST_F(GreenModeTest, RefusedDuringAFastDischargeAfterTheStatusText) {
  hooks.fastDischarge = true;
  green.toggleGreenMode();
  EXPECT_FALSE(green.greenOn());
  EXPECT_THAT(status.texts, ElementsAre("Green Mode"));
  EXPECT_THAT(w.audio.played, ElementsAre(platform::Clip::Refusal));
  EXPECT_THAT(w.requests(), ElementsAre("0 play 1"));
  EXPECT_THAT(hooks.checks, IsEmpty());
}

TEST_F(GreenModeTest, WithoutBrightnessControlOnlyVolumeAndCompositionChange) {
  w.display.supportedLevels = {};
  w.brightness.initBrightness();
  w.journal.entries.clear();
  green.toggleGreenMode();
  green.toggleGreenMode();
  EXPECT_THAT(w.requests(), ElementsAre("0 volume 20", "200 volume 70"));
}

TEST(TaskPriorityTest, ChoosingAPriorityChecksStoresSavesAppliesAndRedraws) {
  platform::sim::SimPower power;
  settings::AppSettings settings;
  GreenHooks hooks;
  fakes::FakeStatusLine status;
  power.observer = [&](const std::string& c) { hooks.events.push_back(c); };
  TaskPriority priority(power, settings, status, hooks);
  priority.choosePriority(4);
  EXPECT_EQ(settings.TaskPriority, 4);
  EXPECT_THAT(hooks.events, ElementsAre("check 4", "save", "setProcessPriority 4", "redraw"));
  EXPECT_THAT(status.texts, IsEmpty());

  // Refused by the system: said on the status line, the choice kept.
  power.requestsSucceed = false;
  priority.choosePriority(2);
  EXPECT_EQ(settings.TaskPriority, 2);
  EXPECT_THAT(status.texts, ElementsAre("The system refused the Normal priority"));
  EXPECT_FALSE(priority.applyTaskPriority());
  EXPECT_EQ(status.texts.size(), 1u) << "the start-up's apply is quiet";
  power.requestsSucceed = true;
  power.calls.clear();

  settings.TaskPriority = 0;  // out of range: the priority stays as it is
  priority.applyTaskPriority();
  settings.TaskPriority = 5;
  priority.applyTaskPriority();
  EXPECT_THAT(power.calls, IsEmpty());
  settings.TaskPriority = 1;
  priority.applyTaskPriority();
  EXPECT_EQ(power.priority, platform::ProcessPriority::Idle);
  EXPECT_STREQ(priorityCaption(4), "Real-time");
}

TEST_F(GreenModeTest, HiddenKeysEnableStandbyAndHibernationWithANotice) {
  fakes::FakeConfirmation confirmation;
  dialogs::DialogHooks dialogHooks;
  dialogs::PendingDialog dialog(confirmation, w.runtime, dialogHooks);
  PowerKeys keys(w.planTool, w.power, dialog, green, hooks);

  EXPECT_TRUE(keys.handleKey('s'));
  EXPECT_TRUE(keys.handleKey('H'));
  EXPECT_TRUE(keys.handleKey('d'));
  EXPECT_FALSE(keys.handleKey('x'));
  EXPECT_THAT(w.planTool.calls, ElementsAre("enableStandby", "setHibernateEnabled on"));
  ASSERT_EQ(confirmation.shown.size(), 2u);
  EXPECT_EQ(confirmation.shown[0].texts,
            (view::ConfirmationTexts{"Standby", "Standby mode has been enabled.", "", ""}));
  EXPECT_EQ(confirmation.shown[1].texts,
            (view::ConfirmationTexts{"Hibernate", "Hibernate mode has been enabled.", "", ""}));
  EXPECT_EQ(confirmation.shown[1].mode, view::ConfirmationMode::Ok);
  EXPECT_THAT(hooks.events, ElementsAre("fast discharge"));

  // Every notice says what really came of the request.
  using platform::PowerSettingChange;
  const auto lines = [&](PowerSettingChange change, bool allowed, char key) {
    w.planTool.settingChange = change;
    w.power.suspendAllowed = allowed;
    w.power.hibernateAllowed = allowed;
    keys.handleKey(key);
    const auto& t = confirmation.last().texts;
    return t.line0 + "|" + t.line1;
  };
  EXPECT_EQ(lines(PowerSettingChange::NotStarted, true, 'S'),
            "Standby mode could not be enabled.|");
  EXPECT_EQ(lines(PowerSettingChange::NotStarted, true, 'H'),
            "Hibernate mode could not be enabled.|");
  EXPECT_EQ(lines(PowerSettingChange::LeftToSystem, true, 'S'),
            "Standby is available on this system.|"
            "When it starts is set in the desktop's power settings.");
  EXPECT_EQ(lines(PowerSettingChange::LeftToSystem, false, 'S'),
            "This system does not allow standby.|");
  EXPECT_EQ(lines(PowerSettingChange::LeftToSystem, true, 'H'),
            "Hibernate mode is available on this system.|");
  EXPECT_EQ(lines(PowerSettingChange::LeftToSystem, false, 'H'),
            "This system does not allow hibernation.|");

  EXPECT_TRUE(keys.handleKey('g'));
  EXPECT_TRUE(green.greenOn());
}

}  // namespace
}  // namespace voltaro::power
