#include "journal/csv_fields.h"

#include <charconv>

namespace voltaro::journal {

std::vector<std::string_view> splitFields(std::string_view line) {
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = line.find(',');
    fields.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

namespace {

template <typename T>
std::optional<T> number(std::string_view field) {
  if (field.empty()) return std::nullopt;
  // from_chars takes a '+' nowhere and a '-' only for signed types; digits
  // must fill the whole field.
  T value{};
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

template <typename T>
OptionalField<T> optionalNumber(std::string_view field) {
  if (field.empty()) return {true, std::nullopt};
  const auto value = number<T>(field);
  return {value.has_value(), value};
}

}  // namespace

std::optional<std::uint32_t> unsignedField(std::string_view field) {
  return number<std::uint32_t>(field);
}

std::optional<std::int64_t> signedField(std::string_view field) {
  return number<std::int64_t>(field);
}

OptionalField<std::uint32_t> optionalUnsignedField(std::string_view field) {
  return optionalNumber<std::uint32_t>(field);
}

OptionalField<std::int64_t> optionalSignedField(std::string_view field) {
  return optionalNumber<std::int64_t>(field);
}

}  // namespace voltaro::journal
