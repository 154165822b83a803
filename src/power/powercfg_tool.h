// The power-plan tool of Windows, "powercfg", driven through the shell port:
// the listing goes through a transient output file, the changes run
// elevated.
#pragma once

#include "platform/power.h"
#include "platform/shell.h"

namespace voltaro::power {

class PowercfgTool : public platform::PowerPlanTool {
 public:
  explicit PowercfgTool(platform::Shell& shell) : shell_(shell) {}

  platform::PlanListingFormat listingFormat() const override {
    return platform::PlanListingFormat::Powercfg;
  }
  std::string listPlans() override;
  // "POWERCFG -SETACTIVE " + the GUID field (the GUID and one blank).
  void activatePlan(const std::string& planId) override;
  platform::PowerSettingChange enableStandby() override;
  platform::PowerSettingChange setHibernateEnabled(bool on) override;

 private:
  platform::Shell& shell_;
};

}  // namespace voltaro::power
