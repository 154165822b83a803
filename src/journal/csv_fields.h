// The fields of one line of the journal files: comma-separated, never
// quoted (no field holds a comma), an empty field for a figure not known.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro::journal {

// The fields of `line`, with any CR left at its end dropped.
std::vector<std::string_view> splitFields(std::string_view line);

// A field of decimal digits only; nullopt for anything else.
std::optional<std::uint32_t> unsignedField(std::string_view field);
// A field of decimal digits with an optional leading '-'.
std::optional<std::int64_t> signedField(std::string_view field);

// An optional figure: the empty field is a valid "not known"; a malformed
// field is not valid.
template <typename T>
struct OptionalField {
  bool valid = false;
  std::optional<T> value;
};
OptionalField<std::uint32_t> optionalUnsignedField(std::string_view field);
OptionalField<std::int64_t> optionalSignedField(std::string_view field);

// The text of an optional figure: its decimal digits, or empty.
template <typename T>
std::string fieldText(const std::optional<T>& value) {
  return value ? std::to_string(*value) : std::string();
}

}  // namespace voltaro::journal
