// The open and save file dialogs as the subsystems see them. The dialogs are
// modal: the call returns the chosen path, or nullopt when cancelled.
#pragma once

#include <optional>
#include <string>

namespace voltaro::view {

struct FileDialogRequest {
  std::string title;
  std::string filter;             // "Binary file (*.bin)|*.bin": description|pattern pairs
  std::string defaultExtension;   // "bin", without the dot; appended when none is typed
  std::string folder;             // where the dialog opens
  std::string fileName;           // proposed file name, may be empty
  bool confirmOverwrite = false;  // save dialog: ask before replacing a file
  bool operator==(const FileDialogRequest&) const = default;
};

class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

}  // namespace voltaro::view
