#include "history_output.h"

#include <cstdio>
#include <iomanip>
#include <optional>
#include <ostream>

#include "common/text_format.h"
#include "journal/journal_dates.h"
#include "journal/trend_texts.h"

namespace voltaro::tools {

namespace {

using journal::JournalEntry;
using journal::SessionEntry;

constexpr std::uint8_t kCommaGrouping = 1;

std::string grouped(std::int64_t value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  return (value < 0 ? "-" : "") + groupdigits(digits, kCommaGrouping);
}

template <typename T>
std::string orBlank(const std::optional<T>& value) {
  return value ? grouped(static_cast<std::int64_t>(*value)) : std::string();
}

template <typename T>
nlohmann::json orNull(const std::optional<T>& value) {
  return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

std::string_view projectionName(journal::Projection projection) {
  using journal::Projection;
  switch (projection) {
    case Projection::NotEnoughData:
      return "not_enough_data";
    case Projection::NoDesignedCapacity:
      return "no_designed_capacity";
    case Projection::NotWearing:
      return "not_wearing";
    case Projection::Distant:
      return "distant";
    case Projection::AlreadyReached:
      return "reached";
    case Projection::Projected:
      return "projected";
  }
  return "not_enough_data";
}

}  // namespace

void printTrend(const journal::WearTrend& trend, std::int32_t today, std::ostream& out,
                std::size_t captionWidth) {
  const journal::TrendTexts texts = journal::trendTexts(trend, kCommaGrouping, today);
  out << "  " << std::left << std::setw(static_cast<int>(captionWidth)) << "Wear trend"
      << texts.loss << "\n";
  out << "  " << std::left << std::setw(static_cast<int>(captionWidth)) << "50 % wear"
      << texts.replacement << "\n";
}

void printJournalTable(const std::vector<JournalEntry>& entries, std::ostream& out) {
  char line[160];
  std::snprintf(line, sizeof line, "  %-10s  %9s  %9s  %6s  %6s  %9s  %8s  %s\n", "date",
                "full mWh", "design", "wear %", "cycles", "full dis.", "usage h", "event");
  out << line;
  for (const JournalEntry& e : entries) {
    std::string wear;
    if (e.designed && *e.designed > 0) {
      wear = fixedText(100.0 - e.fullCharged * 100.0 / *e.designed, 2);
    }
    const std::string discharges =
        e.fullDischargeHundredths ? fixedText(*e.fullDischargeHundredths / 100.0, 2) : "";
    const std::string usage = e.usageMinutes ? fixedText(*e.usageMinutes / 60.0, 1) : "";
    std::snprintf(line, sizeof line, "  %-10s  %9s  %9s  %6s  %6s  %9s  %8s  %s\n",
                  journal::isoDate(e.day).c_str(), grouped(e.fullCharged).c_str(),
                  orBlank(e.designed).c_str(), wear.c_str(), orBlank(e.cycleCount).c_str(),
                  discharges.c_str(), usage.c_str(),
                  std::string(journal::eventName(e.event)).c_str());
    out << line;
  }
}

void printSessionsTable(const std::vector<SessionEntry>& entries, std::ostream& out) {
  char line[200];
  std::snprintf(line, sizeof line, "  %-19s  %-19s  %-9s  %4s  %4s  %10s  %8s  %-8s  %s\n", "start",
                "end", "kind", "from", "to", "energy mWh", "avg mW", "reached", "ended by");
  out << line;
  for (const SessionEntry& e : entries) {
    const auto percent = [](const std::optional<int>& p) {
      return p ? std::to_string(*p) + "%" : std::string();
    };
    std::snprintf(line, sizeof line, "  %-19s  %-19s  %-9s  %4s  %4s  %10s  %8s  %-8s  %s\n",
                  journal::isoDateTime(e.start).c_str(), journal::isoDateTime(e.end).c_str(),
                  std::string(journal::kindName(e.kind)).c_str(), percent(e.startPercent).c_str(),
                  percent(e.endPercent).c_str(), orBlank(e.energy).c_str(),
                  orBlank(e.averageRate).c_str(),
                  std::string(journal::reachedName(e.reached)).c_str(),
                  std::string(journal::endedByName(e.endedBy)).c_str());
    out << line;
  }
}

void printJournalCsv(const std::vector<JournalEntry>& entries, std::ostream& out) {
  out << journal::kJournalHeader << "\n";
  for (const JournalEntry& e : entries) out << journal::formatJournalLine(e) << "\n";
}

void printSessionsCsv(const std::vector<SessionEntry>& entries, std::ostream& out) {
  out << journal::kSessionHeader << "\n";
  for (const SessionEntry& e : entries) out << journal::formatSessionLine(e) << "\n";
}

nlohmann::json journalJson(const std::vector<JournalEntry>& entries) {
  nlohmann::json days = nlohmann::json::array();
  for (const JournalEntry& e : entries) {
    days.push_back({{"date", journal::isoDate(e.day)},
                    {"full_charged_mwh", e.fullCharged},
                    {"designed_mwh", orNull(e.designed)},
                    {"cycle_count", orNull(e.cycleCount)},
                    {"full_discharge_hundredths", orNull(e.fullDischargeHundredths)},
                    {"usage_minutes", orNull(e.usageMinutes)},
                    {"event", journal::eventName(e.event)}});
  }
  return days;
}

nlohmann::json sessionsJson(const std::vector<SessionEntry>& entries) {
  nlohmann::json sessions = nlohmann::json::array();
  for (const SessionEntry& e : entries) {
    const std::string_view reached = journal::reachedName(e.reached);
    sessions.push_back({{"start", journal::isoDateTime(e.start)},
                        {"end", journal::isoDateTime(e.end)},
                        {"kind", journal::kindName(e.kind)},
                        {"start_percent", orNull(e.startPercent)},
                        {"end_percent", orNull(e.endPercent)},
                        {"energy_mwh", orNull(e.energy)},
                        {"average_mw", orNull(e.averageRate)},
                        {"reached", reached.empty() ? nlohmann::json(nullptr) : reached},
                        {"ended_by", journal::endedByName(e.endedBy)}});
  }
  return sessions;
}

nlohmann::json trendJson(const journal::WearTrend& trend) {
  nlohmann::json json = {{"projection", projectionName(trend.projection)},
                         {"days", trend.readings},
                         {"span_days", trend.spanDays}};
  if (!trend.enough()) return json;
  json["loss_mwh_per_100_days"] = trend.lossPer100Days();
  json["loss_percent_per_100_days"] = orNull(trend.lossPercentPer100Days());
  json["fitted_capacity_mwh"] = trend.fittedCapacity;
  json["fitted_wear_percent"] = orNull(trend.fittedWear());
  json["last_day"] = journal::isoDate(trend.lastDay);
  json["replacement_date"] =
      trend.projectedDay ? nlohmann::json(journal::isoDate(*trend.projectedDay)) : nullptr;
  return json;
}

}  // namespace voltaro::tools
