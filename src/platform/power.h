// Power services: standby, hibernation, shut-down and restart, the process
// priority, and the system's power-plan tool.
//
// Backends: LogindPower (linux/, org.freedesktop.login1 over D-Bus),
// PowerProfilesCtlTool (linux/, the powerprofilesctl program), SimPower and
// SimPowerPlanTool (sim/, record what they were asked).
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::platform {

// Process priority classes by the TaskPriority setting (1..4).
enum class ProcessPriority : std::uint8_t {
  Idle = 1,      // IDLE_PRIORITY_CLASS, nice 19
  Normal = 2,    // NORMAL_PRIORITY_CLASS, nice 0
  High = 3,      // HIGH_PRIORITY_CLASS, nice -10
  RealTime = 4,  // REALTIME_PRIORITY_CLASS, nice -20 (may be refused)
};

// The outcome of a shut-down or restart request.
struct PowerRequestResult {
  bool requested = false;  // the request was handed to the system
  std::string error;       // the system's message when a privilege was refused
};

class Power {
 public:
  virtual ~Power() = default;

  // Whether the system allows the state now (IsPwrSuspendAllowed,
  // IsPwrHibernateAllowed, IsPwrShutdownAllowed; logind Can* = "yes" or
  // "challenge"). False when the service cannot be asked.
  virtual bool canSuspend() = 0;
  virtual bool canHibernate() = 0;
  virtual bool canShutdown() = 0;

  // Requests standby or hibernation; `force` skips asking the other programs
  // (ForceCritical). False when the request failed.
  virtual bool suspend(bool force) = 0;
  virtual bool hibernate(bool force) = 0;

  // Forced power-off and restart, with the shut-down privilege enabled first.
  // When the privilege cannot be enabled the request is not made and `error`
  // holds the system's message.
  virtual PowerRequestResult powerOff() = 0;
  virtual PowerRequestResult reboot() = 0;

  // Sets the priority class of the program's own process, all its threads;
  // false when the system refused it (the process then keeps the nearest
  // priority the system allows).
  virtual bool setProcessPriority(ProcessPriority priority) = 0;

  // The short system beep (MessageBeep), used before a fallback hibernation.
  virtual void beep() = 0;
};

// Which program printed a power-plan listing, so that the logic can parse it.
enum class PlanListingFormat : std::uint8_t {
  Powercfg,       // "Power Scheme GUID: <36 characters>  (<name>) *"
  PowerProfiles,  // "  name:" rows, "* name:" for the active one
};

// What a request to change the standby or hibernation setting came to.
enum class PowerSettingChange : std::uint8_t {
  Made,          // the tool ran (powercfg)
  NotStarted,    // the tool could not start, or elevation was declined
  LeftToSystem,  // the system keeps no such setting for the program: its
                 // desktop and logind decide (Linux)
};

// The system's power-plan tool (powercfg, powerprofilesctl).
class PowerPlanTool {
 public:
  virtual ~PowerPlanTool() = default;
  virtual PlanListingFormat listingFormat() const = 0;
  // The tool's listing of the plans, lines ended by CR LF; empty when the tool
  // could not run.
  virtual std::string listPlans() = 0;
  // Activates the plan whose identifier field the listing gave (for powercfg
  // the GUID followed by one blank), elevated where the system needs it, and
  // waits for the tool.
  virtual void activatePlan(const std::string& planId) = 0;
  // Enables standby after 30 minutes on battery and on AC power.
  virtual PowerSettingChange enableStandby() = 0;
  // Switches hibernation on or off.
  virtual PowerSettingChange setHibernateEnabled(bool on) = 0;
};

}  // namespace voltaro::platform
