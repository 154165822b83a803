// The shell on Linux: xdg-open for files, text files and addresses, GIO for
// the programs the user names, the desktop's own power settings program,
// QProcess for running programs, pkexec for elevation. Waiting keeps the program's messages
// flowing through the runtime, as a long wait must.
#pragma once

#include "platform/runtime.h"
#include "platform/shell.h"

namespace voltaro::platform::linux_services {

class LinuxShell : public Shell {
 public:
  explicit LinuxShell(Runtime& runtime) : runtime_(runtime) {}

  bool openFile(const std::string& target) override;
  // Through GIO (desktop_launcher.h), never through a shell.
  bool launchProgram(const std::string& commandLine) override;
  // xdg-open chooses by the file's type, and a log's type is plain text:
  // the desktop's default handler of text files opens it.
  bool openTextFile(const std::string& path) override;
  // The settings program of the running desktop (XDG_CURRENT_DESKTOP) when
  // it is installed, else the first installed one of the table.
  bool openPowerSettings(PowerSettingsView view) override;
  bool runAndWait(bool elevate, const std::string& program,
                  const std::vector<std::string>& arguments,
                  const std::string& workingDirectory) override;
  // The output is read from the program's standard output; no transient file
  // is needed, so `outputFileName` is not used.
  std::string captureOutput(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& outputFileName) override;

 private:
  Runtime& runtime_;
};

// Lines of a program's output, each followed by CR LF ("a\nb" gives
// "a\r\nb\r\n"); an existing CR before LF is kept once.
std::string toCrLfLines(const std::string& output);

}  // namespace voltaro::platform::linux_services
