// Power plans on Linux through the powerprofilesctl program of
// power-profiles-daemon: "list" for the listing, "set NAME" to switch.
// Standby and hibernation need no enabling there (logind decides).
#pragma once

#include "platform/power.h"
#include "platform/shell.h"

namespace voltaro::platform::linux_services {

class PowerProfilesCtlTool : public PowerPlanTool {
 public:
  explicit PowerProfilesCtlTool(Shell& shell) : shell_(shell) {}

  PlanListingFormat listingFormat() const override { return PlanListingFormat::PowerProfiles; }
  std::string listPlans() override;
  void activatePlan(const std::string& planId) override;
  // Standby and hibernation are the desktop's and logind's to decide.
  PowerSettingChange enableStandby() override { return PowerSettingChange::LeftToSystem; }
  PowerSettingChange setHibernateEnabled(bool) override { return PowerSettingChange::LeftToSystem; }

 private:
  Shell& shell_;
};

}  // namespace voltaro::platform::linux_services
