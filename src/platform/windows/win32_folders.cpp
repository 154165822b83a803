#include "platform/windows/win32_folders.h"

#include <utility>

#include "platform/windows/win32_headers.h"
// After windows.h.
#include <shlobj.h>

namespace voltaro::platform::windows {
namespace {

bool shellSpecialFolder(int csidl, std::string& path) {
  char buffer[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE)) return false;
  path = buffer;
  return true;
}

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

}  // namespace

Win32Folders::Win32Folders() : lookup_(shellSpecialFolder) {}

Win32Folders::Win32Folders(SpecialFolder lookup) : lookup_(std::move(lookup)) {}

std::optional<std::string> Win32Folders::special(int csidl) {
  std::string path;
  if (!lookup_(csidl, path) || path.empty()) return std::nullopt;
  return path;
}

std::optional<std::string> Win32Folders::documentsFolder() {
  return special(kPersonalFolder);
}

std::optional<std::string> Win32Folders::sharedFolder() {
  return special(kCommonDocumentsFolder);
}

std::optional<std::string> Win32Folders::programFolder() {
  // Long paths: grow the buffer while the name is cut (the call then fills
  // the whole buffer).
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    if (buffer.size() >= 32768) return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
  const auto slash = buffer.find_last_of("\\/");
  if (slash == std::string::npos) return std::nullopt;
  return buffer.substr(0, slash + 1);
}

void Win32Folders::normaliseFileAttributes(const std::string& folder) {
  const std::string base = withSeparator(folder);
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA((base + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    SetFileAttributesA((base + entry.cFileName).c_str(), FILE_ATTRIBUTE_ARCHIVE);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}

}  // namespace voltaro::platform::windows
