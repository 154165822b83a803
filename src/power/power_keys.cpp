#include "power/power_keys.h"

#include <cctype>

namespace voltaro::power {

PowerKeys::PowerKeys(platform::PowerPlanTool& tool, dialogs::PendingDialog& dialog,
                     GreenMode& green, PowerHooks& hooks)
    : tool_(tool), dialog_(dialog), green_(green), hooks_(hooks) {}

bool PowerKeys::handleKey(char key) {
  switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'S':
      tool_.enableStandby();
      dialog_.ask(dialogs::code::kPowerNotice,
                  view::ConfirmationTexts{"Standby", "Standby mode has been enabled.", "", ""},
                  view::ConfirmationMode::Ok);
      return true;
    case 'H':
      tool_.setHibernateEnabled(true);
      dialog_.ask(dialogs::code::kPowerNotice,
                  view::ConfirmationTexts{"Hibernate", "Hibernate mode has been enabled.", "", ""},
                  view::ConfirmationMode::Ok);
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

}  // namespace voltaro::power
