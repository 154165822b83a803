#include "platform/battery_records.h"

#include <gtest/gtest.h>

namespace voltaro::platform {
namespace {

TEST(BatteryRecords, InformationHasTheDriverLayout) {
  BatteryInformation info;
  info.capabilities = kCapSystemBattery | kCapSetChargeSupported;
  info.technology = 1;
  info.chemistry = {'L', 'I', 'O', 'N'};
  info.designedCapacity = 50000;
  info.fullChargedCapacity = 45000;
  info.defaultAlert1 = 0x01020304;
  info.cycleCount = 7;
  const auto bytes = encode(info);
  ASSERT_EQ(bytes.size(), kInformationBytes);
  EXPECT_EQ(bytes[0], 0x01);  // capabilities, little-endian
  EXPECT_EQ(bytes[3], 0x80);
  EXPECT_EQ(bytes[4], 1);  // technology
  EXPECT_EQ(bytes[8], 'L');
  EXPECT_EQ(bytes[11], 'N');
  EXPECT_EQ(bytes[12], 50000 & 0xFF);  // designed capacity at offset 12
  EXPECT_EQ(bytes[20], 0x04);          // alert 1 at offset 20
  EXPECT_EQ(bytes[32], 7);             // cycle count at offset 32
  EXPECT_EQ(decodeInformation(bytes), info);
}

TEST(BatteryRecords, ShortBuffersDoNotDecode) {
  const auto bytes = encode(BatteryStatusRecord{kDischarging, 30000, 11100, -12000});
  ASSERT_EQ(bytes.size(), kStatusBytes);
  EXPECT_EQ(decodeStatus(bytes)->rate, -12000);
  EXPECT_FALSE(decodeStatus(std::span(bytes).first(15)).has_value());
  EXPECT_FALSE(decodeInformation(std::span(bytes)).has_value());
  EXPECT_FALSE(decodeValue(std::span(bytes).first(3)).has_value());
}

TEST(BatteryRecords, TextRoundTripsAndStopsAtNul) {
  auto bytes = encodeText("Bat0");
  ASSERT_EQ(bytes.size(), 8u);
  EXPECT_EQ(decodeText(bytes), "Bat0");
  bytes[4] = 0;  // a 0 character ends the text
  EXPECT_EQ(decodeText(bytes), "Ba");
  // Characters beyond 8 bits cannot be shown as such.
  const std::vector<std::uint8_t> wide = {'A', 0, 0x3A, 0x04, 'B', 0};
  EXPECT_EQ(decodeText(wide), "A?B");
}

TEST(BatteryRecords, LongTextIsCutToTheOutputBuffer) {
  const auto bytes = encodeText(std::string(150, 'x'));
  EXPECT_EQ(bytes.size(), kTextOutputBytes);
}

}  // namespace
}  // namespace voltaro::platform
