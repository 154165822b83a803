// The shell of Windows: ShellExecuteA for files and addresses, notepad.exe
// for text files, the control panel's power options,
// ShellExecuteExA ("runas" when elevated) for programs waited for while the
// program's messages keep flowing, and "cmd.exe" redirecting a program's
// output into a transient file of the data folder.
#pragma once

#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/shell.h"

namespace voltaro::platform::windows {

class Win32Shell final : public Shell {
 public:
  // `dataFolder` ends in a separator; captureOutput works in it.
  Win32Shell(Runtime& runtime, std::string dataFolder);

  bool openFile(const std::string& target) override;
  bool openTextFile(const std::string& path) override;
  bool openPowerSettings(PowerSettingsView view) override;
  bool runAndWait(bool elevate, const std::string& program,
                  const std::vector<std::string>& arguments,
                  const std::string& workingDirectory) override;
  std::string captureOutput(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& outputFileName) override;

 private:
  Runtime& runtime_;
  std::string dataFolder_;
};

// The arguments as one command line, each quoted the way the C runtime's
// parser reads it back (blanks, tabs and quotes inside; backslashes before a
// quote doubled).
std::string joinCommandLine(const std::vector<std::string>& arguments);

}  // namespace voltaro::platform::windows
