// Number texts as the program shows them: digit grouping and units.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace voltaro {

// Digit-grouping setting: 0 none, 1 comma, 2 period; any other value period.
// Empty text gives "0"; a text with anything but '-' and digits (such as
// "None") is returned unchanged, as is every text with grouping 0. At most
// three separators are inserted, a leading minus stays in front.
std::string groupdigits(std::string_view text, std::uint8_t grouping);

// Strips every character but '-' and the digits, then groups again; used when
// the grouping setting changes under a shown value. A text without any digit
// (such as "None" for an unknown rate) stays as it is rather than turning
// into "0".
std::string regroupdigits(std::string_view shown, std::uint8_t grouping);

// "None" stays "None" without unit; "0.00" becomes "0"; a non-empty unit is
// appended after one blank ("12" with "%" reads "12 %").
std::string withunit(std::string_view value, std::string_view unit);

// Fixed-point text with the given number of decimals ("29.95").
std::string fixedText(double value, int decimals);

}  // namespace voltaro
