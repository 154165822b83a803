// Fuzzes the settings files as the program reads them: "voltaro.ini" and
// "launch.txt" are written from the input into a data folder of their own,
// loaded, saved and loaded again.
//
// Input: one byte N, then N bytes of "voltaro.ini" (N = 255: no such file;
// fewer when the input ends first); the rest is "launch.txt" (no such file
// when nothing is left).
//
// Properties: the first load reads both files; the save writes the 51-byte
// record; the second load gives back the record of the first, and saving it
// again writes the same bytes; every field's shown value sets the field back
// to itself.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "common/file_io.h"
#include "fakes/fake_error_report.h"
#include "fakes/temporary_folder.h"
#include "fuzz_check.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace {

using voltaro::FileRead;
using voltaro::readFileHead;
using voltaro::settings::AppSettings;
using voltaro::settings::SettingsStore;

constexpr std::uint8_t kNoSettingsFile = 255;

void writeOrRemove(const std::string& path, std::span<const std::uint8_t> bytes, bool present) {
  voltaro::removeFile(path);
  if (present) FUZZ_CHECK(voltaro::replaceFileAtomically(path, bytes).ok);
}

void checkFieldTexts(const AppSettings& settings) {
  for (const auto& field : voltaro::settings::settingsFields()) {
    AppSettings copy = settings;
    const auto error = voltaro::settings::setFieldValue(
        copy, field, voltaro::settings::fieldValue(settings, field));
    FUZZ_CHECK(!error.has_value());
    FUZZ_CHECK(copy == settings);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const voltaro::testing::TemporaryFolder folder("voltaro-fuzz-settings-");
  const std::span<const std::uint8_t> input(data, size);
  const std::uint8_t head = input.empty() ? kNoSettingsFile : input[0];
  const std::span<const std::uint8_t> rest = input.empty() ? input : input.subspan(1);
  const std::size_t settingsBytes =
      head == kNoSettingsFile ? 0 : std::min<std::size_t>(head, rest.size());

  voltaro::fakes::FakeErrorReport errors;
  SettingsStore store(folder.folder(), errors);
  const std::string settingsPath = store.pathOf(voltaro::settings::kSettingsFileName);
  writeOrRemove(settingsPath, rest.first(settingsBytes), head != kNoSettingsFile);
  const auto launch = rest.subspan(settingsBytes);
  writeOrRemove(store.pathOf(voltaro::settings::kLaunchFileName), launch, !launch.empty());

  AppSettings first;
  FUZZ_CHECK(store.loadSettings(first));
  FUZZ_CHECK(store.saveSettings(first));
  const FileRead saved = readFileHead(settingsPath, 4096);
  FUZZ_CHECK(saved.read() && saved.bytes.size() == voltaro::settings::kSettingsFileBytes);
  FUZZ_CHECK(saved.bytes == voltaro::settings::encodeSettings(first));

  AppSettings second;
  FUZZ_CHECK(store.loadSettings(second));
  FUZZ_CHECK(second == first);
  FUZZ_CHECK(voltaro::settings::encodeSettings(second) == saved.bytes);
  FUZZ_CHECK(errors.messages.empty());

  checkFieldTexts(first);
  return 0;
}
