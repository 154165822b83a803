#include "history/history_file.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace voltaro::history {
namespace {

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

struct Parsed {
  bool gap = false;
  double percent = 0.0;
  SampleKind kind = SampleKind::None;
};

// One non-empty line; an error text when it is not a sample.
std::string parseLine(std::string_view line, Parsed& out) {
  if (line == "-") {
    out.gap = true;
    return {};
  }
  std::istringstream fields{std::string(line)};
  std::string percentText;
  std::string kindText;
  std::string extra;
  fields >> percentText >> kindText;
  if (kindText.empty()) return "expected \"percent kind\" or \"-\"";
  if (fields >> extra) return "unexpected text after the kind";
  const char* end = percentText.data() + percentText.size();
  const auto [at, failure] = std::from_chars(percentText.data(), end, out.percent);
  if (failure != std::errc() || at != end || !std::isfinite(out.percent)) {
    return "the percent is not a number";
  }
  if (out.percent < 0.0 || out.percent > 110.0) return "the percent is outside 0..110";
  if (kindText == "1") {
    out.kind = SampleKind::OnPower;
  } else if (kindText == "2") {
    out.kind = SampleKind::Charging;
  } else if (kindText == "3") {
    out.kind = SampleKind::OnBattery;
  } else {
    return "the kind must be 1, 2 or 3";
  }
  return {};
}

}  // namespace

HistoryFileResult readHistoryText(std::string_view text, ChargeHistory& history) {
  history.reset();
  HistoryFileResult result;
  int lineNumber = 0;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    const std::string_view line = trim(text.substr(0, newline));
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    Parsed parsed;
    const std::string error = parseLine(line, parsed);
    if (!error.empty()) {
      result.error = "line " + std::to_string(lineNumber) + ": " + error;
      return result;
    }
    history.advance();
    ++result.samples;
    if (parsed.gap) continue;
    history.writeSample(quarterPercent(parsed.percent), parsed.kind);
    result.lastPercent = parsed.percent;
    result.lastKind = parsed.kind;
  }
  result.ok = true;
  return result;
}

}  // namespace voltaro::history
