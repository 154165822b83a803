#include "platform/linux/helper_audio.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string_view>

#include "platform/linux/helper_process.h"

namespace voltaro::platform {

namespace {
std::string joined(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "" : ", ") + path;
  return text;
}
}  // namespace

HelperAudio::HelperAudio(std::vector<std::string> helperPaths, ClipReader readClips, Report report)
    : helperPaths_(std::move(helperPaths)),
      readClips_(std::move(readClips)),
      report_(std::move(report)) {
  if (!report_) {
    report_ = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  }
}

HelperAudio::~HelperAudio() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  // A clip already playing ends first (at most kClipLimit).
  if (worker_.joinable()) worker_.join();
}

const std::string& HelperAudio::helper() {
  std::call_once(lookedUp_, [this] {
    for (const std::string& path : helperPaths_) {
      if (::access(path.c_str(), X_OK) == 0) {
        helper_ = path;
        return;
      }
    }
    report_("voltaro: no sounds and no volume control (no " VOLTARO_SOUND_HELPER " at " +
            joined(helperPaths_) + ")");
  });
  return helper_;
}

void HelperAudio::play(Clip clip) {
  const auto index = static_cast<std::size_t>(clip) - 1;
  if (index >= clips_.size() || helper().empty()) return;
  std::call_once(clipsRead_, [this] {
    if (readClips_) clips_ = readClips_();
  });
  if (clips_[index].empty()) return;
  std::lock_guard lock(mutex_);
  if (stopping_) return;
  queue_.push_back(index);
  if (working_) return;
  // The last worker has ended (or is ending): it is joined before the next.
  if (worker_.joinable()) worker_.join();
  working_ = true;
  worker_ = std::thread([this] { run(); });
}

void HelperAudio::run() {
  std::unique_lock lock(mutex_);
  while (!queue_.empty()) {
    const std::size_t index = queue_.front();
    queue_.pop_front();
    lock.unlock();
    const std::vector<std::uint8_t>& clip = clips_[index];  // never changed after reading
    runHelper({helper_, "play"}, kClipLimit,
              std::string_view(reinterpret_cast<const char*>(clip.data()), clip.size()));
    lock.lock();
  }
  working_ = false;
  idle_.notify_all();
}

void HelperAudio::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !working_; });
}

std::optional<std::string> HelperAudio::askHelper(const std::vector<std::string>& words) {
  if (helper().empty()) return std::nullopt;
  std::vector<std::string> command{helper_};
  command.insert(command.end(), words.begin(), words.end());
  return runHelper(command, kVolumeLimit);
}

std::optional<int> HelperAudio::masterVolume() {
  const std::optional<std::string> answer = askHelper({"get"});
  if (!answer) return std::nullopt;
  int percent = -1;
  const char* end = answer->data() + answer->size();
  const auto [stop, error] = std::from_chars(answer->data(), end, percent);
  const bool whole = stop == end || *stop == '\n';
  if (error != std::errc() || !whole || percent < 0) return std::nullopt;
  return percent;
}

bool HelperAudio::setMasterVolume(int percent) {
  const int clamped = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
  return askHelper({"set", std::to_string(clamped)}).has_value();
}

bool HelperAudio::setMuted(bool muted) {
  return askHelper({"mute", muted ? "1" : "0"}).has_value();
}

}  // namespace voltaro::platform
