// Reading and fitting a capacity journal of ten years (3,650 lines, a
// calibration each year and a day in seven without a reading): the aim is
// well under 10 ms for the whole, as `voltaroctl history` and `health` do it
// at every call.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "journal/journal_entry.h"
#include "journal/journal_files.h"
#include "journal/wear_trend.h"

namespace voltaro::journal {
namespace {

constexpr int kDays = 3650;

std::string writeTenYears() {
  const std::string path =
      (std::filesystem::temp_directory_path() / "voltaro-journal-bench.csv").string();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << kJournalHeader << "\n";
  for (int day = 0; day < kDays; ++day) {
    if (day % 7 == 3) continue;
    JournalEntry entry;
    entry.day = 20454 + day;
    // 0.02 % a day, and a calibration's step of 1,000 mWh once a year.
    entry.fullCharged = static_cast<std::uint32_t>(47000 - day * 10 - (day / 365) * 1000);
    entry.designed = 50000;
    entry.cycleCount = static_cast<std::uint32_t>(day / 2);
    entry.fullDischargeHundredths = static_cast<std::uint32_t>(day * 60);
    entry.usageMinutes = static_cast<std::uint32_t>(day * 300);
    entry.event = day % 365 == 0 && day > 0 ? JournalEvent::Calibration : JournalEvent::Reading;
    file << formatJournalLine(entry) << "\n";
  }
  return path;
}

void BM_ReadAndFitTenYears(benchmark::State& state) {
  const std::string path = writeTenYears();
  for (auto _ : state) {
    const JournalRead read = readJournal(path);
    const WearTrend trend = fitWearTrend(read.entries);
    benchmark::DoNotOptimize(trend.slope);
    if (read.entries.size() < kDays * 6 / 7) state.SkipWithError("lines lost");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndFitTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voltaro::journal
