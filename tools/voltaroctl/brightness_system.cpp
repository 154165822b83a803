// voltaroctl brightness on the system's backlight: /sys/class/backlight (or
// the folder given with --backlight DIR), written straight to the file where
// that is allowed, else through logind's SetBrightness on the session.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <memory>

#include "brightness_command.h"
#include "platform/linux_services/backlight_display.h"
#include "platform/linux_services/logind_power.h"
#include "qt_application.h"

namespace voltaro::tools {

namespace {

namespace fs = std::filesystem;
using platform::linux_services::BacklightWriter;

class FileBacklightWriter final : public BacklightWriter {
 public:
  explicit FileBacklightWriter(std::string classFolder) : classFolder_(std::move(classFolder)) {}
  bool setBacklight(const std::string& name, std::uint32_t raw) override {
    std::ofstream file(fs::path(classFolder_) / name / "brightness");
    file << raw << '\n';
    return static_cast<bool>(file.flush());
  }

 private:
  std::string classFolder_;
};

// The user may write the device's file (root, or a udev rule for the group).
bool fileWritable(const std::string& classFolder) {
  const auto device = platform::linux_services::findBacklight(classFolder);
  if (!device) return false;
  std::ofstream probe(fs::path(classFolder) / device->name / "brightness", std::ios::app);
  return static_cast<bool>(probe);
}

}  // namespace

CommandAction defineBrightnessCommand(CLI::App& command) {
  struct Request {
    std::string classFolder = "/sys/class/backlight";
    std::optional<std::uint8_t> level;
  };
  auto request = std::make_shared<Request>();
  command.add_option("--backlight", request->classFolder, "Another backlight class folder")
      ->type_name("DIR");
  const CLI::Validator trayLevel(
      [](const std::string& word) {
        return parseTrayLevel(word) ? std::string() : "LEVEL is 10, 20, ... 100, not " + word;
      },
      "10..100 by 10", "tray level");
  command
      .add_option_function<std::string>(
          "LEVEL", [request](const std::string& word) { request->level = parseTrayLevel(word); },
          "Set both power sources' brightness to LEVEL %")
      ->check(trayLevel);
  return [request](std::ostream& out, std::ostream& err) {
    const auto application = coreApplication();
    const std::string& classFolder = request->classFolder;
    FileBacklightWriter fileWriter(classFolder);
    std::unique_ptr<platform::linux_services::LogindBacklightWriter> logindWriter;
    BacklightWriter* writer = &fileWriter;
    if (!fileWritable(classFolder)) {
      logindWriter = std::make_unique<platform::linux_services::LogindBacklightWriter>();
      writer = logindWriter.get();
    }
    // The brightness command never turns the monitor off.
    platform::linux_services::BacklightDisplay display(classFolder, *writer, nullptr,
                                                       [] { return true; });
    return runBrightness(display, request->level, out, err);
  };
}

}  // namespace voltaro::tools
