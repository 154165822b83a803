#include "history_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <system_error>

#include "common/day_number.h"
#include "common/scramble.h"
#include "engine/documents_folders.h"
#include "history_output.h"
#include "journal/journal_files.h"
#include "journal/wear_trend.h"
#ifdef VOLTARO_HAVE_GRAPH
#include "capacity_graph.h"
#endif

namespace voltaro::tools {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalSuffix = "-journal.csv";
constexpr std::size_t kTrendCaptionWidth = 14;

struct HistoryArgs {
  std::string data;
  std::string battery;
  bool csv = false;
  bool json = false;
  bool sessions = false;
  std::string plot;
};

// The data folder the program uses, found without creating anything: the
// one on the Documents base, or the fallback's when only that one exists.
std::optional<std::string> findDataFolder(const std::string& dataBase, std::string& error) {
  std::unique_ptr<platform::Folders> folders =
      dataBase.empty() ? engine::makeUserFolders(error)
                       : std::make_unique<engine::DocumentsFolders>(dataBase);
  if (!folders) return std::nullopt;
  const auto on = [&](const std::optional<std::string>& base) -> std::string {
    if (!base || base->empty()) return "";
    std::string folder = *base;
    if (folder.back() != folders->separator() && folder.back() != '/') {
      folder += folders->separator();
    }
    return folder + makerFolder() + folders->separator() + productTitle() + folders->separator();
  };
  const std::string documents = on(folders->documentsFolder());
  const std::string shared = on(folders->sharedFolder());
  std::error_code ec;
  if (!documents.empty() && fs::is_directory(documents, ec)) return documents;
  if (!shared.empty() && fs::is_directory(shared, ec)) return shared;
  error = "no data folder at " + (documents.empty() ? shared : documents);
  return std::nullopt;
}

// The keys of the batteries with a journal in `folder`, sorted.
std::vector<std::string> journalKeys(const std::string& folder) {
  std::vector<std::string> keys;
  std::error_code ec;
  for (const auto& item : fs::directory_iterator(folder, ec)) {
    const std::string name = item.path().filename().string();
    if (name.size() > kJournalSuffix.size() && name.ends_with(kJournalSuffix)) {
      keys.push_back(name.substr(0, name.size() - kJournalSuffix.size()));
    }
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::int32_t today() {
  return dayNumber(localDayTime(std::chrono::system_clock::now()));
}

// One battery's part of the output; false after a message when its file
// could not be read.
bool printBattery(const HistoryArgs& a, const std::string& folder, const std::string& key,
                  nlohmann::json& json, std::ostream& out, std::ostream& err) {
  const std::string path =
      a.sessions ? journal::sessionsPath(folder, key) : journal::journalPath(folder, key);
  journal::JournalRead days;
  journal::SessionsRead sessions;
  ReadState state = ReadState::Missing;
  std::string cause;
  if (a.sessions) {
    sessions = journal::readSessions(path);
    state = sessions.state;
    cause = sessions.cause;
  } else {
    days = journal::readJournal(path);
    state = days.state;
    cause = days.cause;
  }
  if (state == ReadState::Unreadable) {
    err << "voltaroctl history: cannot read " << path << ": " << cause << "\n";
    return false;
  }
  const journal::WearTrend trend = journal::fitWearTrend(days.entries);
  if (a.json) {
    nlohmann::json battery = {{"battery_key", key}, {"file", path}};
    if (a.sessions) {
      battery["sessions"] = sessionsJson(sessions.entries);
    } else {
      battery["journal"] = journalJson(days.entries);
      battery["trend"] = trendJson(trend);
    }
    json["batteries"].push_back(battery);
  } else if (a.csv) {
    if (a.sessions) {
      printSessionsCsv(sessions.entries, out);
    } else {
      printJournalCsv(days.entries, out);
    }
  } else {
    out << "Battery " << key << "\n  " << path << "\n";
    if (a.sessions) {
      printSessionsTable(sessions.entries, out);
    } else {
      printJournalTable(days.entries, out);
      printTrend(trend, today(), out, kTrendCaptionWidth);
    }
  }
  return true;
}

int plotJournal(const HistoryArgs& a, const std::string& folder, const std::string& key,
                std::ostream& out, std::ostream& err) {
#ifdef VOLTARO_HAVE_GRAPH
  const journal::JournalRead days = journal::readJournal(journal::journalPath(folder, key));
  if (days.state == ReadState::Unreadable) {
    err << "voltaroctl history: cannot read the journal of " << key << ": " << days.cause << "\n";
    return 1;
  }
  if (days.entries.empty()) {
    err << "voltaroctl history: the journal of " << key << " holds no day\n";
    return 1;
  }
  if (auto problem = drawCapacityGraph(days.entries, a.plot)) {
    err << "voltaroctl history: " << *problem << "\n";
    return 1;
  }
  out << "capacity of " << key << " over " << days.entries.size() << " days drawn to " << a.plot
      << "\n";
  return 0;
#else
  (void)a, (void)folder, (void)key, (void)out;
  err << "voltaroctl history: this build draws no pictures\n";
  return 2;
#endif
}

int runHistory(const HistoryArgs& parsed, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<std::string> folder = findDataFolder(parsed.data, error);
  if (!folder) {
    err << "voltaroctl history: " << error << "\n";
    return 1;
  }
  std::vector<std::string> keys =
      parsed.battery.empty() ? journalKeys(*folder) : std::vector<std::string>{parsed.battery};
  if (keys.empty()) {
    err << "voltaroctl history: no battery has a journal in " << *folder << "\n";
    return kExitFailed;
  }
  if (keys.size() > 1 && (parsed.csv || !parsed.plot.empty())) {
    err << "voltaroctl history: several batteries have a journal; name one with --battery KEY\n";
    return kExitUsage;
  }
  if (!parsed.plot.empty()) return plotJournal(parsed, *folder, keys.front(), out, err);
  nlohmann::json json = {{"data_folder", *folder}, {"batteries", nlohmann::json::array()}};
  int status = 0;
  for (const std::string& key : keys) {
    if (!printBattery(parsed, *folder, key, json, out, err)) status = 1;
  }
  if (parsed.json) out << json.dump(2) << "\n";
  return status;
}

}  // namespace

CommandAction defineHistoryCommand(CLI::App& command) {
  auto args = std::make_shared<HistoryArgs>();
  command
      .add_option("--data", args->data,
                  "The Documents base of the data folder (default: the user's own)")
      ->type_name("DIR");
  command.add_option("--battery", args->battery, "The battery's key (default: every battery)")
      ->type_name("KEY");
  CLI::Option* csv = command.add_flag("--csv", args->csv, "Print the file's CSV lines");
  CLI::Option* json = command.add_flag("--json", args->json, "Print one JSON object");
  CLI::Option* sessions =
      command.add_flag("--sessions", args->sessions, "The charge and discharge sessions");
  csv->excludes(json);
  CLI::Option* plot =
      command.add_option("--plot", args->plot, "Draw the capacity over time to a PNG file")
          ->type_name("FILE.png");
  plot->excludes(csv)->excludes(json)->excludes(sessions);
  return [args](std::ostream& out, std::ostream& err) { return runHistory(*args, out, err); };
}

}  // namespace voltaro::tools
