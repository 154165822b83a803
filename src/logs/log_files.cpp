#include "logs/log_files.h"

namespace voltaro::logs {

std::string batteryIdLine(int slot, const view::ShownTexts& texts) {
  return "Battery " + std::to_string(slot) +
         " ID:  " + texts.get(view::Page::Information, "Manufacturer") + " " +
         texts.get(view::Page::Information, "Device Name");
}

}  // namespace voltaro::logs
