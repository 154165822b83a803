// The files of the settings record in the data folder.
#include "settings/settings_store.h"

#include <algorithm>

#include "settings/settings_file.h"
#include "view/status_line.h"

namespace voltaro::settings {
namespace {

constexpr std::size_t kSettingsBytes = 51;
constexpr std::size_t kChargeRateBytes = 4;
constexpr std::size_t kGadgetPositionBytes = 8;
// Only the first line of "launch.txt" is used; a path is far shorter.
constexpr std::size_t kLaunchFileLimit = 64 * 1024;

constexpr const char* kKeptAsItIs = " and leaves the file as it is until it can be read.";

}  // namespace

SettingsStore::SettingsStore(std::string dataFolder, view::ErrorReport& errors)
    : dataFolder_(std::move(dataFolder)), errors_(errors) {}

bool SettingsStore::settingsFileExists() const {
  return fileExists(pathOf(kSettingsFileName));
}

FileRead SettingsStore::readRecord(const std::string& path, std::size_t size, std::size_t needed,
                                   const char* consequence) {
  FileRead read = readFileHead(path, size);
  if (read.read() && read.bytes.size() < needed) {
    read.state = ReadState::Unreadable;
    read.cause = "it holds " + std::to_string(read.bytes.size()) + " bytes instead of " +
                 std::to_string(needed);
  }
  if (read.unreadable()) {
    unread_.insert(path);
    errors_.reportFileFault(
        path,
        "Cannot read \"" + path + "\": " + read.cause + ". Voltaro " + consequence + kKeptAsItIs,
        view::FileAccess::Read);
  } else {
    unread_.erase(path);
    errors_.fileRecovered(path, view::FileAccess::Read);
  }
  return read;
}

bool SettingsStore::save(const std::string& path, std::span<const std::uint8_t> bytes,
                         bool mayRetryRead, std::size_t needed) {
  if (unread_.contains(path)) {
    if (!mayRetryRead) return false;
    const FileRead again = readFileHead(path, needed);
    if (again.unreadable() || (again.read() && again.bytes.size() < needed)) return false;
    unread_.erase(path);
  }
  const FileWrite written = replaceFileAtomically(path, bytes);
  if (!written) {
    errors_.reportFileFault(path, "Cannot write \"" + path + "\": " + written.cause + ".");
    return false;
  }
  errors_.fileRecovered(path);
  return true;
}

bool SettingsStore::loadSettings(AppSettings& settings) {
  AppSettings loaded;
  loaded.LearnedChargeRate = settings.LearnedChargeRate;

  const FileRead record = readRecord(pathOf(kSettingsFileName), kSettingsBytes, 0,
                                     "works on the default settings meanwhile");
  settingsFileState_ = record.state;
  // A read that failed part way keeps the fields it got, as a short file would.
  readSettingsBytes(record.bytes, loaded);
  applyLoadCorrections(loaded);

  const FileRead launch = readRecord(pathOf(kLaunchFileName), kLaunchFileLimit, 0,
                                     "launches no program on a warning meanwhile");
  if (launch.read()) {
    const auto lines = splitTextLines(launch.bytes);
    if (!lines.empty()) loaded.LaunchProgramPath = lines.front();
  }
  settings = std::move(loaded);
  return !record.unreadable() && !launch.unreadable();
}

bool SettingsStore::saveSettings(const AppSettings& settings) {
  // Each file stays as it is when it could not be read at start: writing the
  // defaults held in its place would destroy the user's own.
  if (!save(pathOf(kSettingsFileName), encodeSettings(settings), false)) return false;
  const std::string launch = settings.LaunchProgramPath + "\r\n";
  return save(pathOf(kLaunchFileName),
              std::span(reinterpret_cast<const std::uint8_t*>(launch.data()), launch.size()),
              false);
}

bool SettingsStore::loadChargeRate(AppSettings& settings) {
  settings.LearnedChargeRate = kInitialChargeRate;
  const FileRead read = readRecord(pathOf(kChargeRateFileName), kChargeRateBytes, kChargeRateBytes,
                                   "starts from the usual charge rate");
  if (read.read()) settings.LearnedChargeRate = *ByteReader(read.bytes).u32();
  return !read.unreadable();
}

bool SettingsStore::saveChargeRate(const AppSettings& settings) {
  ByteWriter writer;
  writer.u32(settings.LearnedChargeRate);
  // A newly measured rate replaces the stored one, once that could be read.
  return save(pathOf(kChargeRateFileName), writer.bytes(), true, kChargeRateBytes);
}

std::optional<GadgetPosition> SettingsStore::readGadgetPosition() {
  const FileRead read = readRecord(pathOf(kGadgetPositionFileName), kGadgetPositionBytes,
                                   kGadgetPositionBytes, "places the gadget at its usual place");
  if (!read.read()) return std::nullopt;
  ByteReader reader(read.bytes);
  GadgetPosition position;
  position.left = std::max(*reader.i32(), 0);
  position.top = std::max(*reader.i32(), 0);
  return position;
}

bool SettingsStore::writeGadgetPosition(const GadgetPosition& position) {
  ByteWriter writer;
  writer.i32(position.left);
  writer.i32(position.top);
  // A position the user has just chosen may replace a file too short to hold
  // one; a file that cannot be read at all is still left alone.
  return save(pathOf(kGadgetPositionFileName), writer.bytes(), true, 0);
}

}  // namespace voltaro::settings
