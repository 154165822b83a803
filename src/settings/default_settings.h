// The "Default Settings" action of the Settings page.
#pragma once

#include "settings/app_settings.h"

namespace voltaro::settings {

class SettingsHooks;

// Puts the settings back to their "Default Settings" values and brings the
// tray checks, the gadget and the pages in line. Leaves `WarnBrightnessLevel`,
// `LaunchProgramPath`, `DigitGrouping` and every fast-discharge field alone.
// Writes nothing itself: a gadget re-layout saves the record as it is then.
void applyDefaultSettings(AppSettings& settings, SettingsHooks& hooks);

}  // namespace voltaro::settings
