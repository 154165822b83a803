// Power states through logind (org.freedesktop.login1.Manager) and the
// process priority through the nice value of every thread. Also the logind backlight writer
// (Session.SetBrightness on the caller's own session).
#pragma once

#include <QDBusConnection>
#include <QString>

#include "platform/linux_services/backlight_display.h"
#include "platform/power.h"

namespace voltaro::platform::linux_services {

class LogindPower : public Power {
 public:
  explicit LogindPower(QDBusConnection bus = QDBusConnection::systemBus());

  // "yes" and "challenge" (allowed after authentication) count as allowed.
  bool canSuspend() override { return allowed("CanSuspend"); }
  bool canHibernate() override { return allowed("CanHibernate"); }
  bool canShutdown() override { return allowed("CanPowerOff"); }

  // logind has no forced variant that skips the other programs' delay
  // inhibitors without root; the force flag is not passed on.
  bool suspend(bool force) override;
  bool hibernate(bool force) override;
  PowerRequestResult powerOff() override;
  PowerRequestResult reboot() override;

  // What the system allows of the priority: false when a raise was refused
  // (the process then keeps the nearest priority it may take).
  bool setProcessPriority(ProcessPriority priority) override;
  void beep() override;

 private:
  bool allowed(const char* method);
  bool request(const char* method);
  PowerRequestResult shutdownRequest(const char* method);

  QDBusConnection bus_;
};

class LogindBacklightWriter : public BacklightWriter {
 public:
  explicit LogindBacklightWriter(QDBusConnection bus = QDBusConnection::systemBus());
  bool setBacklight(const std::string& name, std::uint32_t raw) override;

 private:
  QDBusConnection bus_;
};

// Nice values used for the priority classes.
int niceValueFor(ProcessPriority priority);

}  // namespace voltaro::platform::linux_services
