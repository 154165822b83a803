// The files of the settings record in the data folder.
#include "settings/settings_store.h"

#include <algorithm>

#include "common/file_io.h"
#include "settings/settings_file.h"
#include "view/status_line.h"

namespace voltaro::settings {
namespace {

constexpr std::size_t kChargeRateBytes = 4;
constexpr std::size_t kGadgetPositionBytes = 8;

}  // namespace

SettingsStore::SettingsStore(std::string dataFolder, view::ErrorReport& errors)
    : dataFolder_(std::move(dataFolder)), errors_(errors) {}

bool SettingsStore::settingsFileExists() const {
  return fileExists(pathOf(kSettingsFileName));
}

void SettingsStore::reportRead(const std::string& path) {
  errors_.report("Could not read " + path);
}

void SettingsStore::reportWrite(const std::string& path) {
  errors_.report("Could not write " + path);
}

// Loads into a fresh record and adopts it only when every file read, so an
// unreadable file leaves the record held before untouched.
bool SettingsStore::loadSettings(AppSettings& settings) {
  AppSettings loaded;
  loaded.LearnedChargeRate = settings.LearnedChargeRate;

  const std::string path = pathOf(kSettingsFileName);
  if (fileExists(path)) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
      reportRead(path);
      return false;
    }
    readSettingsBytes(*bytes, loaded);
    applyLoadCorrections(loaded);
  }

  const std::string launch = pathOf(kLaunchFileName);
  if (fileExists(launch)) {
    const auto lines = readTextLines(launch);
    if (!lines) {
      reportRead(launch);
      return false;
    }
    if (!lines->empty()) loaded.LaunchProgramPath = lines->front();
  }
  settings = std::move(loaded);
  return true;
}

bool SettingsStore::saveSettings(const AppSettings& settings) {
  const std::string path = pathOf(kSettingsFileName);
  if (!replaceFileAtomically(path, encodeSettings(settings))) {
    reportWrite(path);
    return false;
  }
  const std::string launch = pathOf(kLaunchFileName);
  if (!writeTextLines(launch, {settings.LaunchProgramPath})) {
    reportWrite(launch);
    return false;
  }
  return true;
}

bool SettingsStore::loadChargeRate(AppSettings& settings) {
  settings.LearnedChargeRate = kInitialChargeRate;
  const std::string path = pathOf(kChargeRateFileName);
  if (!fileExists(path)) return true;
  const auto bytes = readFileBytes(path);
  if (!bytes || bytes->size() < kChargeRateBytes) {
    reportRead(path);
    return false;
  }
  settings.LearnedChargeRate = *ByteReader(*bytes).u32();
  return true;
}

bool SettingsStore::saveChargeRate(const AppSettings& settings) {
  ByteWriter writer;
  writer.u32(settings.LearnedChargeRate);
  const std::string path = pathOf(kChargeRateFileName);
  if (replaceFileAtomically(path, writer.bytes())) return true;
  reportWrite(path);
  return false;
}

std::optional<GadgetPosition> SettingsStore::readGadgetPosition() {
  const std::string path = pathOf(kGadgetPositionFileName);
  if (!fileExists(path)) return std::nullopt;
  const auto bytes = readFileBytes(path);
  if (!bytes || bytes->size() < kGadgetPositionBytes) {
    reportRead(path);
    return std::nullopt;
  }
  ByteReader reader(*bytes);
  GadgetPosition position;
  position.left = std::max(*reader.i32(), 0);
  position.top = std::max(*reader.i32(), 0);
  return position;
}

bool SettingsStore::writeGadgetPosition(const GadgetPosition& position) {
  ByteWriter writer;
  writer.i32(position.left);
  writer.i32(position.top);
  const std::string path = pathOf(kGadgetPositionFileName);
  if (replaceFileAtomically(path, writer.bytes())) return true;
  reportWrite(path);
  return false;
}

}  // namespace voltaro::settings
