// Sleep and resume from logind: the Manager's PrepareForSleep(b) signal on
// the system bus, true before the system sleeps, false after it woke up.
//
// A delay inhibitor is held while the program runs, so that logind waits for
// the suspend handler (which cancels the battery requests and stops the tick)
// before it puts the machine to sleep. It is released once the handler has
// run and taken again after resume.
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <functional>

#include "platform/power_events.h"

namespace voltaro::platform {

class LogindPowerEvents : public QObject, public PowerEvents {
  Q_OBJECT

 public:
  explicit LogindPowerEvents(QDBusConnection bus = QDBusConnection::systemBus(),
                             QObject* parent = nullptr);
  ~LogindPowerEvents() override;

  // Subscribes to the signal and takes the inhibitor; false when the bus is
  // not connected or the subscription fails. An inhibitor that logind
  // refuses only costs the delay: the events still arrive.
  bool start();
  void setHandler(std::function<void(PowerEvent)> handler) override;

  bool holdsInhibitor() const { return inhibitor_.isValid(); }

 private Q_SLOTS:
  void prepareForSleep(bool sleeping);

 private:
  void takeInhibitor();
  void releaseInhibitor();

  QDBusConnection bus_;
  std::function<void(PowerEvent)> handler_;
  QDBusUnixFileDescriptor inhibitor_;  // logind's lock ends when the last copy closes
  bool subscribed_ = false;
};

}  // namespace voltaro::platform
