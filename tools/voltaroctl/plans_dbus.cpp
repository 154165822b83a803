// voltaroctl plans on power-profiles-daemon, reached on the system bus.
#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <memory>

#include "plans_command.h"
#include "platform/linux_services/dbus_power_profiles.h"

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
    static int argc = 1;
    static char name[] = "voltaroctl";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
      app = std::make_unique<QCoreApplication>(argc, argv);
    }
    platform::linux_services::DbusPowerProfilesTool tool(QDBusConnection::systemBus());
    return runPlans(tool, *request, out, err);
  };
}

}  // namespace voltaro::tools
