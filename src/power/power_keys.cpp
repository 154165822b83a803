#include "power/power_keys.h"

#include <cctype>

namespace voltaro::power {

using platform::PowerSettingChange;
using view::ConfirmationTexts;

PowerKeys::PowerKeys(platform::PowerPlanTool& tool, platform::Power& power,
                     dialogs::PendingDialog& dialog, GreenMode& green, PowerHooks& hooks)
    : tool_(tool), power_(power), dialog_(dialog), green_(green), hooks_(hooks) {}

bool PowerKeys::handleKey(char key) {
  switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'S':
      enableStandby();
      return true;
    case 'H':
      enableHibernation();
      return true;
    case 'G':
      green_.toggleGreenMode();
      return true;
    case 'D':
      hooks_.fastDischargeCommand();
      return true;
    default:
      return false;
  }
}

void PowerKeys::enableStandby() {
  ConfirmationTexts texts{"Standby", "", "", ""};
  switch (tool_.enableStandby()) {
    case PowerSettingChange::Made:
      texts.line0 = "Standby mode has been enabled.";
      break;
    case PowerSettingChange::NotStarted:
      texts.line0 = "Standby mode could not be enabled.";
      break;
    case PowerSettingChange::LeftToSystem:
      if (power_.canSuspend()) {
        texts.line0 = "Standby is available on this system.";
        texts.line1 = "When it starts is set in the desktop's power settings.";
      } else {
        texts.line0 = "This system does not allow standby.";
      }
      break;
  }
  dialog_.ask(dialogs::code::kPowerNotice, texts, view::ConfirmationMode::Ok);
}

void PowerKeys::enableHibernation() {
  ConfirmationTexts texts{"Hibernate", "", "", ""};
  switch (tool_.setHibernateEnabled(true)) {
    case PowerSettingChange::Made:
      texts.line0 = "Hibernate mode has been enabled.";
      break;
    case PowerSettingChange::NotStarted:
      texts.line0 = "Hibernate mode could not be enabled.";
      break;
    case PowerSettingChange::LeftToSystem:
      texts.line0 = power_.canHibernate() ? "Hibernate mode is available on this system."
                                          : "This system does not allow hibernation.";
      break;
  }
  dialog_.ask(dialogs::code::kPowerNotice, texts, view::ConfirmationMode::Ok);
}

}  // namespace voltaro::power
