#include "platform/linux_services/sysfs_backlight.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace voltaro::platform::linux_services {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> readLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) return std::nullopt;
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
  return line;
}

std::optional<std::uint32_t> readNumber(const fs::path& path) {
  const auto text = readLine(path);
  if (!text) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end == text->data()) return std::nullopt;
  return value;
}

int typeRank(const std::string& type) {
  if (type == "firmware") return 0;
  if (type == "platform") return 1;
  if (type == "raw") return 2;
  return 3;
}

}  // namespace

std::optional<BacklightDevice> findBacklight(const std::string& classFolder) {
  std::error_code error;
  std::vector<BacklightDevice> found;
  for (const auto& entry : fs::directory_iterator(classFolder, error)) {
    const auto max = readNumber(entry.path() / "max_brightness");
    if (!max || *max < 1) continue;
    found.push_back(BacklightDevice{entry.path().filename().string(),
                                    readLine(entry.path() / "type").value_or(""), *max});
  }
  if (found.empty()) return std::nullopt;
  std::sort(found.begin(), found.end(), [](const BacklightDevice& a, const BacklightDevice& b) {
    if (typeRank(a.type) != typeRank(b.type)) return typeRank(a.type) < typeRank(b.type);
    return a.name < b.name;
  });
  return found.front();
}

std::optional<std::uint32_t> readBacklightBrightness(const std::string& classFolder,
                                                     const std::string& name) {
  return readNumber(fs::path(classFolder) / name / "brightness");
}

std::vector<std::uint8_t> backlightLevels(std::uint32_t maxBrightness) {
  std::vector<std::uint8_t> levels;
  if (maxBrightness >= 10) {
    for (int percent = 10; percent <= 100; percent += 10) {
      levels.push_back(static_cast<std::uint8_t>(percent));
    }
    return levels;
  }
  for (std::uint32_t step = 1; step <= maxBrightness; ++step) {
    levels.push_back(rawToPercent(step, maxBrightness));
  }
  return levels;
}

std::uint8_t rawToPercent(std::uint32_t raw, std::uint32_t maxBrightness) {
  if (maxBrightness == 0) return 0;
  const std::uint64_t clamped = std::min(raw, maxBrightness);
  return static_cast<std::uint8_t>((clamped * 100 + maxBrightness / 2) / maxBrightness);
}

std::uint32_t percentToRaw(std::uint8_t percent, std::uint32_t maxBrightness) {
  const std::uint64_t capped = std::min<std::uint8_t>(percent, 100);
  const auto raw = static_cast<std::uint32_t>((capped * maxBrightness + 50) / 100);
  if (percent > 0 && raw == 0) return 1;
  return raw;
}

}  // namespace voltaro::platform::linux_services
