// Simulated power services: answers for the can-checks, a record of every
// requested state, priority and plan change, and a scripted plan listing.
#pragma once

#include <optional>
#include <string>

#include "platform/power.h"
#include "platform/sim/sim_recorder.h"

namespace voltaro::platform::sim {

class SimPower : public Power, public SimRecorder {
 public:
  bool canSuspend() override { return suspendAllowed; }
  bool canHibernate() override { return hibernateAllowed; }
  bool canShutdown() override { return shutdownAllowed; }

  bool suspend(bool force) override {
    record(std::string("suspend ") + (force ? "force" : "normal"));
    return requestsSucceed;
  }
  bool hibernate(bool force) override {
    record(std::string("hibernate ") + (force ? "force" : "normal"));
    return requestsSucceed;
  }
  PowerRequestResult powerOff() override { return shutdownRequest("powerOff"); }
  PowerRequestResult reboot() override { return shutdownRequest("reboot"); }

  bool setProcessPriority(ProcessPriority value) override {
    record("setProcessPriority " + std::to_string(static_cast<int>(value)));
    priority = value;
    return requestsSucceed;
  }
  void beep() override { record("beep"); }

  bool suspendAllowed = true;
  bool hibernateAllowed = true;
  bool shutdownAllowed = true;
  bool requestsSucceed = true;
  std::string privilegeError;  // non-empty: enabling the shut-down privilege fails
  std::optional<ProcessPriority> priority;

 private:
  PowerRequestResult shutdownRequest(const char* name) {
    if (!privilegeError.empty()) return PowerRequestResult{false, privilegeError};
    record(name);
    return PowerRequestResult{requestsSucceed, ""};
  }
};

class SimPowerPlanTool : public PowerPlanTool, public SimRecorder {
 public:
  PlanListingFormat listingFormat() const override { return format; }
  std::string listPlans() override {
    record("listPlans");
    return listing;
  }
  void activatePlan(const std::string& planId) override { record("activatePlan " + planId); }
  PowerSettingChange enableStandby() override {
    record("enableStandby");
    return settingChange;
  }
  PowerSettingChange setHibernateEnabled(bool on) override {
    record(std::string("setHibernateEnabled ") + (on ? "on" : "off"));
    return settingChange;
  }

  PlanListingFormat format = PlanListingFormat::Powercfg;
  PowerSettingChange settingChange = PowerSettingChange::Made;
  std::string listing;  // what the tool prints, lines ended by CR LF
};

}  // namespace voltaro::platform::sim
