// The fields of the settings record by name, in the order of their offsets
// in "voltaro.ini": what `voltaroctl settings` prints and what a scenario's
// "setting NAME=VALUE" statement sets.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/app_settings.h"

namespace voltaro::settings {

struct SettingsField {
  const char* name;                 // the record's field name, "WarningLevel"
  std::size_t offset;               // byte offset in the file
  std::uint8_t AppSettings::*byte;  // nullptr for the 4-byte FastDischargeMinutes
};

// Every field of the 51-byte file, in offset order.
std::span<const SettingsField> settingsFields();

const SettingsField* findSettingsField(std::string_view name);

// The field's value as a decimal number.
std::string fieldValue(const AppSettings& settings, const SettingsField& field);

// Sets the field from a decimal text; returns an error text, or nullopt. A
// one-byte field takes 0..255, FastDischargeMinutes any 32-bit number.
std::optional<std::string> setFieldValue(AppSettings& settings, const SettingsField& field,
                                         const std::string& text);

}  // namespace voltaro::settings
