// voltaroctl plans on power-profiles-daemon, reached on the system bus.
#include <QCoreApplication>
#include <memory>

#include "plans_command.h"
#include "platform/linux_services/dbus_power_profiles.h"

namespace voltaro::tools {

int runPlansCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // Qt D-Bus wants an application object for its connections.
  static int argc = 1;
  static char name[] = "voltaroctl";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (QCoreApplication::instance() == nullptr) app = std::make_unique<QCoreApplication>(argc, argv);
  platform::linux_services::DbusPowerProfilesTool tool(QDBusConnection::systemBus());
  return runPlansCommandWith(tool, args, out, err);
}

}  // namespace voltaro::tools
