// The per-user data folder that holds every file the program writes.
#include "settings/data_folder.h"

#include <filesystem>
#include <system_error>

#include "common/file_io.h"
#include "common/scramble.h"
#include "platform/folders.h"
#include "view/error_box.h"

namespace voltaro::settings {
namespace {

std::string withSeparator(std::string path, char separator) {
  if (path.empty() || (path.back() != separator && path.back() != '/')) path.push_back(separator);
  return path;
}

// Creates the level and any missing parent: a fresh account may lack
// ~/Documents or ~/.local/share, and the folder would otherwise never become
// usable. Errors are left to the write test.
void createLevel(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path), ec);
}

}  // namespace

std::optional<std::string> resolveDataFolder(platform::Folders& folders, FolderBase base) {
  const auto root =
      base == FolderBase::Documents ? folders.documentsFolder() : folders.sharedFolder();
  if (!root || root->empty()) return std::nullopt;
  const char sep = folders.separator();
  std::string folder = withSeparator(*root, sep) + makerFolder();
  createLevel(folder);
  folder += sep;
  folder += productTitle();
  createLevel(folder);
  folder += sep;
  folders.normaliseFileAttributes(folder);
  return folder;
}

std::optional<std::string> dataFolderWriteFault(const std::string& dataFolder) {
  const std::string testFile = dataFolder + "testfile.txt";
  const FileWrite written = writeTextLines(testFile, {"123"});
  if (!written) return written.cause;
  removeFile(testFile);
  return std::nullopt;
}

bool dataFolderWritable(const std::string& dataFolder) {
  return !dataFolderWriteFault(dataFolder);
}

std::string dataFolderFaultText(const std::string& dataFolder, const std::string& cause) {
  return "The data folder \"" + dataFolder + "\" cannot be written: " + cause +
         ". Voltaro keeps watching the battery, reads its files from there and saves them once "
         "the folder can be written again.";
}

DataFolderStart startDataFolder(platform::Folders& folders, view::ErrorBox& errors) {
  DataFolderStart start;
  const auto documents = resolveDataFolder(folders, FolderBase::Documents);
  if (!documents) {
    errors.showError(kError1Text);
    start.exitStatus = 1;
    return start;
  }
  const auto fault = dataFolderWriteFault(*documents);
  if (!fault) {
    start.dataFolder = *documents;
    return start;
  }
  // A folder that exists holds the user's settings and health record, even
  // when it is read-only or full: reading them there beats a fresh start in
  // a folder the next start will not look in.
  std::error_code ec;
  if (std::filesystem::is_directory(*documents, ec)) {
    start.dataFolder = *documents;
    start.writeFault = *fault;
    return start;
  }
  const auto shared = resolveDataFolder(folders, FolderBase::Shared);
  if (!shared) {
    errors.showError(kError2Text);
    start.exitStatus = 2;
    return start;
  }
  start.dataFolder = *shared;
  start.usedFallback = true;
  return start;
}

}  // namespace voltaro::settings
