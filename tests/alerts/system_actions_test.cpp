#include "alerts/system_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "alerts_fixture.h"

namespace voltaro::alerts {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SystemActionsTest : public ::testing::Test {
 protected:
  testing::AlertsWorld w;
};

TEST_F(SystemActionsTest, VolumeStepsMoveTwoPercentEachWithinTheRange) {
  w.audio.volume = 70;
  w.actions.volumeSteps(VolumeDirection::Down, 25);
  EXPECT_EQ(w.audio.volume, 20);
  w.actions.volumeSteps(VolumeDirection::Down, kMuteSteps);
  EXPECT_EQ(w.audio.volume, 0);
  w.actions.volumeSteps(VolumeDirection::Up, 25);
  EXPECT_EQ(w.audio.volume, 50);
  w.actions.volumeSteps(VolumeDirection::Up, 50);
  EXPECT_EQ(w.audio.volume, 100);

  w.audio.volume = std::nullopt;  // no mixer
  w.actions.volumeSteps(VolumeDirection::Up, 5);
  EXPECT_THAT(w.journal.entries,
              ElementsAre("0 volume 20", "0 volume 0", "0 volume 50", "0 volume 100"));
}

TEST_F(SystemActionsTest, CompositionReturnsOnAcOnlyWhenAskedAndOff) {
  w.actions.onAcReturn();
  EXPECT_FALSE(w.display.compositionOn);
  w.settings.EnableAeroOnAC = 1;
  w.display.compositionOn = true;
  w.actions.onAcReturn();
  EXPECT_THAT(w.display.calls, IsEmpty());
  w.display.compositionOn = false;
  w.actions.onAcReturn();
  EXPECT_THAT(w.display.calls, ElementsAre("setComposition on"));
}

TEST_F(SystemActionsTest, TrayStandbyFallsBackToHibernationWithABeep) {
  w.actions.trayStandby();
  w.power.suspendAllowed = false;
  w.actions.trayStandby();
  w.power.hibernateAllowed = false;
  w.actions.trayStandby();
  EXPECT_THAT(w.power.calls, ElementsAre("suspend normal", "beep", "hibernate normal", "beep"));
}

TEST_F(SystemActionsTest, TrayHibernateEnablesHibernationFirstThenForces) {
  w.actions.trayHibernate();
  w.power.hibernateAllowed = false;
  w.actions.trayHibernate();
  EXPECT_THAT(w.requests(), ElementsAre("0 setHibernateEnabled on", "0 hibernate force",
                                        "0 setHibernateEnabled on"));
}

TEST_F(SystemActionsTest, ALaunchOrMonitorOffThatFailsIsSaidOnTheStatusLine) {
  w.actions.launchProgram("/opt/backup.sh");
  w.actions.monitorOff();
  EXPECT_THAT(w.status.texts, IsEmpty());
  w.shell.startSucceeds = false;
  w.display.monitorOffWorks = false;
  w.actions.launchProgram("/opt/backup.sh");
  w.actions.monitorOff();
  EXPECT_THAT(w.shell.calls, ElementsAre("open /opt/backup.sh", "open /opt/backup.sh"));
  EXPECT_THAT(w.status.texts, ElementsAre("Cannot launch /opt/backup.sh",
                                          "Monitor Off is not available on this desktop"));
}

TEST_F(SystemActionsTest, ShutDownNeedsPermissionRestartDoesNot) {
  w.power.shutdownAllowed = false;
  w.actions.trayShutDown();
  w.actions.trayRestart();
  w.power.shutdownAllowed = true;
  w.actions.trayShutDown();
  EXPECT_THAT(w.power.calls, ElementsAre("reboot", "powerOff"));
  EXPECT_THAT(w.errors.messages, IsEmpty());
}

TEST_F(SystemActionsTest, ARefusedPrivilegeIsReportedAndNothingIsRequested) {
  w.power.privilegeError = "A required privilege is not held by the client.";
  w.actions.trayRestart();
  w.actions.trayShutDown();
  EXPECT_THAT(w.power.calls, IsEmpty());
  EXPECT_THAT(w.errors.messages, ElementsAre("A required privilege is not held by the client.",
                                             "A required privilege is not held by the client."));
}

}  // namespace
}  // namespace voltaro::alerts
