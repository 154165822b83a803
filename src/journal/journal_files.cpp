#include "journal/journal_files.h"

namespace voltaro::journal {

namespace {

// Splits at LF; a CR before it stays and the field splitter drops it.
template <typename Entry, typename Parse>
void parseLines(std::span<const std::uint8_t> bytes, Parse parse, LinesRead<Entry>& result) {
  const auto* text = reinterpret_cast<const char*>(bytes.data());
  std::string_view rest(text, bytes.size());
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (auto entry = parse(line)) {
      result.entries.push_back(std::move(*entry));
    } else {
      ++result.passedOver;
    }
  }
}

template <typename Entry, typename Parse>
LinesRead<Entry> readLines(const std::string& path, Parse parse) {
  LinesRead<Entry> result;
  FileRead read = readFileHead(path, kWholeFileLimit);
  result.state = read.state;
  if (!read.read()) {
    result.cause = std::move(read.cause);
    return result;
  }
  parseLines<Entry>(read.bytes, parse, result);
  return result;
}

}  // namespace

std::string journalPath(const std::string& dataFolder, const std::string& batteryKey) {
  return dataFolder + batteryKey + "-journal.csv";
}

std::string sessionsPath(const std::string& dataFolder, const std::string& batteryKey) {
  return dataFolder + batteryKey + "-sessions.csv";
}

JournalRead readJournal(const std::string& path) {
  return readLines<JournalEntry>(path, parseJournalLine);
}

SessionsRead readSessions(const std::string& path) {
  return readLines<SessionEntry>(path, parseSessionLine);
}

FileWrite appendEntryLine(const std::string& path, std::string_view header,
                          const std::string& line) {
  const FileRead head = readFileHead(path, 1);
  const bool fresh = head.missing() || (head.read() && head.bytes.empty());
  if (fresh) return appendTextLines(path, {std::string(header), line});
  return appendTextLines(path, {line});
}

FileWrite writeJournalCopy(const std::string& path, const std::vector<JournalEntry>& entries) {
  std::vector<std::string> lines;
  lines.reserve(entries.size() + 1);
  lines.emplace_back(kJournalHeader);
  for (const JournalEntry& entry : entries) lines.push_back(formatJournalLine(entry));
  return writeTextLines(path, lines);
}

}  // namespace voltaro::journal
