#include "platform/battery_records.h"

#include "common/file_io.h"

namespace voltaro::platform {

std::vector<std::uint8_t> encode(const BatteryQueryInformation& r) {
  ByteWriter w;
  w.u32(r.batteryTag);
  w.u32(static_cast<std::uint32_t>(r.level));
  w.u32(r.atRate);
  return w.bytes();
}

std::vector<std::uint8_t> encode(const BatteryInformation& r) {
  ByteWriter w;
  w.u32(r.capabilities);
  w.u8(r.technology);
  for (std::uint8_t b : r.reserved) w.u8(b);
  for (char c : r.chemistry) w.u8(static_cast<std::uint8_t>(c));
  w.u32(r.designedCapacity);
  w.u32(r.fullChargedCapacity);
  w.u32(r.defaultAlert1);
  w.u32(r.defaultAlert2);
  w.u32(r.criticalBias);
  w.u32(r.cycleCount);
  return w.bytes();
}

std::vector<std::uint8_t> encode(const BatteryManufactureDate& r) {
  ByteWriter w;
  w.u8(r.day);
  w.u8(r.month);
  w.u16(r.year);
  return w.bytes();
}

std::vector<std::uint8_t> encode(const BatteryWaitStatus& r) {
  ByteWriter w;
  w.u32(r.batteryTag);
  w.u32(r.timeout);
  w.u32(r.powerState);
  w.u32(r.lowCapacity);
  w.u32(r.highCapacity);
  return w.bytes();
}

std::vector<std::uint8_t> encode(const BatteryStatusRecord& r) {
  ByteWriter w;
  w.u32(r.powerState);
  w.u32(r.capacity);
  w.u32(r.voltage);
  w.i32(r.rate);
  return w.bytes();
}

std::vector<std::uint8_t> encodeValue(std::uint32_t value) {
  ByteWriter w;
  w.u32(value);
  return w.bytes();
}

std::vector<std::uint8_t> encodeText(const std::string& text) {
  ByteWriter w;
  for (char c : text) {
    if (w.bytes().size() + 2 > kTextOutputBytes) break;
    w.u16(static_cast<std::uint8_t>(c));
  }
  return w.bytes();
}

std::optional<BatteryQueryInformation> decodeQueryInformation(std::span<const std::uint8_t> b) {
  if (b.size() < kQueryInformationBytes) return std::nullopt;
  ByteReader r(b);
  BatteryQueryInformation q;
  q.batteryTag = *r.u32();
  q.level = static_cast<InfoLevel>(*r.u32());
  q.atRate = *r.u32();
  return q;
}

std::optional<BatteryInformation> decodeInformation(std::span<const std::uint8_t> b) {
  if (b.size() < kInformationBytes) return std::nullopt;
  ByteReader r(b);
  BatteryInformation info;
  info.capabilities = *r.u32();
  info.technology = *r.u8();
  for (auto& x : info.reserved) x = *r.u8();
  for (auto& c : info.chemistry) c = static_cast<char>(*r.u8());
  info.designedCapacity = *r.u32();
  info.fullChargedCapacity = *r.u32();
  info.defaultAlert1 = *r.u32();
  info.defaultAlert2 = *r.u32();
  info.criticalBias = *r.u32();
  info.cycleCount = *r.u32();
  return info;
}

std::optional<BatteryManufactureDate> decodeManufactureDate(std::span<const std::uint8_t> b) {
  if (b.size() < kManufactureDateBytes) return std::nullopt;
  ByteReader r(b);
  BatteryManufactureDate d;
  d.day = *r.u8();
  d.month = *r.u8();
  d.year = *r.u16();
  return d;
}

std::optional<BatteryWaitStatus> decodeWaitStatus(std::span<const std::uint8_t> b) {
  if (b.size() < kWaitStatusBytes) return std::nullopt;
  ByteReader r(b);
  BatteryWaitStatus w;
  w.batteryTag = *r.u32();
  w.timeout = *r.u32();
  w.powerState = *r.u32();
  w.lowCapacity = *r.u32();
  w.highCapacity = *r.u32();
  return w;
}

std::optional<BatteryStatusRecord> decodeStatus(std::span<const std::uint8_t> b) {
  if (b.size() < kStatusBytes) return std::nullopt;
  ByteReader r(b);
  BatteryStatusRecord s;
  s.powerState = *r.u32();
  s.capacity = *r.u32();
  s.voltage = *r.u32();
  s.rate = *r.i32();
  return s;
}

std::optional<std::uint32_t> decodeValue(std::span<const std::uint8_t> b) {
  if (b.size() < kValueBytes) return std::nullopt;
  ByteReader r(b);
  return r.u32();
}

std::string decodeText(std::span<const std::uint8_t> b) {
  std::string text;
  for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
    const unsigned unit = b[i] | (static_cast<unsigned>(b[i + 1]) << 8);
    if (unit == 0) break;
    text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
  }
  return text;
}

}  // namespace voltaro::platform
