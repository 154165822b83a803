#include "monitor_session.h"

#include <sstream>
#include <vector>

namespace voltaro::tools {

using platform::PowerEvent;
using platform::sim::ScenarioLine;
using platform::sim::SimBatteryDriver;

MonitorSession::MonitorSession(platform::Runtime& runtime, platform::BatteryDriver& driver,
                               ChangePrinter& printer)
    : runtime(runtime),
      assembly(
          monitor::AssemblyPorts{runtime, driver, power, times, audio, printer, printer, hooks}),
      tickWatch_(runtime, printer, [this] { return assembly.monitor.tickRunning(); }) {
  printer.attach(assembly.texts);
}

TickWatch::TickWatch(platform::Runtime& runtime, ChangePrinter& printer,
                     std::function<bool()> running)
    : timer_(runtime.createTimer()) {
  timer_->setInterval(250);
  timer_->setHandler([this, &printer, running = std::move(running)] {
    const bool now = running();
    if (now == wasRunning_) return;
    wasRunning_ = now;
    printer.note(now ? "monitoring runs" : "monitoring stopped");
  });
  timer_->setEnabled(true);
}

void MonitorSession::addVerbs(platform::sim::ScenarioReader& reader, SimBatteryDriver& driver) {
  addPowerVerbs(reader, driver, power, [this] { assembly.monitor.act8(); });
}

void addPowerVerbs(platform::sim::ScenarioReader& reader, SimBatteryDriver& driver,
                   platform::sim::SimPowerEvents& power, std::function<void()> switchBattery) {
  auto verb = [&driver](std::function<void()> action) {
    return [&driver, action](const ScenarioLine& line,
                             SimBatteryDriver& target) -> std::optional<std::string> {
      if (!line.words.empty() || !line.values.empty()) {
        return "'" + line.verb + "' takes no words";
      }
      if (&target == &driver) action();
      return std::nullopt;
    };
  };
  reader.addVerb("suspend", verb([&power] { power.fire(PowerEvent::Suspend); }));
  reader.addVerb("standby", verb([&power] { power.fire(PowerEvent::Standby); }));
  reader.addVerb("resume", verb([&power] { power.fire(PowerEvent::ResumeSuspend); }));
  reader.addVerb("switch", verb(std::move(switchBattery)));
}

namespace {

// Seconds of the day of "HH:MM" or "HH:MM:SS", or nullopt.
std::optional<std::uint32_t> clockSeconds(std::string_view text) {
  std::vector<std::uint32_t> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t colon = text.find(':', from);
    const auto piece =
        text.substr(from, colon == std::string_view::npos ? text.npos : colon - from);
    if (piece.empty() || piece.size() > 2) return std::nullopt;
    std::uint32_t value = 0;
    for (char ch : piece) {
      if (ch < '0' || ch > '9') return std::nullopt;
      value = value * 10 + static_cast<std::uint32_t>(ch - '0');
    }
    parts.push_back(value);
    if (colon == std::string_view::npos) break;
    from = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  if (parts[0] > 23 || parts[1] > 59 || (parts.size() == 3 && parts[2] > 59)) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + (parts.size() == 3 ? parts[2] : 0);
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first two words of a line and where the second one ends.
struct Head {
  std::string first, second;
  std::size_t secondEnd = 0;
};

Head head(const std::string& line) {
  Head h;
  std::istringstream in(line);
  in >> h.first >> h.second;
  const std::size_t at = line.find(h.second, line.find(h.first) + h.first.size());
  h.secondEnd = h.second.empty() ? line.size() : at + h.second.size();
  return h;
}

}  // namespace

std::optional<std::string> resolveClockTimes(std::string& text, CivilDateTime& start) {
  std::vector<std::string> lines = splitLines(text);
  std::uint32_t startSeconds = 8 * 3600;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Head h = head(lines[i]);
    if (h.first != "start") continue;
    const auto seconds = clockSeconds(h.second);
    if (!seconds) return "line " + std::to_string(i + 1) + ": write 'start HH:MM[:SS]'";
    startSeconds = *seconds;
    lines[i] = "# " + lines[i];
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Head h = head(lines[i]);
    if (h.first != "at" || h.second.find(':') == std::string::npos) continue;
    const auto seconds = clockSeconds(h.second);
    if (!seconds) return "line " + std::to_string(i + 1) + ": write 'at HH:MM[:SS] STATEMENT'";
    if (*seconds < startSeconds) {
      return "line " + std::to_string(i + 1) + ": " + h.second + " is before the start";
    }
    lines[i] = "at " + std::to_string(*seconds - startSeconds) + lines[i].substr(h.secondEnd);
  }
  start.hour = static_cast<int>(startSeconds / 3600);
  start.minute = static_cast<int>(startSeconds / 60 % 60);
  start.second = static_cast<int>(startSeconds % 60);
  text.clear();
  for (const auto& line : lines) text += line + "\n";
  return std::nullopt;
}

std::string describe(const ScenarioLine& line) {
  std::string text = line.verb;
  for (const auto& word : line.words) text += " " + word;
  for (const auto& [key, value] : line.values) text += " " + key + "=" + value;
  return text;
}

}  // namespace voltaro::tools
