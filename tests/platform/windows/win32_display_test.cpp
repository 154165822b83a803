// The Windows display: the first monitor's device found through the display
// adapters, and the three brightness requests, against the replaying seam;
// under wine, a machine without a brightness device.
#include "platform/windows/win32_display.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/windows/replay_device_io.h"
#include "platform/windows/win32_device_io.h"

namespace voltaro::platform::windows {
namespace {

using testing::Bytes;
using testing::IoAnswer;
using testing::ReplayDeviceIo;

const char* const kMonitorPath =
    R"(\\?\DISPLAY#KWD0A1C#4&1b2c3d&0&UID265988#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7})";

struct LookupCall {
  std::string device;  // empty for the adapters
  DWORD index;
  DWORD flags;
};

class Win32DisplayTest : public ::testing::Test {
 protected:
  ReplayDeviceIo io;
  std::vector<LookupCall> lookups;
  bool monitorFound = true;
  Win32Display display{
      io, [this](const char* device, DWORD index, DISPLAY_DEVICEA& out, DWORD flags) -> BOOL {
        lookups.push_back({device ? device : "", index, flags});
        if (device == nullptr) {
          std::strcpy(out.DeviceName, R"(\\.\DISPLAY1)");
          return TRUE;
        }
        if (!monitorFound) return FALSE;
        std::strcpy(out.DeviceID, kMonitorPath);
        return TRUE;
      }};

  // Eleven levels, 0 to 100 in steps of 10, as a panel driver lists them.
  const Bytes levels{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
};

TEST_F(Win32DisplayTest, OpensTheFirstMonitorOfTheFirstAdapterAndListsItsLevels) {
  io.answers = {IoAnswer::complete(levels)};
  EXPECT_EQ(display.openBrightness(), levels);

  ASSERT_EQ(io.classDevsCalls.size(), 1u);
  const GUID monitors{0x4d36e96e, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
  EXPECT_TRUE(IsEqualGUID(io.classDevsCalls[0].guid, monitors));
  EXPECT_EQ(io.classDevsCalls[0].flags, 18u);
  EXPECT_EQ(io.destroyed.size(), 1u);  // the set is not kept
  ASSERT_EQ(lookups.size(), 2u);
  EXPECT_EQ(lookups[0].device, "");
  EXPECT_EQ(lookups[1].device, R"(\\.\DISPLAY1)");
  for (const auto& call : lookups) {
    EXPECT_EQ(call.index, 0u);
    EXPECT_EQ(call.flags, 1u);  // EDD_GET_DEVICE_INTERFACE_NAME
  }
  ASSERT_EQ(io.opens.size(), 1u);
  EXPECT_EQ(io.opens[0].path, kMonitorPath);
  EXPECT_EQ(io.opens[0].access, 0x80000000u);  // GENERIC_READ
  EXPECT_EQ(io.opens[0].share, 3u);            // FILE_SHARE_READ | FILE_SHARE_WRITE
  EXPECT_EQ(io.opens[0].flags, 0x80u);         // FILE_ATTRIBUTE_NORMAL
  ASSERT_EQ(io.ioCalls.size(), 1u);
  EXPECT_EQ(io.ioCalls[0].code, 0x230494u);  // IOCTL_VIDEO_QUERY_SUPPORTED_BRIGHTNESS
  EXPECT_EQ(io.ioCalls[0].outSize, 256u);
  EXPECT_EQ(io.ioCalls[0].outputBefore, Bytes(256, 0));  // cleared first
}

TEST_F(Win32DisplayTest, ListShorterThanTwoLevelsMeansNoDeviceAndClosesIt) {
  io.answers = {IoAnswer::complete({50})};
  EXPECT_TRUE(display.openBrightness().empty());
  EXPECT_EQ(io.closed.size(), 1u);
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Ac), std::nullopt);
  EXPECT_FALSE(display.setBrightness(BrightnessPolicy::Both, 50, 50));
  EXPECT_EQ(io.ioCalls.size(), 1u);

  monitorFound = false;
  EXPECT_TRUE(display.openBrightness().empty());
  EXPECT_EQ(io.opens.size(), 1u);  // nothing to open without a monitor
}

TEST_F(Win32DisplayTest, QueriesTakeTheLevelOfTheirPolicyAndSetSendsTheRecord) {
  io.answers = {IoAnswer::complete(levels), IoAnswer::complete({1, 70, 40}),
                IoAnswer::complete({2, 70, 40}), IoAnswer::complete({}),
                IoAnswer::fail(ERROR_INVALID_FUNCTION)};
  ASSERT_FALSE(display.openBrightness().empty());
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Ac), 70);
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Dc), 40);
  EXPECT_TRUE(display.setBrightness(BrightnessPolicy::Both, 30, 20));
  EXPECT_FALSE(display.setBrightness(BrightnessPolicy::Dc, 30, 20));

  ASSERT_EQ(io.ioCalls.size(), 5u);
  for (int i : {1, 2}) {
    EXPECT_EQ(io.ioCalls[i].code, 0x230498u);  // IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS
    EXPECT_EQ(io.ioCalls[i].outSize, 3u);
    EXPECT_TRUE(io.ioCalls[i].input.empty());
  }
  EXPECT_EQ(io.ioCalls[1].outputBefore, (Bytes{1, 0, 0}));  // policy preset to AC
  EXPECT_EQ(io.ioCalls[2].outputBefore, (Bytes{2, 0, 0}));  // then DC
  EXPECT_EQ(io.ioCalls[3].code, 0x23049Cu);                 // IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS
  EXPECT_EQ(io.ioCalls[3].input, (Bytes{3, 30, 20}));
  EXPECT_EQ(io.ioCalls[4].input, (Bytes{2, 30, 20}));
}

TEST_F(Win32DisplayTest, OpeningAgainDropsThePreviousDevice) {
  io.answers = {IoAnswer::complete(levels), IoAnswer::complete(levels)};
  ASSERT_FALSE(display.openBrightness().empty());
  ASSERT_FALSE(display.openBrightness().empty());
  ASSERT_EQ(io.closed.size(), 1u);
  EXPECT_EQ(io.closed[0], reinterpret_cast<HANDLE>(0x104));
}

TEST(Win32DisplayRealCalls, NoBrightnessDeviceUnderWineIsNoLevels) {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (GetProcAddress(ntdll, "wine_get_version") == nullptr) GTEST_SKIP() << "not wine";
  Win32DeviceIo io;
  Win32Display display(io);
  EXPECT_TRUE(display.openBrightness().empty());
  EXPECT_EQ(display.queryBrightness(BrightnessPolicy::Ac), std::nullopt);
  EXPECT_FALSE(display.setBrightness(BrightnessPolicy::Both, 50, 50));
}

}  // namespace
}  // namespace voltaro::platform::windows
