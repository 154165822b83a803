#include "platform/linux/supply_attributes.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <system_error>

namespace voltaro::platform::linux_sysfs {

namespace {

// sysfs attributes are at most a page; anything longer is not an attribute.
constexpr std::size_t kMaxAttributeBytes = 4096;

// One open, one read and one close: an attribute comes whole from its first
// read, and a read shorter than asked is the end of a regular file. Opened
// without waiting, so a pipe in an attribute's place is no reading rather
// than a hang. The monitor reads a dozen of these every second and a
// command line read some fifty: the calls saved are most of their time.
std::optional<std::string> readRaw(const std::filesystem::path& file) {
  const int handle = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (handle < 0) return std::nullopt;
  std::array<char, kMaxAttributeBytes> buffer;
  std::size_t filled = 0;
  bool failed = false;
  while (filled < buffer.size()) {
    const std::size_t wanted = buffer.size() - filled;
    const ssize_t got = ::read(handle, buffer.data() + filled, wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      failed = true;
      break;
    }
    filled += static_cast<std::size_t>(got);
    if (static_cast<std::size_t>(got) < wanted) break;
  }
  ::close(handle);
  if (failed) return std::nullopt;
  return std::string(buffer.data(), filled);
}

}  // namespace

std::string cleanAttributeText(std::string_view raw) {
  std::string kept;
  for (char c : raw) {
    if (c >= 0x20 && c <= 0x7E) kept.push_back(c);
  }
  const auto first = kept.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = kept.find_last_not_of(' ');
  return kept.substr(first, last - first + 1);
}

std::optional<std::string> SupplyAttributes::text(std::string_view name) const {
  const auto raw = readRaw(folder_ / name);
  if (!raw) return std::nullopt;
  std::string cleaned = cleanAttributeText(*raw);
  if (cleaned.empty()) return std::nullopt;
  return cleaned;
}

std::optional<std::int64_t> SupplyAttributes::integer(std::string_view name) const {
  const auto value = text(name);
  if (!value) return std::nullopt;
  const char* begin = value->data();
  const char* end = begin + value->size();
  // from_chars takes no plus sign; "+-5" must still fail.
  if (*begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
  std::int64_t parsed = 0;
  const auto [stop, error] = std::from_chars(begin, end, parsed);
  if (error != std::errc() || stop != end) return std::nullopt;
  return parsed;
}

std::optional<std::int64_t> SupplyAttributes::nonNegative(std::string_view name) const {
  const auto value = integer(name);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

bool SupplyAttributes::exists(std::string_view name) const {
  std::error_code ec;
  return std::filesystem::is_regular_file(folder_ / name, ec);
}

}  // namespace voltaro::platform::linux_sysfs
