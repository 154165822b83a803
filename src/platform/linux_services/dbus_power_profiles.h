// Power plans straight from power-profiles-daemon over D-Bus, for systems
// without the powerprofilesctl program. The listing is written in the
// program's own format, so the plan logic reads one format on Linux.
#pragma once

#include <QDBusConnection>
#include <QString>

#include "platform/power.h"

namespace voltaro::platform::linux_services {

class DbusPowerProfilesTool : public PowerPlanTool {
 public:
  explicit DbusPowerProfilesTool(QDBusConnection bus = QDBusConnection::systemBus());

  PlanListingFormat listingFormat() const override { return PlanListingFormat::PowerProfiles; }
  // "* name:" for the active profile, "  name:" for the others, each followed
  // by its driver line and a blank line; empty when the daemon is absent.
  std::string listPlans() override;
  void activatePlan(const std::string& planId) override;
  // Standby and hibernation are the desktop's and logind's to decide.
  PowerSettingChange enableStandby() override { return PowerSettingChange::LeftToSystem; }
  PowerSettingChange setHibernateEnabled(bool) override { return PowerSettingChange::LeftToSystem; }

 private:
  // Finds the daemon under its current name or, before version 0.20,
  // net.hadess.PowerProfiles. False when neither answers.
  bool locate();

  QDBusConnection bus_;
  QString service_;
  QString path_;
};

}  // namespace voltaro::platform::linux_services
