// The folders of the system that the program keeps its files in.
//
// Backends: XdgFolders (linux/, the XDG user directories); tests use a fake
// over temporary folders (tests/fakes/fake_folders.h).
#pragma once

#include <optional>
#include <string>

namespace voltaro::platform {

class Folders {
 public:
  virtual ~Folders() = default;

  // The user's Documents folder, not created; nullopt when the system has
  // none to offer. Without a trailing separator, though one is accepted.
  virtual std::optional<std::string> documentsFolder() = 0;

  // The base used when the Documents folder is not writable (Windows: the
  // shared Public Documents folder; Linux: $XDG_DATA_HOME, ~/.local/share);
  // nullopt when there is none.
  virtual std::optional<std::string> sharedFolder() = 0;

  // The folder of the running executable, ending in the separator; nullopt
  // when it cannot be found.
  virtual std::optional<std::string> programFolder() = 0;

  // The separator the folder paths of this system end in ('/' or '\\').
  virtual char separator() const = 0;

  // Makes every file (not folder) directly in `folder` rewritable by the user:
  // on Windows the attributes become plain archive, on Linux a file without
  // the owner's write permission gets it. Failures are ignored.
  virtual void normaliseFileAttributes(const std::string& folder) = 0;
};

}  // namespace voltaro::platform
