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
  std::string output;
  std::vector<std::string> opened;
  std::vector<Run> runs;
};

}  // namespace voltaro::fakes
