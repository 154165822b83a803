#include "monitor/time_texts.h"

namespace voltaro::monitor {

namespace {
// "<big><bigUnit><small><smallUnit>" when big > 0, else "<small><smallUnit>".
std::string twoUnits(std::uint32_t big, const char* bigUnit, std::uint32_t small,
                     const char* smallUnit) {
  std::string text;
  if (big > 0) text = std::to_string(big) + bigUnit;
  return text + std::to_string(small) + smallUnit;
}
}  // namespace

std::string hm(std::uint32_t minutes) {
  return twoUnits(minutes / 60, " h ", minutes % 60, " m");
}

std::string nicehm(std::uint32_t seconds) {
  const std::uint32_t minutes = (seconds % 3600) / 60;
  return std::to_string(seconds / 3600) + (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
}

std::string hrmin(std::uint32_t seconds) {
  return twoUnits(seconds / 3600, " hr ", (seconds % 3600) / 60, " min");
}

std::string minsec(std::uint32_t seconds) {
  return twoUnits(seconds / 60, " min ", seconds % 60, " sec");
}

}  // namespace voltaro::monitor
