#include "monitor/cpu_meter.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_system_times.h"
#include "view/shown_texts.h"

namespace voltaro::monitor {
namespace {

using platform::SystemTimesSample;
using platform::sim::SimSystemTimes;

TEST(CpuMeter, CaptionByProcessorCount) {
  EXPECT_EQ(CpuMeter::caption(0), "CPU Usage");
  EXPECT_EQ(CpuMeter::caption(1), "CPU Usage");
  EXPECT_EQ(CpuMeter::caption(4), "4-core CPU Usage");
  view::ShownTexts texts;
  SimSystemTimes times(2);
  CpuMeter meter(times, texts);
  meter.start();
  EXPECT_EQ(texts.get(view::Page::Caption, "CPU Usage"), "2-core CPU Usage");
}

TEST(CpuMeter, LoadFromDeltasWithKernelIncludingIdle) {
  view::ShownTexts texts;
  SimSystemTimes times(1);
  times.push(SystemTimesSample{1000, 2000, 500});
  // idle +300, kernel +600, user +400: busy 700 of 1000 -> 70.
  times.push(SystemTimesSample{1300, 2600, 900});
  // idle equal to the total: 0.
  times.push(SystemTimesSample{1400, 2700, 900});
  // no idle at all: 100.
  times.push(SystemTimesSample{1400, 2800, 1000});
  // busy 2 of 3: truncated 66, not rounded to 67.
  times.push(SystemTimesSample{1401, 2802, 1001});
  CpuMeter meter(times, texts);
  meter.start();
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 70);
  EXPECT_EQ(texts.get(view::Page::Calibrate, "CPU Usage"), "70");
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 0);
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 100);
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 66);
}

TEST(CpuMeter, FailedAndEmptySamplesKeepValueAndBaseline) {
  view::ShownTexts texts;
  SimSystemTimes times(1);
  times.push(SystemTimesSample{0, 1000, 0});
  times.push(SystemTimesSample{500, 2000, 0});   // 50 %
  times.push(std::nullopt);                      // read fails
  times.push(SystemTimesSample{500, 2000, 0});   // no time passed
  times.push(SystemTimesSample{1500, 4000, 0});  // against {500,2000}: 50 % over the gap
  times.push(SystemTimesSample{1600, 5000, 0});  // 900 busy of 1000: 90
  CpuMeter meter(times, texts);
  meter.start();
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 50);
  EXPECT_FALSE(meter.sample());
  EXPECT_FALSE(meter.sample());
  EXPECT_EQ(meter.usage(), 50);
  EXPECT_EQ(texts.get(view::Page::Calibrate, "CPU Usage"), "50");
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 50);
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 90);
}

TEST(CpuMeter, CountersGoingBackwardsRestartTheBaseline) {
  view::ShownTexts texts;
  SimSystemTimes times(1);
  times.push(SystemTimesSample{5000, 9000, 1000});
  times.push(SystemTimesSample{100, 200, 0});  // source restarted
  times.push(SystemTimesSample{150, 300, 0});  // idle 50 of 100: 50
  CpuMeter meter(times, texts);
  meter.start();
  EXPECT_FALSE(meter.sample());
  ASSERT_TRUE(meter.sample());
  EXPECT_EQ(meter.usage(), 50);
}

}  // namespace
}  // namespace voltaro::monitor
