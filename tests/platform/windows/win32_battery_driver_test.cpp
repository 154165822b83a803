// The Win32 battery driver's device set, device paths, handles and
// synchronous queries, against the replaying seam.
#include "platform/windows/win32_battery_driver.h"

#include <gtest/gtest.h>

#include "platform/battery_records.h"
#include "platform/windows/recorded_answers.h"
#include "platform/windows/replay_device_io.h"

namespace voltaro::platform::windows {
namespace {

using testing::Bytes;
using testing::IoAnswer;
using testing::ReplayDeviceIo;

const std::string kPath0 = R"(\\?\acpi#pnp0c0a#1#{72631e54-78a4-11d0-bcf7-00aa00b7b32a})";
const std::string kPath1 = R"(\\?\acpi#pnp0c0a#2#{72631e54-78a4-11d0-bcf7-00aa00b7b32a})";

class Win32DriverTest : public ::testing::Test {
 protected:
  ReplayDeviceIo io;
  Win32BatteryDriver driver{io};

  // Opens a handle with a known value: the replay hands out 0x100 + 4n.
  DeviceHandle openNormal() { return driver.open(kPath0, OpenFlags::Normal); }
  std::uint32_t word(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
  }
};

TEST_F(Win32DriverTest, DeviceSetAsksForPresentBatteryInterfacesOnceAndIsDestroyedOnce) {
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_TRUE(driver.createDeviceSet());  // never rebuilt
  ASSERT_EQ(io.classDevsCalls.size(), 1u);
  const auto& call = io.classDevsCalls[0];
  const GUID battery{0x72631e54, 0x78a4, 0x11d0, {0xbc, 0xf7, 0x00, 0xaa, 0x00, 0xb7, 0xb3, 0x2a}};
  EXPECT_TRUE(IsEqualGUID(call.guid, battery));
  EXPECT_FALSE(call.enumerator);
  EXPECT_FALSE(call.parent);
  EXPECT_EQ(call.flags, 0x12u);  // DIGCF_PRESENT 0x2 | DIGCF_DEVICEINTERFACE 0x10

  driver.destroyDeviceSet();
  driver.destroyDeviceSet();
  ASSERT_EQ(io.destroyed.size(), 1u);
  EXPECT_EQ(io.destroyed[0], io.set());
}

TEST_F(Win32DriverTest, WithoutDeviceSetNoSlotResolves) {
  io.classDevsFails = true;
  io.interfaces = {kPath0};
  EXPECT_FALSE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  EXPECT_TRUE(io.enumCalls.empty());
  driver.destroyDeviceSet();
  EXPECT_TRUE(io.destroyed.empty());
}

TEST_F(Win32DriverTest, PathComesFromSizeQueryThenFillWithTheRecordSizesOfThisBuild) {
  io.interfaces = {kPath0, kPath1};
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(1), kPath1);

  ASSERT_EQ(io.enumCalls.size(), 1u);
  EXPECT_EQ(io.enumCalls[0].first, 1u);  // member index slot - 1
  // 64-bit SetupAPI records: 32-byte interface and device data, an 8-byte
  // detail header (28, 28 and 5 in a 32-bit build).
  EXPECT_EQ(io.enumCalls[0].second, sizeof(void*) == 8 ? 32u : 28u);
  ASSERT_EQ(io.detailCalls.size(), 2u);
  EXPECT_FALSE(io.detailCalls[0].withBuffer);
  EXPECT_EQ(io.detailCalls[0].detailSize, 0u);
  EXPECT_TRUE(io.detailCalls[0].requiredGiven);
  EXPECT_EQ(io.detailCalls[0].deviceCbSize, sizeof(void*) == 8 ? 32u : 28u);
  const auto& fill = io.detailCalls[1];
  EXPECT_TRUE(fill.withBuffer);
  EXPECT_EQ(fill.detailSize, 4 + kPath1.size() + 1);  // size field, path, terminator
  EXPECT_EQ(fill.detailCbSize, sizeof(void*) == 8 ? 8u : 5u);
  EXPECT_TRUE(fill.bufferZeroed);
}

TEST_F(Win32DriverTest, EachRefusalOnTheWayToThePathMeansNotFound) {
  io.interfaces = {kPath0};
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(1), std::nullopt);  // ERROR_NO_MORE_ITEMS
  EXPECT_EQ(driver.interfacePath(4), std::nullopt);  // a fifth interface is never looked at
  EXPECT_EQ(driver.interfacePath(-1), std::nullopt);
  EXPECT_EQ(io.enumCalls.size(), 1u);

  io.sizeQueryError = ERROR_INVALID_USER_BUFFER;
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  io.sizeQueryError = ERROR_INSUFFICIENT_BUFFER;
  io.requiredSizeOverride = 0;
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  // A size that does not even hold the record's size field and a terminator
  // would let the fill write past the buffer.
  io.requiredSizeOverride = 4;
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  io.requiredSizeOverride = 1u << 20;
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  EXPECT_EQ(io.detailCalls.size(), 4u);  // size queries only, no fill

  io.requiredSizeOverride.reset();
  io.detailFillFails = true;
  EXPECT_EQ(driver.interfacePath(0), std::nullopt);
  EXPECT_EQ(io.detailCalls.size(), 6u);
}

TEST_F(Win32DriverTest, PathWithoutTerminatorEndsAtTheBuffer) {
  io.interfaces = {kPath0};
  io.omitPathTerminator = true;
  ASSERT_TRUE(driver.createDeviceSet());
  EXPECT_EQ(driver.interfacePath(0), kPath0);
}

TEST_F(Win32DriverTest, OpenReadsWithoutSharingAndTheFlagsOfEachHandle) {
  const DeviceHandle info = driver.open(kPath0, OpenFlags::Normal);
  const DeviceHandle status = driver.open(kPath1, OpenFlags::Overlapped);
  EXPECT_EQ(info, 0x104);
  EXPECT_EQ(status, 0x108);
  ASSERT_EQ(io.opens.size(), 2u);
  for (const auto& open : io.opens) {
    EXPECT_EQ(open.access, 0x80000000u);  // GENERIC_READ
    EXPECT_EQ(open.share, 0u);
    EXPECT_FALSE(open.security);
    EXPECT_EQ(open.disposition, 3u);  // OPEN_EXISTING
    EXPECT_FALSE(open.templateFile);
  }
  EXPECT_EQ(io.opens[0].path, kPath0);
  EXPECT_EQ(io.opens[0].flags, 0x80u);        // FILE_ATTRIBUTE_NORMAL
  EXPECT_EQ(io.opens[1].flags, 0x40000000u);  // FILE_FLAG_OVERLAPPED

  io.unopenable = {kPath0};
  EXPECT_EQ(driver.open(kPath0, OpenFlags::Normal), kInvalidHandle);

  driver.close(info);
  driver.close(kInvalidHandle);
  ASSERT_EQ(io.closed.size(), 1u);
  EXPECT_EQ(io.closed[0], reinterpret_cast<HANDLE>(0x104));
}

TEST_F(Win32DriverTest, TagQuerySendsTheWaitAndReadsTheTag) {
  const DeviceHandle handle = openNormal();
  io.answers = {IoAnswer::complete(testing::kTagAnswer), IoAnswer::fail(ERROR_DEV_NOT_EXIST),
                IoAnswer::complete(Bytes{0x07, 0x00})};
  EXPECT_EQ(driver.queryTag(handle, 250), 7u);
  EXPECT_EQ(driver.queryTag(handle, 250), 0u);
  EXPECT_EQ(driver.queryTag(handle, 250), 0u);  // short answer: no tag
  EXPECT_EQ(driver.queryTag(kInvalidHandle, 250), 0u);

  ASSERT_EQ(io.ioCalls.size(), 3u);
  const auto& call = io.ioCalls[0];
  EXPECT_EQ(call.code, testing::kQueryTagCode);
  EXPECT_EQ(call.input, (Bytes{0xFA, 0x00, 0x00, 0x00}));  // 250 ms
  EXPECT_EQ(call.outSize, 4u);
  EXPECT_EQ(call.overlapped, nullptr);
  EXPECT_TRUE(call.bytesReturnedGiven);
}

TEST_F(Win32DriverTest, TagQueryOnTheOverlappedHandleWaitsForItsOwnRecord) {
  const DeviceHandle handle = driver.open(kPath0, OpenFlags::Overlapped);
  IoAnswer answer = IoAnswer::pending(testing::kTagAnswer);
  answer.completeOnWait = true;
  io.answers = {answer};
  EXPECT_EQ(driver.queryTag(handle, 250), 7u);
  ASSERT_EQ(io.ioCalls.size(), 1u);
  ASSERT_NE(io.ioCalls[0].overlapped, nullptr);
  ASSERT_EQ(io.polls.size(), 1u);
  EXPECT_EQ(io.polls[0].overlapped, io.ioCalls[0].overlapped);
  EXPECT_TRUE(io.polls[0].wait);
}

// Every information level: the 12-byte query record sent, the output size
// asked for, and the recorded answer decoded as the battery code reads it.
struct LevelCase {
  InfoLevel level;
  std::uint8_t levelByte;
  std::size_t outBytes;
  const Bytes* answer;
};

TEST_F(Win32DriverTest, EveryInformationLevelSendsTagLevelAndZeroRate) {
  const DeviceHandle handle = openNormal();
  const LevelCase cases[] = {
      {InfoLevel::Information, 0, kInformationBytes, &testing::kInformationAnswer},
      {InfoLevel::Temperature, 2, kValueBytes, &testing::kTemperatureAnswer},
      {InfoLevel::EstimatedTime, 3, kValueBytes, &testing::kEstimatedTimeAnswer},
      {InfoLevel::DeviceName, 4, kTextOutputBytes, &testing::kDeviceNameAnswer},
      {InfoLevel::ManufactureDate, 5, kManufactureDateBytes, &testing::kManufactureDateAnswer},
      {InfoLevel::ManufactureName, 6, kTextOutputBytes, &testing::kManufacturerAnswer},
      {InfoLevel::SerialNumber, 8, kTextOutputBytes, &testing::kSerialNumberAnswer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.levelByte));
    io.answers = {IoAnswer::complete(*c.answer)};
    std::vector<std::uint8_t> out(c.outBytes, 0xEE);
    const auto returned = driver.queryInformation(handle, {7, c.level, 0}, out);
    ASSERT_EQ(returned, c.answer->size());
    EXPECT_TRUE(std::equal(c.answer->begin(), c.answer->end(), out.begin()));
    const auto& call = io.ioCalls.back();
    EXPECT_EQ(call.code, testing::kQueryInformationCode);
    EXPECT_EQ(call.input, (Bytes{7, 0, 0, 0, c.levelByte, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(call.outSize, c.outBytes);
  }
}

TEST_F(Win32DriverTest, RecordedAnswersDecodeToTheirFigures) {
  const DeviceHandle handle = openNormal();
  auto ask = [&](InfoLevel level, const Bytes& answer, std::size_t size) {
    io.answers = {IoAnswer::complete(answer)};
    std::vector<std::uint8_t> out(size, 0);
    const auto returned = driver.queryInformation(handle, {7, level, 0}, out);
    out.resize(returned.value_or(0));
    return out;
  };
  const auto info = decodeInformation(ask(InfoLevel::Information, testing::kInformationAnswer, 36));
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->capabilities, kCapSystemBattery);
  EXPECT_EQ(info->technology, 1);
  EXPECT_EQ(std::string(info->chemistry.begin(), info->chemistry.end()), "LION");
  EXPECT_EQ(info->designedCapacity, 57000u);
  EXPECT_EQ(info->fullChargedCapacity, 51300u);
  EXPECT_EQ(info->defaultAlert1, 2850u);
  EXPECT_EQ(info->defaultAlert2, 5700u);
  EXPECT_EQ(info->cycleCount, 123u);
  EXPECT_EQ(
      decodeManufactureDate(ask(InfoLevel::ManufactureDate, testing::kManufactureDateAnswer, 4)),
      (BatteryManufactureDate{14, 3, 2021}));
  EXPECT_EQ(decodeValue(ask(InfoLevel::Temperature, testing::kTemperatureAnswer, 4)), 3031u);
  EXPECT_EQ(decodeValue(ask(InfoLevel::EstimatedTime, testing::kEstimatedTimeAnswer, 4)), 7260u);
  EXPECT_EQ(decodeText(ask(InfoLevel::DeviceName, testing::kDeviceNameAnswer, 202)), "KW45 Li-ion");
  EXPECT_EQ(decodeText(ask(InfoLevel::ManufactureName, testing::kManufacturerAnswer, 202)),
            "Keldwick");
  EXPECT_EQ(decodeText(ask(InfoLevel::SerialNumber, testing::kSerialNumberAnswer, 202)), "00417");
}

TEST_F(Win32DriverTest, FailedInformationQueryIsNotAnAnswer) {
  const DeviceHandle handle = openNormal();
  io.answers = {IoAnswer::fail(ERROR_INVALID_FUNCTION)};
  std::vector<std::uint8_t> out(4, 0);
  EXPECT_EQ(driver.queryInformation(handle, {7, InfoLevel::Temperature, 0}, out), std::nullopt);
  EXPECT_EQ(driver.queryInformation(kInvalidHandle, {7, InfoLevel::Temperature, 0}, out),
            std::nullopt);
  EXPECT_EQ(io.ioCalls.size(), 1u);
}

}  // namespace
}  // namespace voltaro::platform::windows
