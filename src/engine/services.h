// The operating-system services and the presentation ports the engine runs
// on, handed in by the program, voltaroctl or a test.
#pragma once

#include <functional>
#include <string>

namespace voltaro::platform {
class Audio;
class BatteryDriver;
class Display;
class Folders;
class HttpClient;
class Power;
class PowerEvents;
class PowerPlanTool;
class Runtime;
class Shell;
class SystemTimes;
class WorkerThreads;
}  // namespace voltaro::platform
namespace voltaro::calibration {
class CalibrationPower;
}
namespace voltaro::view {
class AdvicePort;
class ConfirmationPort;
class ErrorBox;
class ErrorReport;
class FileDialogPort;
class ParametersPort;
class StatusLine;
class TrayPort;
}  // namespace voltaro::view
namespace voltaro::history {
class GraphPort;
}

namespace voltaro::engine {

class ActivityPort;
class GadgetPort;
class TrayMenuPort;
class WindowPort;

struct PlatformServices {
  platform::Runtime& runtime;
  platform::BatteryDriver& driver;
  platform::PowerEvents& powerEvents;
  platform::SystemTimes& systemTimes;
  platform::Audio& audio;
  platform::Folders& folders;
  platform::Display& display;
  platform::Power& power;
  platform::PowerPlanTool& planTool;
  platform::Shell& shell;
  // Optional: nullptr takes the engine's portable stand-in.
  platform::WorkerThreads* threads = nullptr;
  calibration::CalibrationPower* calibrationPower = nullptr;
  // Optional: nullptr (or no postToProgramThread) means no network, and the
  // update check reports a connection error.
  platform::HttpClient* http = nullptr;
  // Runs a function later on the engine's thread; the update check's
  // worker delivers its result through it.
  std::function<void(std::function<void()>)> postToProgramThread = nullptr;
  // The web host ("host" or "host:port"); empty for the built-in one.
  std::string webHost = {};
};

struct PresentationPorts {
  view::TrayPort& tray;
  view::StatusLine& statusLine;
  view::ErrorReport& errors;
  view::ErrorBox& errorBox;
  view::ConfirmationPort& confirmation;
  view::AdvicePort& advice;
  view::FileDialogPort& fileDialogs;
  history::GraphPort& graph;
  WindowPort& window;
  // Optional: nullptr shows the parameters dialog to nobody.
  view::ParametersPort* parameters = nullptr;
  // Optional: nullptr runs without a desktop gadget.
  GadgetPort* gadget = nullptr;
  // Optional: nullptr runs without a notification-area menu.
  TrayMenuPort* trayMenu = nullptr;
  // Optional: nullptr keeps no record of the alerts fired.
  ActivityPort* activity = nullptr;
};

}  // namespace voltaro::engine
