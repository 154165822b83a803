// The shell: opening files and addresses with their associated program,
// opening text files and the desktop's power settings, running a program and
// waiting for it, and capturing a program's output.
//
// Backends: LinuxShell (linux_services/, xdg-open, the installed power
// settings program and a process runner), Win32Shell (windows/), SimShell
// (sim/, records every request and answers with scripted output).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voltaro::platform {

// Which view of the desktop's power settings program to open.
enum class PowerSettingsView : std::uint8_t {
  Plans,     // the power plans ("Power Options" of the tray menu)
  Advanced,  // the advanced settings of the active plan
};

class Shell {
 public:
  virtual ~Shell() = default;

  // Opens a file, program or address with the default verb, shown normally
  // (ShellExecute "open", xdg-open). False when it could not be started; the
  // opened program's own result is not known.
  virtual bool openFile(const std::string& target) = 0;

  // Starts a program the user chose ("Launch a Program"), without waiting
  // for it. Windows hands it to the shell's default verb, which is what
  // this does unless a backend knows better; on Linux an executable runs
  // with the rest of the line as its arguments, a ".desktop" file launches
  // its application and anything else opens with its default handler. False
  // when nothing could be started.
  virtual bool launchProgram(const std::string& commandLine) { return openFile(commandLine); }

  // Opens a text file in the desktop's text editor (Windows: notepad.exe;
  // Linux: the default handler of text files). False when it could not be
  // started.
  virtual bool openTextFile(const std::string& path) = 0;

  // Opens the desktop's power settings program at `view`. False when the
  // system has none or it could not be started.
  virtual bool openPowerSettings(PowerSettingsView view) = 0;

  // Starts `program` hidden with `arguments`, elevated when asked, in
  // `workingDirectory` (empty: the current one), and waits for it to end while
  // processing the program's messages. False when it could not be started
  // (including a declined elevation); the exit code is not reported.
  virtual bool runAndWait(bool elevate, const std::string& program,
                          const std::vector<std::string>& arguments,
                          const std::string& workingDirectory) = 0;

  // Runs `program` without elevation, waits for it like runAndWait and returns
  // what it printed, each line followed by CR LF. `outputFileName` names the
  // transient file in the data folder that carries the output where the
  // system needs one (it is deleted afterwards). Empty when the program could
  // not run or printed nothing.
  virtual std::string captureOutput(const std::string& program,
                                    const std::vector<std::string>& arguments,
                                    const std::string& outputFileName) = 0;
};

}  // namespace voltaro::platform
