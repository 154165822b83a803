// Fuzzes the health record's files: the eight 4-byte value files as the
// battery read loads them, the counters going on from their values, and the
// 24-byte file of the Load command imported and exported again.
//
// Input: for each value file in turn (the key alone, then "11" ... "77") a
// byte whose two low bits say missing (0), unreadable (1), too short (2: the
// next two bits give 0..3 bytes) or whole (3: 4 bytes), followed by its
// bytes; then the battery's designed and full-charged capacities and cycle
// count (4 bytes each, little-endian) and the digit grouping (1 byte); the
// rest is the file the user loads.
//
// Properties: a value file that could not be read is never written; the
// import takes a file of 24 bytes or more and no other, its values are
// adopted as they are, and the export writes back its first 24 bytes; once
// adopted over readable files, a fresh read of the files gives the values
// again (the maximum capacity raised to the battery's own).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "battery/battery_state.h"
#include "common/file_io.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_file_dialog.h"
#include "fakes/temporary_folder.h"
#include "fuzz_check.h"
#include "health/health_commands.h"
#include "health/health_export.h"
#include "health/health_store.h"
#include "platform/sim/virtual_runtime.h"

namespace {

using namespace voltaro;
using namespace voltaro::health;

constexpr std::array<std::string_view, 8> kSuffixes = {
    kMaximumCapacitySuffix,    kFullDischargeCyclesSuffix, kUsageMinutesSuffix,
    kLatestCalibrationSuffix,  kCalibrationsSuffix,        kCyclesSinceCalibrationSuffix,
    kDischargingMinutesSuffix, kChargingMinutesSuffix};

// Takes bytes from the front of the input; past its end, nothing.
class InputReader {
 public:
  explicit InputReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::span<const std::uint8_t> take(std::size_t count) {
    const auto taken = bytes_.first(std::min(count, bytes_.size()));
    bytes_ = bytes_.subspan(taken.size());
    return taken;
  }
  std::uint8_t byte() {
    const auto taken = take(1);
    return taken.empty() ? 0 : taken[0];
  }
  std::uint32_t u32() {
    std::uint32_t value = 0;
    const auto taken = take(4);
    for (std::size_t i = 0; i < taken.size(); ++i) value |= std::uint32_t{taken[i]} << (8 * i);
    return value;
  }
  std::span<const std::uint8_t> rest() { return take(bytes_.size()); }

 private:
  std::span<const std::uint8_t> bytes_;
};

// Value files in memory, each missing, unreadable or holding its bytes.
class ScriptedValueFiles : public ValueFiles {
 public:
  FileWrite sve(const std::string& path, std::uint32_t value) override {
    // What could not be read must never be overwritten.
    FUZZ_CHECK(!unreadable.contains(path));
    files[path] = encodeValueFile(value);
    return {};
  }
  FileRead readval(const std::string& path) override {
    if (unreadable.contains(path)) return {ReadState::Unreadable, {}, "Input/output error"};
    const auto it = files.find(path);
    if (it == files.end()) return {};
    return {ReadState::Read, it->second, {}};
  }

  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> unreadable;
};

struct HealthRig {
  explicit HealthRig(const std::string& folder) : dataFolder(folder) {
    slots.batteryCount = 1;
    slots.slot(1).batteryPresent = true;
    info.batteryKey = "FUZZ042";
  }
  std::string dataFolder;
  HealthRecord record;
  battery::BatteryInfo info;
  battery::SlotTable slots;
  settings::AppSettings settings;
  view::ShownTexts texts;
  fakes::FakeErrorReport errors;
  platform::sim::VirtualRuntime runtime;
  ScriptedValueFiles files;
  HealthHooks hooks;
  fakes::FakeAudio audio;
  fakes::FakeFileDialog fileDialogs;
  HealthStore store{
      {record, info, slots, settings, dataFolder, texts, errors, runtime, files, hooks}};
  HealthCommands commands{
      {store, info, slots, settings, dataFolder, fileDialogs, errors, audio, hooks}};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing::TemporaryFolder folder("voltaro-fuzz-health-");
  InputReader input({data, size});
  HealthRig rig(folder.folder());

  bool allReadable = true;
  for (std::string_view suffix : kSuffixes) {
    const std::string path = rig.store.valuePath(suffix);
    const std::uint8_t head = input.byte();
    const auto kind = head & 3;
    if (kind == 1) rig.files.unreadable.insert(path);
    if (kind == 2 || kind == 3) {
      const auto bytes = input.take(kind == 3 ? kValueFileBytes : (head >> 2) & 3);
      rig.files.files[path].assign(bytes.begin(), bytes.end());
    }
    allReadable = allReadable && (kind == 0 || kind == 3);
  }
  rig.info.information.designedCapacity = input.u32();
  rig.info.information.fullChargedCapacity = input.u32();
  rig.info.information.cycleCount = input.u32();
  rig.settings.DigitGrouping = input.byte();
  const auto imported = input.rest();

  FUZZ_CHECK(rig.store.loadhealth(true));
  rig.store.addUsageMinute();
  rig.store.addFullDischargeHundredth();
  rig.store.updatewear();

  const std::string importPath = folder.file("import.bin");
  FUZZ_CHECK(replaceFileAtomically(importPath, imported).ok);
  const bool whole = imported.size() >= kHealthExportBytes;
  FUZZ_CHECK(rig.commands.importhealth(importPath) == whole);
  if (!whole) return 0;
  const auto values = *decodeHealthExport(imported);
  FUZZ_CHECK(exportOf(rig.store.record()) == values);

  const std::string exportPath = folder.file("export.bin");
  FUZZ_CHECK(rig.commands.exporthealth(exportPath));
  const auto exported = readFileBytes(exportPath);
  FUZZ_CHECK(exported &&
             std::equal(exported->begin(), exported->end(), imported.begin(),
                        imported.begin() + kHealthExportBytes) &&
             exported->size() == kHealthExportBytes);

  if (!allReadable) return 0;
  HealthRig again(folder.folder());
  again.info.information = rig.info.information;
  again.files.files = rig.files.files;
  FUZZ_CHECK(again.store.loadhealth(true));
  HealthExport expected = values;
  expected.maximumCapacity =
      std::max({values.maximumCapacity, rig.info.information.designedCapacity,
                rig.info.information.fullChargedCapacity});
  FUZZ_CHECK(exportOf(again.store.record()) == expected);
  return 0;
}
