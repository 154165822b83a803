// The main window on the whole engine: the top bar and its pages, the round
// controls' press, drag and release rules, each page control reaching its
// setting or operation, the keyboard table and the first-run rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <functional>
#include <string>
#include <vector>

#include "app/window_harness.h"

namespace voltaro::testing {
namespace {

using app::PageNumber;
using view::Page;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(harness.start(), 0); }
  TemporaryFolder documents;
  WindowHarness harness{documents.path()};
};

TEST_F(MainWindowTest, EachTopBarButtonShowsItsPageAndThePageButtonChangesNothing) {
  struct Row {
    int control;
    PageNumber page;
    const char* title;
  };
  const Row rows[] = {
      {2, PageNumber::Graph, "Graph"},   {3, PageNumber::Settings, "Settings"},
      {4, PageNumber::Alerts, "Alerts"}, {5, PageNumber::Calibrate, "Calibrate"},
      {11, PageNumber::Home, "Home"},    {1, PageNumber::Information, "Information"}};
  int shown = 0;
  harness.window.pageShown = [&shown](PageNumber) { ++shown; };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    harness.click(row.control, 45, 45);
    EXPECT_EQ(harness.window.currentPage(), row.page);
    for (int p = 1; p <= app::kPageCount; ++p) {
      EXPECT_EQ(harness.window.pagePanel(static_cast<PageNumber>(p))->isVisibleTo(&harness.window),
                p == static_cast<int>(row.page));
    }
    const int before = shown;
    harness.click(row.control, 45, 45);
    EXPECT_EQ(harness.window.currentPage(), row.page);
    EXPECT_EQ(shown, before) << "the current page's button reported a page change";
  }
  EXPECT_EQ(shown, 6);
}

TEST_F(MainWindowTest, PressInTheCornerOfASwitchDragsTheWindowInsteadOfSwitching) {
  const std::uint8_t before = harness.settings().ExitConfirmation;
  harness.pressAndRelease(24, {1, 1}, {1, 1});
  EXPECT_EQ(harness.settings().ExitConfirmation, before);
  EXPECT_FALSE(harness.window.dragging()) << "the release ends the drag";
  EXPECT_TRUE(harness.audio.played.empty()) << "a drag gives no click";
  // A corner press with a move carries the window along.
  const QPoint start = harness.window.pos();
  harness.pressAndRelease(24, {1, 1}, {31, 21});
  EXPECT_EQ(harness.window.pos(), start + QPoint(30, 20));
  EXPECT_EQ(harness.settings().ExitConfirmation, before);
  // The same switch pressed in its middle flips.
  harness.click(24);
  EXPECT_NE(harness.settings().ExitConfirmation, before);
  ASSERT_EQ(harness.audio.played.size(), 1U);
  EXPECT_EQ(harness.audio.played[0], platform::Clip::Click);
}

TEST_F(MainWindowTest, APressOnAnEmptyAreaDragsTheWindowAndRestsTheControls) {
  harness.click(3, 45, 45);  // the Settings page
  WindowHarness::sendMouse(harness.window.control(20), QEvent::MouseMove, {13, 13}, Qt::NoButton);
  ASSERT_EQ(harness.window.controls().visual(20), app::Visual::Hot);
  QWidget* panel = harness.window.pagePanel(PageNumber::Settings);
  const QPoint start = harness.window.pos();
  WindowHarness::sendMouse(panel, QEvent::MouseButtonPress, {400, 300}, Qt::LeftButton);
  WindowHarness::sendMouse(panel, QEvent::MouseMove, {425, 310}, Qt::LeftButton);
  WindowHarness::sendMouse(panel, QEvent::MouseButtonRelease, {425, 310}, Qt::NoButton);
  EXPECT_EQ(harness.window.pos(), start + QPoint(25, 10));
  EXPECT_EQ(harness.window.controls().visual(20), app::Visual::Resting);
  EXPECT_FALSE(harness.window.dragging());
  // The bottom bar of the window itself drags as well.
  WindowHarness::sendMouse(&harness.window, QEvent::MouseButtonPress, {600, 650}, Qt::LeftButton);
  WindowHarness::sendMouse(&harness.window, QEvent::MouseMove, {590, 655}, Qt::LeftButton);
  WindowHarness::sendMouse(&harness.window, QEvent::MouseButtonRelease, {590, 655}, Qt::NoButton);
  EXPECT_EQ(harness.window.pos(), start + QPoint(15, 15));
  // A move without a press no longer drags.
  WindowHarness::sendMouse(panel, QEvent::MouseMove, {500, 400}, Qt::NoButton);
  EXPECT_EQ(harness.window.pos(), start + QPoint(15, 15));
}

TEST_F(MainWindowTest, PressMoveOffAndReleaseStillRunsTheCommand) {
  const std::uint8_t before = harness.settings().PlayVoices;
  harness.pressAndRelease(32, {13, 13}, {60, 40});
  EXPECT_NE(harness.settings().PlayVoices, before);
  EXPECT_EQ(harness.window.controls().visual(32), app::Visual::Resting);
  EXPECT_FALSE(harness.window.controls().pressed(32));
}

TEST_F(MainWindowTest, ThePressedLookFollowsThePointer) {
  auto* image = harness.window.control(26);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(13, 13), QPointF(13, 13),
                    QPointF(image->mapToGlobal(QPoint(13, 13))), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(image, &press);
  EXPECT_EQ(image->frame(), 2);
  QMouseEvent away(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2),
                   QPointF(image->mapToGlobal(QPoint(2, 2))), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(image, &away);
  EXPECT_EQ(image->frame(), 0) << "outside the round area the control rests";
  QMouseEvent back(QEvent::MouseMove, QPointF(13, 13), QPointF(13, 13),
                   QPointF(image->mapToGlobal(QPoint(13, 13))), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(image, &back);
  EXPECT_EQ(image->frame(), 2) << "back inside while still pressed";
}

// One row per control: what the control must change. Each check reads the
// state before and after one click.
struct ControlCase {
  int control;
  std::function<std::string(WindowHarness&)> observe;
};

std::string field(std::uint8_t value) {
  return std::to_string(value);
}

TEST_F(MainWindowTest, EachPageControlChangesItsSettingOrCallsItsOperation) {
  auto s = [](std::uint8_t settings::AppSettings::*f) {
    return [f](WindowHarness& h) { return field(h.settings().*f); };
  };
  auto shellCalls = [](WindowHarness& h) { return std::to_string(h.shell.calls.size()); };
  auto asked = [](WindowHarness& h) {
    return h.confirmation.shown.empty()
               ? std::string()
               : h.confirmation.last().texts.line0 + h.confirmation.last().texts.line1 +
                     std::to_string(h.confirmation.shown.size());
  };
  using S = settings::AppSettings;
  const std::vector<ControlCase> cases = {
      // Settings page
      {20, s(&S::AutoRun)},
      {21, s(&S::DischargeLog)},
      {22, s(&S::CalibrationLog)},
      {23, s(&S::BatteryOnTop)},
      {24, s(&S::ExitConfirmation)},
      {25, s(&S::SmoothGraphics)},
      {26, s(&S::PlaySounds)},
      {27, s(&S::EnableAeroOnAC)},
      {32, s(&S::PlayVoices)},
      {33, s(&S::ShowBatteryGadget)},
      {34, s(&S::ShowGadgetHints)},
      {35, s(&S::ShowIconMenu)},
      {61, s(&S::GadgetShowCapacity)},
      {62, s(&S::GadgetShowTimeRemaining)},
      {63, s(&S::GadgetShowCpuUsage)},
      {80, s(&S::FilledGraphics)},
      {83, s(&S::DischargeLine)},
      {84, s(&S::SmallSizeGadget)},
      {85, s(&S::Style3DGadget)},
      {86, s(&S::ShowBatteryAdvice)},
      {64, s(&S::TaskPriority)},
      {88, s(&S::TaskPriority)},
      {89, s(&S::TaskPriority)},
      {87, s(&S::TaskPriority)},
      {30, asked},
      {31, [](WindowHarness& h) { return std::to_string(h.advice.fills); }},
      // Alerts page
      {36, s(&S::WarningEnabled)},
      {37, s(&S::WarningInMinutes)},
      {38, s(&S::WarningLevel)},
      {39, s(&S::WarningLevel)},
      {40, s(&S::WarnMuteSpeakers)},
      {41, s(&S::WarnDisableAero)},
      {43, s(&S::WarnLaunchProgram)},
      {44, s(&S::WarnAdjustBrightness)},
      {42, [](WindowHarness& h) { return std::to_string(h.fileDialogs.openRequests.size()); }},
      {46, s(&S::WarnBrightnessLevel)},
      {45, s(&S::WarnBrightnessLevel)},
      {47, [](WindowHarness& h) { return std::to_string(h.display.calls.size()); }},
      {48, s(&S::CriticalEnabled)},
      {49, s(&S::CriticalInMinutes)},
      {50, s(&S::CriticalLevel)},
      {51, s(&S::CriticalLevel)},
      {52, s(&S::CritMonitorOff)},
      {53, s(&S::CritSystemStandby)},
      {54, s(&S::CritSystemHibernate)},
      {55, s(&S::CritForceStandby)},
      {56, s(&S::CritForceHibernate)},
      {57, s(&S::CritShowMessage)},
      // Calibrate page
      {66, [](WindowHarness& h) { return std::to_string(h.fileDialogs.saveRequests.size()); }},
      {65, [](WindowHarness& h) { return std::to_string(h.fileDialogs.openRequests.size()); }},
      {67, asked},
      {58,
       [](WindowHarness& h) {
         return std::to_string(h.confirmation.shown.size() + h.parameters.fills.size());
       }},
      {68, [](WindowHarness& h) { return std::to_string(h.confirmation.shown.size()); }},
      {71, s(&S::FastDischargeCpuLoad)},
      {74, s(&S::FastDischargeBrightness)},
      {77, s(&S::FastDischargeDiscActivity)},
      {76, s(&S::FastDischargeBrightnessLevel)},
      {75, s(&S::FastDischargeBrightnessLevel)},
      {70, [](WindowHarness& h) { return std::to_string(h.settings().FastDischargeMinutes); }},
      {69, [](WindowHarness& h) { return std::to_string(h.settings().FastDischargeMinutes); }},
      {73, s(&S::FastDischargeCpuThreads)},
      {72, s(&S::FastDischargeCpuThreads)},
      {79, s(&S::FastDischargeDiscPercent)},
      {78, s(&S::FastDischargeDiscPercent)},
      {90, shellCalls},
      // Graph page: the newest hour at first, so zoom out before moving.
      {60, [](WindowHarness& h) { return std::to_string(h.engine().history().zoom()); }},
      {81, [](WindowHarness& h) { return std::to_string(h.engine().history().origin()); }},
      {82, [](WindowHarness& h) { return std::to_string(h.engine().history().origin()); }},
      {59, [](WindowHarness& h) { return std::to_string(h.engine().history().zoom()); }},
      // Home page
      {13, shellCalls},
      {14, shellCalls},
      {15, shellCalls},
  };
  // The warning level in the middle of its range, so both arrows move it.
  harness.settings().WarningLevel = 50;
  harness.settings().CriticalLevel = 50;
  harness.settings().WarnBrightnessLevel = 60;
  harness.settings().FastDischargeCpuThreads = 2;
  harness.settings().FastDischargeDiscPercent = 50;
  harness.settings().FastDischargeBrightnessLevel = 60;
  for (const ControlCase& c : cases) {
    SCOPED_TRACE("control " + std::to_string(c.control));
    const std::string before = c.observe(harness);
    harness.click(c.control);
    EXPECT_NE(c.observe(harness), before);
  }
}

TEST_F(MainWindowTest, SwitchesShowTheirSettingAndTheCriticalActionsExcludeEachOther) {
  harness.settings().CritMonitorOff = 1;
  harness.window.redrawAllControls();
  harness.click(53);
  EXPECT_EQ(harness.settings().CritSystemStandby, 1);
  EXPECT_EQ(harness.settings().CritMonitorOff, 0);
  // The pictures follow: the "on" look is green in its middle, "off" dark.
  const QColor on = harness.window.control(53)->grab().toImage().pixelColor(13, 6);
  const QColor off = harness.window.control(52)->grab().toImage().pixelColor(13, 6);
  EXPECT_GT(on.green(), 120);
  EXPECT_LT(off.green(), 100);
}

TEST_F(MainWindowTest, TheCalibratePageShowsWhetherTheFastDischargeRuns) {
  harness.window.showPage(PageNumber::Calibrate);
  EXPECT_EQ(harness.window.valueText(Page::Calibrate, "Fast Discharge"), "Off");
  harness.engine().fastDischarge().startFastDischarge();
  EXPECT_EQ(harness.window.valueText(Page::Calibrate, "Fast Discharge"), "On");
  harness.engine().fastDischarge().stopFastDischarge();
  EXPECT_EQ(harness.window.valueText(Page::Calibrate, "Fast Discharge"), "Off");
}

TEST_F(MainWindowTest, ShiftStepsTheWarningLevelByTenWithinItsBounds) {
  harness.settings().WarningLevel = 5;
  harness.pressAndRelease(38, {13, 13}, {13, 13}, Qt::ShiftModifier);
  EXPECT_EQ(harness.settings().WarningLevel, 1);
  harness.settings().WarningLevel = 95;
  harness.pressAndRelease(39, {13, 13}, {13, 13}, Qt::ShiftModifier);
  EXPECT_EQ(harness.settings().WarningLevel, 99);
  EXPECT_EQ(harness.engine().texts().get(Page::Alerts, "Warning Level"), "99 %");
  EXPECT_EQ(harness.window.valueText(Page::Alerts, "Warning Level"), "99 %");
}

void type(QWidget& window, char key) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(key)));
  QApplication::sendEvent(&window, &press);
}

TEST_F(MainWindowTest, KeyboardTable) {
  auto& s = harness.settings();
  ASSERT_EQ(s.DigitGrouping, 1);
  type(harness.window, ',');
  EXPECT_EQ(s.DigitGrouping, 0) << "',' at commas returns to none";
  type(harness.window, ',');
  EXPECT_EQ(s.DigitGrouping, 1);
  type(harness.window, '.');
  EXPECT_EQ(s.DigitGrouping, 2) << "'.' after ',' switches to points";
  type(harness.window, ' ');
  EXPECT_EQ(s.DigitGrouping, 0);

  const std::uint8_t balloons = s.BalloonHints;
  type(harness.window, 'b');
  EXPECT_NE(s.BalloonHints, balloons);
  EXPECT_EQ(harness.confirmation.last().texts.title, "Hints");

  const int fills = harness.advice.fills;
  type(harness.window, 'a');
  EXPECT_EQ(harness.advice.fills, fills + 1);

  const bool green = harness.engine().greenMode().greenOn();
  type(harness.window, 'g');
  EXPECT_NE(harness.engine().greenMode().greenOn(), green);
  EXPECT_EQ(harness.window.valueText(Page::Home, "Green"), green ? "Off" : "On");

  type(harness.window, 's');
  EXPECT_EQ(harness.confirmation.last().texts.title, "Standby");
  type(harness.window, 'h');
  EXPECT_EQ(harness.confirmation.last().texts.title, "Hibernate");

  // "C" and "D" start the calibration's and the fast discharge's questions.
  const std::size_t beforeCalibration =
      harness.confirmation.shown.size() + harness.parameters.fills.size();
  type(harness.window, 'c');
  EXPECT_GT(harness.confirmation.shown.size() + harness.parameters.fills.size(), beforeCalibration);
  const std::size_t beforeFastDischarge = harness.confirmation.shown.size();
  type(harness.window, 'd');
  EXPECT_EQ(harness.confirmation.shown.size(), beforeFastDischarge + 1) << "asked exactly once";

  const std::size_t asked = harness.confirmation.shown.size();
  type(harness.window, 'x');
  EXPECT_EQ(harness.confirmation.shown.size(), asked) << "other keys do nothing";
}

TEST_F(MainWindowTest, TextsFromOutsideAreShownAsPlainText) {
  const std::string markup = "<h1 style='color:red'>Big</h1>";
  harness.engine().texts().set(Page::Information, "Device Name", markup);
  EXPECT_EQ(harness.window.valueText(Page::Information, "Device Name").toStdString(), markup);
  int textLabels = 0;
  for (const QLabel* label : harness.window.findChildren<QLabel*>()) {
    if (!label->pixmap().isNull()) continue;
    ++textLabels;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
  }
  EXPECT_GT(textLabels, 100);
}

TEST_F(MainWindowTest, StatusLineIsGreyForFourHundredMillisecondsThenBlack) {
  // A timer that fires inside the status line's wait sees the grey text.
  std::vector<QColor> seen;
  auto early = harness.runtime.createTimer();
  early->setInterval(300);
  early->setHandler([&] {
    seen.push_back(harness.window.statusColour());
    early->setEnabled(false);
  });
  early->setEnabled(true);
  const std::uint32_t before = harness.runtime.tickCount();
  harness.window.show(std::string("Standby"));
  EXPECT_GE(harness.runtime.tickCount() - before, 400U);
  EXPECT_EQ(harness.window.statusText(), "Standby");
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0], QColor(147, 149, 153));
  EXPECT_EQ(harness.window.statusColour(), QColor(Qt::black));
}

TEST_F(MainWindowTest, TheExitButtonAsksAndOnlyYesEnds) {
  harness.settings().ExitConfirmation = 1;
  harness.click(7, 45, 45);
  ASSERT_FALSE(harness.confirmation.shown.empty());
  EXPECT_EQ(harness.confirmation.last().texts.line1, "Close Voltaro?");
  harness.engine().dialog().answerNo();
  EXPECT_FALSE(harness.engine().exited());
  harness.click(7, 45, 45);
  harness.engine().dialog().answerYes();
  EXPECT_TRUE(harness.engine().exited());
}

TEST_F(MainWindowTest, WithoutConfirmationTheExitButtonEndsAtOnce) {
  harness.settings().ExitConfirmation = 0;
  const std::size_t asked = harness.confirmation.shown.size();
  harness.click(7, 45, 45);
  EXPECT_TRUE(harness.engine().exited());
  EXPECT_EQ(harness.confirmation.shown.size(), asked);
}

TEST(FirstRun, TheFirstRunShowsTheWindowAndALaterRunDoesNot) {
  TemporaryFolder documents;
  {
    WindowHarness first(documents.path());
    ASSERT_EQ(first.start(), 0);
    EXPECT_TRUE(first.window.isVisible());
    first.settings().ExitConfirmation = 0;
    first.engine().exitProcedure();  // saves the settings file
  }
  WindowHarness later(documents.path());
  ASSERT_EQ(later.start(), 0);
  EXPECT_FALSE(later.engine().firstRun());
  EXPECT_FALSE(later.window.isVisible());
}

// Hidden in the tray the window holds none of its decoded pictures, however
// the monitoring redraws; shown again it paints them as before.
TEST(WindowPictures, TheWindowHoldsItsPicturesOnlyWhileShown) {
  TemporaryFolder documents;
  WindowHarness harness(documents.path());
  ASSERT_EQ(harness.start(), 0);  // a first run: the window is shown
  app::MainWindow& window = harness.window;
  const auto picturedLabels = [&window] {
    int count = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) count += !label->pixmap().isNull();
    return count;
  };
  window.showPage(PageNumber::Graph);
  EXPECT_TRUE(window.holdsPictures());
  EXPECT_EQ(picturedLabels(), 3);  // the gauge, the graph and the logo
  const QImage gauge = window.gaugeImage().copy();

  window.hideToTray();
  EXPECT_FALSE(window.holdsPictures());
  EXPECT_EQ(picturedLabels(), 0);
  window.drawgauge();
  window.drawAxes();
  window.redrawAllControls();
  EXPECT_FALSE(window.holdsPictures()) << "a redraw while hidden decoded the pictures";

  window.showFromTray();
  EXPECT_TRUE(window.holdsPictures());
  EXPECT_EQ(picturedLabels(), 3);
  EXPECT_EQ(window.gaugeImage(), gauge);
}

}  // namespace
}  // namespace voltaro::testing
