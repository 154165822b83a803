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
  void enableStandby() override {}
  void setHibernateEnabled(bool) override {}

 private:
  Shell& shell_;
};

}  // namespace voltaro::platform::linux_services
