// The per-user data folder that holds every file the program writes.
//
// Built as <base>/<maker folder>/<product title>/ on the Documents folder, or
// on the shared fallback base when the first cannot be made. The path always
// ends in the system's separator, so file names are appended directly.
#pragma once

#include <optional>
#include <string>

namespace voltaro::platform {
class Folders;
}
namespace voltaro::view {
class ErrorBox;
}

namespace voltaro::settings {

// Which base a data folder is built on.
enum class FolderBase { Documents, Shared };

// Builds the data folder on `base`: creates the maker and product levels when
// missing and makes the files in it rewritable. nullopt when the system
// offers no such base folder. A folder that cannot be created is still
// returned: the write test finds it out.
std::optional<std::string> resolveDataFolder(platform::Folders& folders, FolderBase base);

// Writes "testfile.txt" holding "123" into `dataFolder` and deletes it again;
// nullopt when that worked, else why not in plain words.
std::optional<std::string> dataFolderWriteFault(const std::string& dataFolder);
bool dataFolderWritable(const std::string& dataFolder);

// The report of a data folder that cannot be written, naming it and the cause.
std::string dataFolderFaultText(const std::string& dataFolder, const std::string& cause);

// The outcome of the start-up steps that fix the data folder.
struct DataFolderStart {
  std::string dataFolder;  // ends in the separator; empty on failure
  bool usedFallback = false;
  // Why the folder kept cannot be written, when it cannot: it exists and
  // holds the user's files, so it is kept and only reported.
  std::string writeFault;
  // 0 on success; otherwise the start-up error (1 or 2) has been shown and
  // the program must end with this exit status.
  int exitStatus = 0;
  bool ok() const { return exitStatus == 0; }
};

inline constexpr const char* kError1Text = "Error 1: Please run this utility on Windows 7/8/10/11.";
inline constexpr const char* kError2Text = "Error 2: Please run this utility on Windows 7/8/10/11.";

// The start-up order: the Documents base and the write test. The shared base
// (not tested again) serves only when the folder on the Documents base could
// not be made at all; an existing folder that fails the test is kept. Shows
// "Error 1: ..." or "Error 2: ..." when the needed base folder is missing.
DataFolderStart startDataFolder(platform::Folders& folders, view::ErrorBox& errors);

}  // namespace voltaro::settings
