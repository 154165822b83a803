#include "health/health_commands.h"

#include "common/file_io.h"

namespace voltaro::health {

namespace {

constexpr const char* kBinaryFilter = "Binary file (*.bin)|*.bin";

}  // namespace

HealthCommands::HealthCommands(const HealthCommandContext& context)
    : store_(context.store),
      info_(context.info),
      slots_(context.slots),
      settings_(context.settings),
      dataFolder_(context.dataFolder),
      fileDialogs_(context.fileDialogs),
      errors_(context.errors),
      audio_(context.audio),
      hooks_(context.hooks) {}

void HealthCommands::refusalSound() {
  if (settings_.PlaySounds != 0) audio_.play(platform::Clip::Refusal);
}

void HealthCommands::showNotice(const std::string& line0, const std::string& line1) {
  hooks_.askConfirmation(dialogs::code::kStopAndSelectBattery, {"Information", line0, line1, ""},
                         view::ConfirmationMode::Ok);
}

bool HealthCommands::refused() {
  if (hooks_.calibrationRunning() || hooks_.fastDischargeRunning()) {
    refusalSound();
    showNotice("Stop the calibration and the fast discharge",
               "processes in order to change the battery data!");
    return true;
  }
  if (!store_.primarySelected()) {
    refusalSound();
    showNotice("Select Battery 1 in order", "to load/reset the battery data!");
    return true;
  }
  // Without a battery there is no key, so there is no record to change.
  if (slots_.batteryCount == 0 || store_.batteryKey().empty()) {
    refusalSound();
    return true;
  }
  return false;
}

void HealthCommands::loadCommand() {
  if (refused()) return;
  const auto path = fileDialogs_.openFile(
      {"Load Calibration Data", kBinaryFilter, "bin", dataFolder_, "", false});
  if (!path) return;
  importhealth(*path);
}

bool HealthCommands::importhealth(const std::string& path) {
  // All six values are read before any is adopted, so a failure changes nothing.
  const FileRead read = readFileHead(path, kHealthExportBytes);
  const auto values = read.read() ? decodeHealthExport(read.bytes) : std::nullopt;
  if (!values) {
    const std::string cause =
        read.read() ? "it holds " + std::to_string(read.bytes.size()) + " bytes instead of " +
                          std::to_string(kHealthExportBytes)
                    : (read.missing() ? std::string("there is no such file") : read.cause);
    errors_.report("Input/output error: cannot read the calibration data file \"" + path +
                   "\": " + cause + ".");
    return false;
  }
  store_.adopt(*values);
  return true;
}

void HealthCommands::saveCommand() {
  const auto path = fileDialogs_.saveFile(
      {"Save Calibration Data", kBinaryFilter, "bin", dataFolder_, "battery1", true});
  if (!path) return;
  if (exporthealth(*path)) hooks_.healthSaved(*path);
}

bool HealthCommands::exporthealth(const std::string& path) {
  const FileWrite written =
      replaceFileAtomically(path, encodeHealthExport(exportOf(store_.record())));
  if (written) return true;
  errors_.report("Input/output error: cannot write the calibration data file \"" + path +
                 "\": " + written.cause + ".");
  return false;
}

void HealthCommands::resetCommand() {
  if (refused()) return;
  hooks_.askConfirmation(
      dialogs::code::kResetHealth,
      {"Confirmation", "Do you want to reset the calibration/wear data?", "", ""},
      view::ConfirmationMode::YesNo);
}

void HealthCommands::resethealth() {
  if (refused()) return;
  HealthExport values;
  values.latestCalibration = store_.today();
  values.maximumCapacity = info_.information.fullChargedCapacity;
  store_.adopt(values);
}

}  // namespace voltaro::health
