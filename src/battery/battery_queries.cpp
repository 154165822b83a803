#include "battery/battery_queries.h"

#include <algorithm>
#include <array>

#include "platform/battery_records.h"

namespace voltaro::battery {

using platform::BatteryQueryInformation;
using platform::InfoLevel;

namespace {
constexpr std::uint32_t kTagWaitMilliseconds = 250;
}

std::optional<std::string> BatteryQueries::resolveSlot(int slot) {
  if (slot < 1 || slot > 4) return std::nullopt;
  auto path = driver_.interfacePath(slot - 1);
  if (path && path->empty()) return std::nullopt;
  return path;
}

std::uint32_t BatteryQueries::queryTag(platform::DeviceHandle handle) {
  return driver_.queryTag(handle, kTagWaitMilliseconds);
}

std::string BatteryQueries::queryText(platform::DeviceHandle handle, std::uint32_t tag,
                                      InfoLevel level) {
  if (tag == 0) return "None";
  std::array<std::uint8_t, platform::kTextOutputBytes> out{};
  auto bytes = driver_.queryInformation(handle, BatteryQueryInformation{tag, level, 0}, out);
  if (!bytes) return "None";
  return platform::decodeText(std::span<const std::uint8_t>(out).first(*bytes));
}

platform::BatteryManufactureDate BatteryQueries::queryDate(platform::DeviceHandle handle,
                                                           std::uint32_t tag) {
  if (tag == 0) return {};
  std::array<std::uint8_t, platform::kManufactureDateBytes> out{};
  const BatteryQueryInformation query{tag, InfoLevel::ManufactureDate, 0};
  if (!driver_.queryInformation(handle, query, out)) return {};
  return platform::decodeManufactureDate(out).value_or(platform::BatteryManufactureDate{});
}

platform::BatteryInformation BatteryQueries::queryInformation(platform::DeviceHandle handle,
                                                              std::uint32_t tag) {
  platform::BatteryInformation defaults;
  defaults.chemistry = {'N', 'o', 'n', 'e'};
  if (tag == 0) return defaults;
  // The driver writes over the defaults; bytes it does not return keep them.
  std::array<std::uint8_t, platform::kInformationBytes> out{};
  const auto defaultBytes = platform::encode(defaults);
  std::copy(defaultBytes.begin(), defaultBytes.end(), out.begin());
  const BatteryQueryInformation query{tag, InfoLevel::Information, 0};
  if (!driver_.queryInformation(handle, query, out)) return defaults;
  return platform::decodeInformation(out).value_or(defaults);
}

std::uint32_t BatteryQueries::queryValue(platform::DeviceHandle handle, std::uint32_t tag,
                                         InfoLevel level) {
  if (tag == 0) return 0;
  std::array<std::uint8_t, platform::kValueBytes> out{};
  if (!driver_.queryInformation(handle, BatteryQueryInformation{tag, level, 0}, out)) return 0;
  return platform::decodeValue(out).value_or(0);
}

}  // namespace voltaro::battery
