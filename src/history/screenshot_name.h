// Names of the graph screenshots: "VTshot" + number + ".jpg", numbered from 1
// with the smallest number whose file does not exist yet.
#pragma once

#include <functional>
#include <string>

namespace voltaro::history {

// The search stops here, and this number is used even when its file exists.
constexpr int kLastShotNumber = 65535;

std::string shotFileName(int number);  // "VTshot7.jpg"

// Smallest number from 1 whose file `exists` denies; kLastShotNumber when
// every number up to it is taken.
int firstFreeShotNumber(const std::function<bool(const std::string& fileName)>& exists);
// The same for the files of a folder.
int firstFreeShotNumber(const std::string& folder);

}  // namespace voltaro::history
