// Reading the power-plan tool's listing into plan rows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/power.h"

namespace voltaro::power {

inline constexpr std::size_t kMaximumPlans = 10;

struct PowerPlanEntry {
  std::string name;       // the display name
  std::string guidField;  // what activates the plan: for powercfg the GUID and one blank
  bool active = false;
  bool operator==(const PowerPlanEntry&) const = default;
};

// The listing split into lines; CR LF and LF both end a line.
std::vector<std::string> splitListingLines(std::string_view text);

// powercfg -list: only lines holding "Power Scheme GUID: " (exact case) count,
// at most ten; "*" anywhere marks the active plan; the name is cut at the
// first ")".
std::vector<PowerPlanEntry> parsePowercfgListing(std::string_view text);

// powerprofilesctl list: a profile line is "  name:" or "* name:" (the active
// one) with nothing after the colon; the indented detail lines below it and
// blank lines are skipped. The profile name is both the name and the field
// that activates it. At most ten.
std::vector<PowerPlanEntry> parsePowerProfilesListing(std::string_view text);

std::vector<PowerPlanEntry> parsePlanListing(platform::PlanListingFormat format,
                                             std::string_view text);

}  // namespace voltaro::power
