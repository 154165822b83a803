// A simulated shell: records what it was asked to open and run, answers
// captureOutput with scripted output per program, and has a power settings
// program unless told otherwise.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/sim/sim_recorder.h"

namespace voltaro::platform::sim {

class SimShell : public Shell, public SimRecorder {
 public:
  bool openFile(const std::string& target) override {
    record("open " + target);
    return startSucceeds;
  }
  bool openTextFile(const std::string& path) override {
    record("edit " + path);
    return startSucceeds;
  }
  bool openPowerSettings(PowerSettingsView view) override {
    if (!powerSettingsInstalled) return false;
    record(view == PowerSettingsView::Plans ? "power settings" : "advanced power settings");
    return startSucceeds;
  }
  bool runAndWait(bool elevate, const std::string& program,
                  const std::vector<std::string>& arguments,
                  const std::string& workingDirectory) override {
    record(std::string(elevate ? "run elevated " : "run ") + commandLine(program, arguments) +
           (workingDirectory.empty() ? "" : " in " + workingDirectory));
    return startSucceeds;
  }
  std::string captureOutput(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& outputFileName) override {
    record("capture " + commandLine(program, arguments) + " > " + outputFileName);
    if (!startSucceeds) return "";
    const auto it = outputs.find(program);
    return it == outputs.end() ? "" : it->second;
  }

  bool startSucceeds = true;
  bool powerSettingsInstalled = true;
  std::map<std::string, std::string> outputs;  // program -> printed text (CR LF lines)

 private:
  static std::string commandLine(const std::string& program,
                                 const std::vector<std::string>& arguments) {
    std::string line = program;
    for (const auto& a : arguments) line += " " + a;
    return line;
  }
};

}  // namespace voltaro::platform::sim
