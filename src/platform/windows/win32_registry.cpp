#include "platform/windows/win32_registry.h"

#include <cctype>
#include <vector>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

// Closes a key on every way out.
class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& path, REGSAM access) {
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

void deleteValue(HKEY root, const std::string& path, const std::string& name) {
  OpenKey key(root, path, KEY_SET_VALUE);
  if (key) RegDeleteValueA(key.get(), name.c_str());
}

// A string value of an open key; empty when it is missing or not a string.
std::string stringValue(HKEY key, const char* name) {
  DWORD size = 0;
  if (RegGetValueA(key, nullptr, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                   nullptr, &size) != ERROR_SUCCESS ||
      size == 0) {
    return {};
  }
  std::vector<char> text(size);
  if (RegGetValueA(key, nullptr, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                   text.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  return std::string(text.data());
}

std::vector<std::string> subkeyNames(HKEY key) {
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[256];  // key names are at most 255 characters
    DWORD length = sizeof name;
    const LONG result =
        RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace

RegistryPlaces RegistryPlaces::system() {
  return {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
          "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Control Panel\\NotifyIconSettings"};
}

std::string lastTwoComponents(const std::string& path) {
  std::string upper;
  upper.reserve(path.size());
  for (const char c : path) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!upper.empty() && upper.back() == '\\') upper.pop_back();
  const auto last = upper.rfind('\\');
  if (last == std::string::npos || last == 0) return upper;
  const auto before = upper.rfind('\\', last - 1);
  return before == std::string::npos ? upper : upper.substr(before + 1);
}

std::string runningProgramPath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return {};  // longer than any Windows path
    buffer.resize(buffer.size() * 2);
  }
}

Win32Registry::Win32Registry(std::string valueName, std::string programPath, RegistryPlaces places)
    : valueName_(std::move(valueName)),
      programPath_(std::move(programPath)),
      places_(std::move(places)) {}

void Win32Registry::setAutoRun(bool on) {
  deleteValue(places_.userRoot, places_.runKey, valueName_);
  deleteValue(places_.machineRoot, places_.runKey, valueName_);
  if (!on || programPath_.empty()) return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(places_.userRoot, places_.runKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  // The stored size counts the terminating zero.
  RegSetValueExA(key, valueName_.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(programPath_.c_str()),
                 static_cast<DWORD>(programPath_.size() + 1));
  RegCloseKey(key);
}

std::string Win32Registry::autoRunValue() {
  OpenKey key(places_.userRoot, places_.runKey, KEY_QUERY_VALUE);
  return key ? stringValue(key.get(), valueName_.c_str()) : std::string();
}

int Win32Registry::promoteTrayIcon() {
  const std::string own = lastTwoComponents(programPath_);
  if (own.empty()) return 0;
  std::vector<std::string> subkeys;
  {
    OpenKey settings(places_.userRoot, places_.notifyIconKey, KEY_READ);
    if (!settings) return 0;
    subkeys = subkeyNames(settings.get());
  }
  int written = 0;
  for (const auto& subkey : subkeys) {
    if (promoteEntry(places_.notifyIconKey + "\\" + subkey, own)) ++written;
  }
  return written;
}

bool Win32Registry::promoteEntry(const std::string& subkey, const std::string& ownPath) {
  OpenKey entry(places_.userRoot, subkey, KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!entry) return false;
  const std::string path = stringValue(entry.get(), "ExecutablePath");
  if (path.empty() || lastTwoComponents(path) != ownPath) return false;
  DWORD promoted = 0;
  DWORD size = sizeof promoted;
  if (RegGetValueA(entry.get(), nullptr, "IsPromoted", RRF_RT_REG_DWORD, nullptr, &promoted,
                   &size) == ERROR_SUCCESS &&
      promoted == 1) {
    return false;
  }
  promoted = 1;
  return RegSetValueExA(entry.get(), "IsPromoted", 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&promoted), sizeof promoted) == ERROR_SUCCESS;
}

}  // namespace voltaro::platform::windows
