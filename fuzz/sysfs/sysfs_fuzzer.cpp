// Fuzzes the Linux battery driver on a power_supply folder built from the
// input: the supply listing, the adapters' power state, and every battery
// read through the battery access code as the monitoring reads it.
//
// Input: one attribute per line, "SUPPLY/ATTRIBUTE=VALUE"; the file gets the
// value and the line end the kernel puts after it. Names keep letters,
// digits, '_' and '-' only; at most eight supplies.
//
// Property: a charge that is known is a percentage (checked by the reading).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "battery_reading.h"
#include "fakes/temporary_folder.h"
#include "fuzz_check.h"
#include "platform/linux/supply_listing.h"
#include "platform/linux/sysfs_battery_driver.h"

namespace {

constexpr std::size_t kMaxSupplies = 8;

std::string safeName(std::string_view text) {
  std::string name;
  for (char c : text.substr(0, 40)) {
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-';
    if (kept) name.push_back(c);
  }
  return name;
}

void buildTree(const std::filesystem::path& root, std::string_view text) {
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  std::filesystem::create_directories(root);
  std::set<std::string> supplies;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    const std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    const auto slash = line.find('/');
    const auto equals = line.find('=');
    if (slash == std::string_view::npos || equals == std::string_view::npos || equals < slash) {
      continue;
    }
    const std::string supply = safeName(line.substr(0, slash));
    const std::string attribute = safeName(line.substr(slash + 1, equals - slash - 1));
    if (supply.empty() || attribute.empty()) continue;
    if (!supplies.contains(supply) && supplies.size() == kMaxSupplies) continue;
    supplies.insert(supply);
    std::filesystem::create_directories(root / supply);
    std::ofstream(root / supply / attribute, std::ios::binary | std::ios::trunc)
        << line.substr(equals + 1) << '\n';
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const voltaro::testing::TemporaryFolder folder("voltaro-fuzz-sysfs-");
  const std::filesystem::path root = folder.path() / "power_supply";
  buildTree(root, std::string_view(reinterpret_cast<const char*>(data), size));

  namespace sysfs = voltaro::platform::linux_sysfs;
  (void)sysfs::listSystemBatteries(root);
  (void)sysfs::onAcPower(root);

  voltaro::platform::SysfsBatteryDriver driver(root);
  voltaro::fuzz::BatteryReading(driver).run(3);
  return 0;
}
