#include "power/plan_listing.h"

#include <algorithm>
#include <cctype>

namespace voltaro::power {

namespace {

constexpr std::string_view kSchemeMarker = "Power Scheme GUID: ";
constexpr std::string_view kNameOpening = "  (";

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Removes every occurrence of `what` from `text`, letters compared without
// case.
std::string removeAllIgnoringCase(std::string_view text, std::string_view what) {
  if (what.empty()) return std::string(text);
  const std::string haystack = lowered(text);
  const std::string needle = lowered(what);
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, from)) {
    out.append(text.substr(from, at - from));
    from = at + needle.size();
  }
  out.append(text.substr(from));
  return out;
}

PowerPlanEntry parsePowercfgLine(std::string_view line) {
  PowerPlanEntry entry;
  entry.active = line.find('*') != std::string_view::npos;
  std::string text = removeAllIgnoringCase(line, kSchemeMarker);
  const std::size_t opening = text.find(kNameOpening);
  // A line without the "  (" that opens the name gives no GUID and no name.
  if (opening == std::string::npos) return entry;
  entry.guidField = text.substr(0, opening + 1);
  text = removeAllIgnoringCase(text, entry.guidField);
  // The text now starts with " (": the name runs from its third character.
  if (text.size() < 2) return entry;
  const std::size_t closing = text.find(')', 2);
  entry.name = text.substr(2, closing == std::string::npos ? std::string::npos : closing - 2);
  return entry;
}

std::string_view trimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<std::string> splitListingLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    from = end + 1;
  }
  return lines;
}

std::vector<PowerPlanEntry> parsePowercfgListing(std::string_view text) {
  std::vector<PowerPlanEntry> plans;
  for (const std::string& line : splitListingLines(text)) {
    if (plans.size() >= kMaximumPlans) break;
    if (line.find(kSchemeMarker) == std::string::npos) continue;
    plans.push_back(parsePowercfgLine(line));
  }
  return plans;
}

std::vector<PowerPlanEntry> parsePowerProfilesListing(std::string_view text) {
  std::vector<PowerPlanEntry> plans;
  for (const std::string& raw : splitListingLines(text)) {
    if (plans.size() >= kMaximumPlans) break;
    const std::string_view line = trimRight(raw);
    if (line.size() < 4 || line.back() != ':') continue;
    const bool active = line[0] == '*';
    if ((line[0] != ' ' && !active) || line[1] != ' ' || line[2] == ' ') continue;
    const std::string_view name = line.substr(2, line.size() - 3);
    if (name.find_first_of(" \t:") != std::string_view::npos) continue;
    plans.push_back(PowerPlanEntry{std::string(name), std::string(name), active});
  }
  return plans;
}

std::vector<PowerPlanEntry> parsePlanListing(platform::PlanListingFormat format,
                                             std::string_view text) {
  switch (format) {
    case platform::PlanListingFormat::Powercfg:
      return parsePowercfgListing(text);
    case platform::PlanListingFormat::PowerProfiles:
      return parsePowerProfilesListing(text);
  }
  return {};
}

}  // namespace voltaro::power
