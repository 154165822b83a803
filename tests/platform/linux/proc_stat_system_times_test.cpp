#include "platform/linux/proc_stat_system_times.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace voltaro::platform {
namespace {

class ProcStatSystemTimesTest : public ::testing::Test {
 protected:
  ~ProcStatSystemTimesTest() override { std::filesystem::remove(path_); }

  void write(const std::string& text) { std::ofstream(path_, std::ios::trunc) << text; }

  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() / ("voltaro-stat-" + std::to_string(::getpid()));
  ProcStatSystemTimes times{path_};
};

TEST_F(ProcStatSystemTimesTest, SumsFieldsTheWayWindowsCountsThem) {
  write(
      "cpu  100 20 300 4000 50 6 7 8 90 10\n"
      "cpu0 50 10 150 2000 25 3 4 4 45 5\n"
      "cpu1 50 10 150 2000 25 3 3 4 45 5\n"
      "intr 12345 0 0\n");
  // idle 4000 + iowait 50; user 100 + nice 20 (guest already inside);
  // kernel = system 300 + irq 6 + softirq 7 + steal 8 + idle 4050.
  EXPECT_EQ(times.sample(), (SystemTimesSample{4050, 4371, 120}));
  EXPECT_EQ(times.processorCount(), 2u);
}

TEST_F(ProcStatSystemTimesTest, OldKernelsWithoutStealAndGuest) {
  write("cpu 1 2 3 4 5 6 7\n");
  EXPECT_EQ(times.sample(), (SystemTimesSample{9, 25, 3}));
}

TEST_F(ProcStatSystemTimesTest, MalformedOrMissingFileGivesNoSample) {
  for (const char* text : {"", "cpu0 1 2 3 4 5 6 7\n", "cpu 1 2 3\n", "cpu 1 2 x 4 5 6 7\n",
                           "cpu 1 2 3 4 5 6 7x\n", "cpu -1 2 3 4 5 6 7\n"}) {
    write(text);
    EXPECT_EQ(times.sample(), std::nullopt) << text;
  }
  ProcStatSystemTimes missing(path_.string() + ".absent");
  EXPECT_EQ(missing.sample(), std::nullopt);
  EXPECT_GE(missing.processorCount(), 1u);
}

TEST(ProcStatSystemTimesLive, ReadsTheRealProcStat) {
  ProcStatSystemTimes times;
  const auto sample = times.sample();
  ASSERT_TRUE(sample);
  EXPECT_GE(sample->kernel, sample->idle);
  EXPECT_GE(times.processorCount(), 1u);
}

}  // namespace
}  // namespace voltaro::platform
