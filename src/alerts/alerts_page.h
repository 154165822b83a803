// The editing operations of the Alerts page. Each click changes AppSettings
// in memory (only a chosen launch program is saved at once) and rewrites the
// page's captions; the window redraws the toggle images from the settings
// after every call.
#pragma once

#include <cstdint>
#include <string>

#include "alerts/alert_rules.h"
#include "alerts/alerts_hooks.h"
#include "alerts/brightness_control.h"
#include "platform/audio.h"
#include "settings/app_settings.h"
#include "view/file_dialog_port.h"
#include "view/shown_texts.h"

namespace voltaro::alerts {

// Captions of the level values on the Alerts page.
inline constexpr const char* kWarningLevelCaption = "Warning Level";
inline constexpr const char* kCriticalLevelCaption = "Critical Level";

inline constexpr std::uint8_t kMinimumAlertLevel = 1;
inline constexpr std::uint8_t kMaximumAlertLevel = 99;
inline constexpr int kShiftLevelStep = 10;

inline constexpr const char* kLaunchProgramFilter = "exe|*.exe|com|*.com|bat|*.bat|all files|*.*";

enum class AlertColumn { Warning, Critical };

// The three critical power actions, of which at most one is on.
enum class CriticalPowerAction { MonitorOff, SystemStandby, SystemHibernate };

// A level moved by one of the level buttons: plain steps of 1, Shift steps of
// 10, always within 1..99.
std::uint8_t levelAfterMinus(std::uint8_t level, bool shift);
std::uint8_t levelAfterPlus(std::uint8_t level, bool shift);

class AlertsPage {
 public:
  AlertsPage(settings::AppSettings& settings, AlertRules& rules, BrightnessControl& brightness,
             platform::Audio& audio, view::FileDialogPort& files, view::ShownTexts& texts,
             AlertsHooks& hooks);

  // Writes every caption of the page from the settings.
  void showTexts();

  // "Enabled": switching on re-arms the alert, switching off leaves its flag.
  void toggleEnabled(AlertColumn column);
  // "Minutes Count": the level caption then reads "N m" or "N %".
  void toggleMinutes(AlertColumn column);
  // The level buttons; the caption then reads "N min" or "N %".
  void levelMinus(AlertColumn column, bool shift);
  void levelPlus(AlertColumn column, bool shift);

  void toggleMuteSpeakers() { flip(settings_.WarnMuteSpeakers); }
  void toggleDisableAero() { flip(settings_.WarnDisableAero); }
  void toggleLaunchProgram() { flip(settings_.WarnLaunchProgram); }
  void toggleAdjustBrightness() { flip(settings_.WarnAdjustBrightness); }
  // The browse button of "Launch a Program": a chosen file is stored and the
  // settings are saved at once.
  void browseLaunchProgram();

  // The brightness level buttons walk the supported-level list; refused with
  // the refusal sound when brightness control is not available.
  void brightnessMinus();
  void brightnessPlus();
  void testBrightness() { brightness_.testBrightness(); }

  // Switching one of the three power actions on switches the other two off.
  void toggleCriticalAction(CriticalPowerAction action);
  void toggleForceStandby() { flip(settings_.CritForceStandby); }
  void toggleForceHibernate() { flip(settings_.CritForceHibernate); }
  void toggleShowMessage() { flip(settings_.CritShowMessage); }

 private:
  static void flip(std::uint8_t& field) { field = field != 0 ? 0 : 1; }
  std::uint8_t& levelField(AlertColumn column);
  bool inMinutes(AlertColumn column) const;
  void showLevel(AlertColumn column, const char* minutesUnit);
  void moveBrightness(bool up);

  settings::AppSettings& settings_;
  AlertRules& rules_;
  BrightnessControl& brightness_;
  platform::Audio& audio_;
  view::FileDialogPort& files_;
  view::ShownTexts& texts_;
  AlertsHooks& hooks_;
};

}  // namespace voltaro::alerts
