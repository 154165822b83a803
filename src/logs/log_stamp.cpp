#include "logs/log_stamp.h"

#include <cstdio>

namespace voltaro::logs {

namespace {

std::string& currentPattern() {
  static std::string pattern(kDefaultShortDatePattern);
  return pattern;
}

std::string number(int value, int minimumDigits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", minimumDigits, value);
  return text;
}

// The length of the run of `letter` that starts at `at`.
std::size_t runLength(std::string_view pattern, std::size_t at) {
  std::size_t end = at;
  while (end < pattern.size() && pattern[end] == pattern[at]) ++end;
  return end - at;
}

// A quoted text from the opening quote at `at`; returns where it ends.
std::size_t appendQuoted(std::string_view pattern, std::size_t at, std::string& out) {
  std::size_t i = at + 1;
  for (; i < pattern.size(); ++i) {
    if (pattern[i] != '\'') {
      out += pattern[i];
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
      out += '\'';
      ++i;
      continue;
    }
    return i + 1;
  }
  return i;
}

}  // namespace

void setShortDatePattern(std::string pattern) {
  currentPattern() = pattern.empty() ? std::string(kDefaultShortDatePattern) : std::move(pattern);
}

const std::string& shortDatePattern() {
  return currentPattern();
}

std::string formatShortDate(const CivilDateTime& date, std::string_view pattern) {
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
        out += '\'';
        i += 2;
      } else {
        i = appendQuoted(pattern, i, out);
      }
      continue;
    }
    const std::size_t run = runLength(pattern, i);
    if (c == 'd') {
      out += number(date.day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      out += number(date.month, run >= 2 ? 2 : 1);
    } else if (c == 'y') {
      out += run >= 3 ? number(date.year, 4) : number(date.year % 100, run >= 2 ? 2 : 1);
    } else {
      out.append(run, c);
    }
    i += run;
  }
  return out;
}

LogStamp logStamp(DayTime when) {
  const CivilDateTime civil = fromDayTime(when);
  char time[48];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", civil.hour, civil.minute, civil.second);
  return {formatShortDate(civil, currentPattern()), time};
}

}  // namespace voltaro::logs
