#include "platform/linux/supply_listing.h"

#include <algorithm>
#include <system_error>

#include "platform/linux/supply_attributes.h"

namespace voltaro::platform::linux_sysfs {

namespace {

std::vector<std::filesystem::path> supplyFolders(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> folders;
  std::error_code ec;
  std::filesystem::directory_iterator it(root, ec);
  if (ec) return folders;
  for (const auto& entry : it) {
    // Entries are symbolic links into /sys/devices; is_directory follows them.
    if (entry.is_directory(ec)) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

bool isAdapter(const SupplyAttributes& supply) {
  const auto type = supply.text("type");
  if (!type) return supply.exists("online");
  if (*type == "Mains") return true;
  return *type == "USB" && supply.exists("usb_type") && supply.exists("online");
}

}  // namespace

std::vector<std::string> listSystemBatteries(const std::filesystem::path& root) {
  std::vector<std::string> names;
  for (const auto& folder : supplyFolders(root)) {
    const SupplyAttributes supply(folder);
    if (supply.text("type") != "Battery") continue;
    if (supply.text("scope") == "Device") continue;
    names.push_back(folder.filename().string());
  }
  return names;
}

bool onAcPower(const std::filesystem::path& root) {
  for (const auto& folder : supplyFolders(root)) {
    const SupplyAttributes supply(folder);
    if (!isAdapter(supply)) continue;
    const auto online = supply.integer("online");
    if (online == 1 || online == 2) return true;
  }
  return false;
}

}  // namespace voltaro::platform::linux_sysfs
