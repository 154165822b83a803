// The registry entries of the program: the autorun value under the Run keys
// and the promotion of its notification-area entries.
//
// Where the keys live is a parameter, so that tests can point the same calls
// at a scratch key of their own; the program uses RegistryPlaces::system().
#pragma once

#include <string>

#include "platform/registry.h"

// windows.h's HKEY is a pointer to this structure.
struct HKEY__;

namespace voltaro::platform::windows {

struct RegistryPlaces {
  HKEY__* userRoot = nullptr;     // HKEY_CURRENT_USER
  HKEY__* machineRoot = nullptr;  // HKEY_LOCAL_MACHINE
  std::string runKey;             // under both roots
  std::string notifyIconKey;      // under the user root

  static RegistryPlaces system();
};

// The path upper-cased and reduced to its last two components (the folder
// name, a backslash and the file name), a trailing backslash removed first.
std::string lastTwoComponents(const std::string& path);

// The full path of the running executable; empty when it cannot be read.
std::string runningProgramPath();

class Win32Registry final : public Registry {
 public:
  // `valueName` is the autorun value's name ("Voltaro"), `programPath` the
  // executable's full path.
  Win32Registry(std::string valueName, std::string programPath,
                RegistryPlaces places = RegistryPlaces::system());

  void setAutoRun(bool on) override;
  std::string autoRunValue() override;
  int promoteTrayIcon() override;

 private:
  bool promoteEntry(const std::string& subkey, const std::string& ownPath);

  std::string valueName_;
  std::string programPath_;
  RegistryPlaces places_;
};

}  // namespace voltaro::platform::windows
