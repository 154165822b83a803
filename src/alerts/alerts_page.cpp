#include "alerts/alerts_page.h"

#include <filesystem>

#include "alerts/sounds.h"

namespace voltaro::alerts {

namespace {
constexpr const char* kMinutesUnitAfterToggle = " m";
constexpr const char* kMinutesUnitAfterStep = " min";
constexpr const char* kPercentUnit = " %";

const char* levelCaption(AlertColumn column) {
  return column == AlertColumn::Warning ? kWarningLevelCaption : kCriticalLevelCaption;
}
}  // namespace

std::uint8_t levelAfterMinus(std::uint8_t level, bool shift) {
  const int step = shift ? kShiftLevelStep : 1;
  const int lowered = level - step;
  return static_cast<std::uint8_t>(lowered < kMinimumAlertLevel ? kMinimumAlertLevel : lowered);
}

std::uint8_t levelAfterPlus(std::uint8_t level, bool shift) {
  const int step = shift ? kShiftLevelStep : 1;
  const int raised = level + step;
  return static_cast<std::uint8_t>(raised > kMaximumAlertLevel ? kMaximumAlertLevel : raised);
}

AlertsPage::AlertsPage(settings::AppSettings& settings, AlertRules& rules,
                       BrightnessControl& brightness, platform::Audio& audio,
                       view::FileDialogPort& files, view::ShownTexts& texts, AlertsHooks& hooks)
    : settings_(settings),
      rules_(rules),
      brightness_(brightness),
      audio_(audio),
      files_(files),
      texts_(texts),
      hooks_(hooks) {}

void AlertsPage::showTexts() {
  showLevel(AlertColumn::Warning, kMinutesUnitAfterToggle);
  showLevel(AlertColumn::Critical, kMinutesUnitAfterToggle);
  brightness_.showLevelCaption();
}

std::uint8_t& AlertsPage::levelField(AlertColumn column) {
  return column == AlertColumn::Warning ? settings_.WarningLevel : settings_.CriticalLevel;
}

bool AlertsPage::inMinutes(AlertColumn column) const {
  return (column == AlertColumn::Warning ? settings_.WarningInMinutes
                                         : settings_.CriticalInMinutes) != 0;
}

void AlertsPage::showLevel(AlertColumn column, const char* minutesUnit) {
  texts_.set(view::Page::Alerts, levelCaption(column),
             std::to_string(levelField(column)) + (inMinutes(column) ? minutesUnit : kPercentUnit));
}

void AlertsPage::toggleEnabled(AlertColumn column) {
  std::uint8_t& enabled =
      column == AlertColumn::Warning ? settings_.WarningEnabled : settings_.CriticalEnabled;
  flip(enabled);
  if (enabled == 0) return;
  if (column == AlertColumn::Warning) {
    rules_.rearmWarning();
  } else {
    rules_.rearmCritical();
  }
}

void AlertsPage::toggleMinutes(AlertColumn column) {
  flip(column == AlertColumn::Warning ? settings_.WarningInMinutes : settings_.CriticalInMinutes);
  showLevel(column, kMinutesUnitAfterToggle);
}

void AlertsPage::levelMinus(AlertColumn column, bool shift) {
  levelField(column) = levelAfterMinus(levelField(column), shift);
  showLevel(column, kMinutesUnitAfterStep);
}

void AlertsPage::levelPlus(AlertColumn column, bool shift) {
  levelField(column) = levelAfterPlus(levelField(column), shift);
  showLevel(column, kMinutesUnitAfterStep);
}

void AlertsPage::browseLaunchProgram() {
  view::FileDialogRequest request;
  request.filter = kLaunchProgramFilter;
  if (!settings_.LaunchProgramPath.empty()) {
    const std::filesystem::path current(settings_.LaunchProgramPath);
    request.folder = current.parent_path().string();
    request.fileName = current.filename().string();
  }
  const auto chosen = files_.openFile(request);
  if (!chosen) return;
  settings_.LaunchProgramPath = *chosen;
  hooks_.saveSettings();
}

void AlertsPage::brightnessMinus() {
  moveBrightness(false);
}
void AlertsPage::brightnessPlus() {
  moveBrightness(true);
}

void AlertsPage::moveBrightness(bool up) {
  if (!brightness_.available()) {
    playRefusal(audio_, settings_);
    return;
  }
  const auto moved = up ? brightness_.nextLevel(settings_.WarnBrightnessLevel)
                        : brightness_.previousLevel(settings_.WarnBrightnessLevel);
  if (!moved) return;
  settings_.WarnBrightnessLevel = *moved;
  brightness_.showLevelCaption();
}

void AlertsPage::toggleCriticalAction(CriticalPowerAction action) {
  std::uint8_t* fields[] = {&settings_.CritMonitorOff, &settings_.CritSystemStandby,
                            &settings_.CritSystemHibernate};
  std::uint8_t& chosen = *fields[static_cast<int>(action)];
  flip(chosen);
  if (chosen == 0) return;
  for (std::uint8_t* field : fields) {
    if (field != &chosen) *field = 0;
  }
}

}  // namespace voltaro::alerts
