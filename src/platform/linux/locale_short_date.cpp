#include "platform/linux/locale_short_date.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>

namespace voltaro::platform {

namespace {

// The pattern of one conversion character; nullopt when it has none.
std::optional<std::string_view> conversionPattern(char conversion, bool unpadded) {
  switch (conversion) {
    case 'd':
      return unpadded ? "d" : "dd";
    case 'e':  // day padded with a blank: the blank is not kept
      return "d";
    case 'm':
      return unpadded ? "M" : "MM";
    case 'y':
      return "yy";
    case 'Y':
      return "yyyy";
    case 'D':
      return "MM/dd/yy";
    case 'F':
      return "yyyy-MM-dd";
    default:
      return std::nullopt;
  }
}

bool isPatternLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == '\'';
}

void appendLiteral(std::string& pattern, char c) {
  if (c == '\'') {
    pattern += "''";
  } else if (isPatternLetter(c)) {
    (pattern += '\'') += c;
    pattern += '\'';
  } else {
    pattern += c;
  }
}

// The locale name the C library takes for LC_TIME from the environment.
std::string timeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

bool isPlainLocale(const std::string& name) {
  return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

}  // namespace

std::optional<std::string> shortDatePatternFromStrftime(std::string_view format) {
  std::string pattern;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      appendLiteral(pattern, format[i]);
      continue;
    }
    if (++i >= format.size()) return std::nullopt;
    bool unpadded = false;
    if (format[i] == '-') {
      unpadded = true;
      if (++i >= format.size()) return std::nullopt;
    }
    if (format[i] == 'E' || format[i] == 'O') {
      if (++i >= format.size()) return std::nullopt;
    }
    if (format[i] == '%') {
      pattern += '%';
      continue;
    }
    const auto piece = conversionPattern(format[i], unpadded);
    if (!piece) return std::nullopt;
    pattern += *piece;
  }
  if (pattern.empty()) return std::nullopt;
  return pattern;
}

std::optional<std::string> localeShortDatePattern() {
  const std::string name = timeLocaleName();
  if (isPlainLocale(name)) return std::nullopt;
  const locale_t locale = newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return std::nullopt;
  const std::string format = nl_langinfo_l(D_FMT, locale);
  freelocale(locale);
  return shortDatePatternFromStrftime(format);
}

}  // namespace voltaro::platform
