// Number texts as the program shows them: digit grouping and units.
#include "common/text_format.h"

#include <cstdio>
#include <vector>

namespace voltaro {
namespace {

constexpr int kMaxSeparators = 3;
constexpr std::size_t kGroupSize = 3;

bool onlyMinusAndDigits(std::string_view text) {
  for (char c : text) {
    if (c != '-' && (c < '0' || c > '9')) return false;
  }
  return true;
}

char separatorFor(std::uint8_t grouping) {
  return grouping == 1 ? ',' : '.';
}

}  // namespace

std::string groupdigits(std::string_view text, std::uint8_t grouping) {
  if (text.empty()) return "0";
  if (grouping == 0 || !onlyMinusAndDigits(text)) return std::string(text);

  std::string_view sign;
  std::string_view digits = text;
  if (digits.front() == '-') {
    sign = digits.substr(0, 1);
    digits.remove_prefix(1);
  }
  const char separator = separatorFor(grouping);
  // Build from the right: a separator after every full group of three,
  // but never more than three of them and never in front of the first digit.
  std::string reversed;
  int separators = 0;
  std::size_t inGroup = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (inGroup == kGroupSize && separators < kMaxSeparators) {
      reversed.push_back(separator);
      ++separators;
      inGroup = 0;
    }
    reversed.push_back(*it);
    ++inGroup;
  }
  std::string result(sign);
  result.append(reversed.rbegin(), reversed.rend());
  return result;
}

std::string regroupdigits(std::string_view shown, std::uint8_t grouping) {
  if (shown.find_first_of("0123456789") == std::string_view::npos) return std::string(shown);
  std::string plain;
  for (char c : shown) {
    if (c == '-' || (c >= '0' && c <= '9')) plain.push_back(c);
  }
  return groupdigits(plain, grouping);
}

std::string withunit(std::string_view value, std::string_view unit) {
  if (value == "None") return "None";
  std::string result = value == "0.00" ? std::string("0") : std::string(value);
  if (!unit.empty()) {
    result.push_back(' ');
    result.append(unit);
  }
  return result;
}

std::string fixedText(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  const int needed = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  if (needed <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
  return std::string(buffer.data(), static_cast<std::size_t>(needed));
}

}  // namespace voltaro
