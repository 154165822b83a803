// The once-per-fault bookkeeping of the general error report.
#include "view/status_line.h"

namespace voltaro::view {

bool ErrorReport::reportFileFault(const std::string& path, const std::string& message,
                                  FileAccess access) {
  if (!failingFiles_.insert({access, path}).second) return false;
  report(message);
  return true;
}

void ErrorReport::fileRecovered(const std::string& path, FileAccess access) {
  failingFiles_.erase({access, path});
}

}  // namespace voltaro::view
