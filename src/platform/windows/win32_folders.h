// The folders of Windows: the user's Documents (CSIDL_PERSONAL), the shared
// Public Documents (CSIDL_COMMON_DOCUMENTS) from SHGetSpecialFolderPathA, and
// the folder of the running program from GetModuleFileNameA.
#pragma once

#include <functional>
#include <string>

#include "platform/folders.h"

namespace voltaro::platform::windows {

constexpr int kPersonalFolder = 5;          // CSIDL_PERSONAL
constexpr int kCommonDocumentsFolder = 46;  // CSIDL_COMMON_DOCUMENTS

class Win32Folders final : public Folders {
 public:
  // The special-folder lookup: fills the path of a CSIDL folder, false when
  // the shell has none.
  using SpecialFolder = std::function<bool(int csidl, std::string& path)>;

  Win32Folders();  // the shell's SHGetSpecialFolderPathA
  explicit Win32Folders(SpecialFolder lookup);

  std::optional<std::string> documentsFolder() override;
  std::optional<std::string> sharedFolder() override;
  std::optional<std::string> programFolder() override;
  char separator() const override { return '\\'; }
  void normaliseFileAttributes(const std::string& folder) override;

 private:
  std::optional<std::string> special(int csidl);

  SpecialFolder lookup_;
};

}  // namespace voltaro::platform::windows
