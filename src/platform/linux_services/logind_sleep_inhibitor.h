// A logind inhibitor lock that blocks idle and sleep:
// Manager.Inhibit("idle:sleep", who, why, "block"). logind keeps the lock for
// as long as the file descriptor it returns stays open, so the lock ends on
// release, with this object, and with the process however it ends.
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

#include "platform/sleep_inhibitor.h"

namespace voltaro::platform::linux_services {

class LogindSleepInhibitor final : public SleepInhibitor {
 public:
  explicit LogindSleepInhibitor(QDBusConnection bus = QDBusConnection::systemBus(),
                                std::string who = "Voltaro");
  ~LogindSleepInhibitor() override;

  bool available() override;
  bool hold(const std::string& why) override;
  void release() override;
  bool held() const override { return lock_.isValid(); }

 private:
  QDBusConnection bus_;
  std::string who_;
  QDBusUnixFileDescriptor lock_;
};

}  // namespace voltaro::platform::linux_services
