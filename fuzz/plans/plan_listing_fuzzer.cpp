// Fuzzes the readers of the power-plan tools' listings: the input is read
// both as a powercfg listing and as a powerprofilesctl listing.
//
// Properties: at most ten plans; each powercfg plan comes from the next line
// that holds the scheme marker, is active exactly when that line holds a
// '*', and has a name without ')'; each power profile has a name of its own
// line without blanks or colons, which is also what activates it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "power/plan_listing.h"

using namespace voltaro::power;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = splitListingLines(text);

  const auto plans = parsePowercfgListing(text);
  FUZZ_CHECK(plans.size() <= kMaximumPlans);
  std::size_t next = 0;
  for (const auto& line : lines) {
    if (next == plans.size()) break;
    if (line.find("Power Scheme GUID: ") == std::string::npos) continue;
    FUZZ_CHECK(plans[next].active == (line.find('*') != std::string::npos));
    FUZZ_CHECK(plans[next].name.find(')') == std::string::npos);
    ++next;
  }
  FUZZ_CHECK(next == plans.size());

  const auto profiles = parsePowerProfilesListing(text);
  FUZZ_CHECK(profiles.size() <= kMaximumPlans);
  for (const auto& profile : profiles) {
    FUZZ_CHECK(!profile.name.empty() && profile.name == profile.guidField);
    FUZZ_CHECK(profile.name.find_first_of(" \t:") == std::string::npos);
  }
  return 0;
}
