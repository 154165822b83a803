#include "platform/windows/win32_shell.h"

#include <fstream>
#include <utility>

#include "platform/windows/win32_headers.h"
// After windows.h.
#include <shellapi.h>

namespace voltaro::platform::windows {
namespace {

// How long one round of the wait blocks before the messages are pumped again
// (milliseconds).
constexpr DWORD kWaitRound = 10;

std::string quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are literal unless a quote follows them.
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');  // before the closing quote
  out += '"';
  return out;
}

// Starts `file` hidden and waits for its process while the program's
// messages keep flowing. False when it could not be started (a declined
// elevation fails here).
bool executeAndWait(Runtime& runtime, const char* verb, const std::string& file,
                    const std::string& parameters, const std::string& directory) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = verb;
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = SW_HIDE;
  if (!ShellExecuteExA(&info)) return false;
  if (info.hProcess == nullptr) return true;  // handed to a running program: nothing to wait for
  // The end of the process, not its exit code, ends the wait: a program
  // whose exit code is 259 (STILL_ACTIVE) would otherwise be waited for ever.
  for (;;) {
    runtime.processMessages();
    if (WaitForSingleObject(info.hProcess, kWaitRound) != WAIT_TIMEOUT) break;
  }
  CloseHandle(info.hProcess);
  return true;
}

// ShellExecuteA's default verb, shown normally.
bool shellOpen(const char* file, const char* parameters) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", file, parameters, nullptr, SW_SHOWNORMAL));
  return result > 32;  // values up to 32 are errors
}

// What opens each view of the power settings: the control panel's power
// options, or its advanced settings page.
struct PowerSettingsCommand {
  const char* file;
  const char* parameters;
};
PowerSettingsCommand powerSettingsCommand(PowerSettingsView view) {
  switch (view) {
    case PowerSettingsView::Plans:
      return {"powercfg.cpl", nullptr};
    case PowerSettingsView::Advanced:
      return {"control", "powercfg.cpl,,1"};
  }
  return {"powercfg.cpl", nullptr};
}

}  // namespace

std::string joinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const auto& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += quoted(argument);
  }
  return line;
}

Win32Shell::Win32Shell(Runtime& runtime, std::string dataFolder)
    : runtime_(runtime), dataFolder_(std::move(dataFolder)) {}

bool Win32Shell::openFile(const std::string& target) {
  return shellOpen(target.c_str(), nullptr);
}

bool Win32Shell::openTextFile(const std::string& path) {
  return shellOpen("notepad.exe", joinCommandLine({path}).c_str());
}

bool Win32Shell::openPowerSettings(PowerSettingsView view) {
  const PowerSettingsCommand command = powerSettingsCommand(view);
  return shellOpen(command.file, command.parameters);
}

bool Win32Shell::runAndWait(bool elevate, const std::string& program,
                            const std::vector<std::string>& arguments,
                            const std::string& workingDirectory) {
  return executeAndWait(runtime_, elevate ? "runas" : nullptr, program, joinCommandLine(arguments),
                        workingDirectory);
}

std::string Win32Shell::captureOutput(const std::string& program,
                                      const std::vector<std::string>& arguments,
                                      const std::string& outputFileName) {
  // cmd.exe takes everything after /C as one command line.
  std::string command = program;
  if (!arguments.empty()) command += " " + joinCommandLine(arguments);
  command += " > " + outputFileName;
  if (!executeAndWait(runtime_, nullptr, "cmd.exe", "/C " + command, dataFolder_)) return {};

  const std::string path = dataFolder_ + outputFileName;
  std::string result;
  {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::string line;
    while (std::getline(file, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      result += line + "\r\n";
    }
  }
  DeleteFileA(path.c_str());
  return result;
}

}  // namespace voltaro::platform::windows
