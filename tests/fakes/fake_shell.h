// A shell that records every request and answers with scripted results.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace voltaro::fakes {

class FakeShell : public platform::Shell {
 public:
  struct Run {
    bool elevate = false;
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;
  };

  bool openFile(const std::string& target) override {
    opened.push_back(target);
    return startSucceeds;
  }
  bool openTextFile(const std::string& path) override {
    edited.push_back(path);
    return startSucceeds;
  }
  bool openPowerSettings(platform::PowerSettingsView view) override {
    powerSettings.push_back(view);
    return powerSettingsInstalled && startSucceeds;
  }
  bool runAndWait(bool elevate, const std::string& program,
                  const std::vector<std::string>& arguments,
                  const std::string& workingDirectory) override {
    runs.push_back({elevate, program, arguments, workingDirectory});
    return startSucceeds;
  }
  std::string captureOutput(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& outputFileName) override {
    runs.push_back({false, program, arguments, outputFileName});
    return output;
  }

  bool startSucceeds = true;
  bool powerSettingsInstalled = true;
  std::string output;
  std::vector<std::string> opened;
  std::vector<std::string> edited;  // text files opened in the editor
  std::vector<platform::PowerSettingsView> powerSettings;
  std::vector<Run> runs;
};

}  // namespace voltaro::fakes
