// The user's regional short-date format on Linux: the date format of the
// LC_TIME locale (nl_langinfo D_FMT), turned into the short-date pattern
// the logs write with ("dd.MM.yyyy" for "%d.%m.%Y").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voltaro::platform {

// The pattern of a strftime date format: %d, %e, %m, %y, %Y, %D, %F, glibc's
// unpadded %-d and %-m, %%, and the E and O modifiers (ignored); other text is
// kept, quoted where it holds pattern letters. nullopt for any other
// conversion (names of days and months), which a short date does not use.
std::optional<std::string> shortDatePatternFromStrftime(std::string_view format);

// The pattern of the locale that LC_ALL, LC_TIME or LANG names, as the C
// library resolves them. nullopt when that is the C or POSIX locale (the
// user has chosen no region), when the locale is not installed, or when its
// format has no pattern.
std::optional<std::string> localeShortDatePattern();

}  // namespace voltaro::platform
