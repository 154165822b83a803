// voltaroctl plans on power-profiles-daemon, reached on the system bus.
#include <CLI/CLI.hpp>
#include <memory>

#include "plans_command.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "qt_application.h"

namespace voltaro::tools {

CommandAction definePlansCommand(CLI::App& command) {
  auto request = std::make_shared<PlansRequest>();
  addJsonFlag(command, request->json);
  command.fallthrough();  // --json after "set NAME" too
  CLI::App* set = command.add_subcommand("set", "Switch to the power plan NAME, then list");
  set->add_option_function<std::string>(
         "NAME", [request](const std::string& name) { request->set = name; },
         "The plan's name as the listing shows it")
      ->required();
  return [request](std::ostream& out, std::ostream& err) {
    // Qt D-Bus wants an application object for its connections.
    const auto application = coreApplication();
    platform::linux_services::DbusPowerProfilesTool tool(QDBusConnection::systemBus());
    return runPlans(tool, *request, out, err);
  };
}

}  // namespace voltaro::tools
