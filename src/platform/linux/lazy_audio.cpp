#include "platform/linux/lazy_audio.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>

#include "platform/linux/helper_process.h"

namespace voltaro::platform {

namespace {
std::string joined(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "" : ", ") + path;
  return text;
}
}  // namespace

LazyAudio::LazyAudio(Places places, ClipReader readClips, std::string applicationName,
                     Report report)
    : places_(std::move(places)),
      readClips_(std::move(readClips)),
      applicationName_(std::move(applicationName)),
      report_(std::move(report)) {
  if (!report_) {
    report_ = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  }
}

LazyAudio::~LazyAudio() = default;

void LazyAudio::load() {
  using MakeAudio = decltype(&voltaro_make_audio);
  std::string failure;
  if (!module_.open(places_.module)) {
    failure = module_.error();
  } else if (auto make = module_.function<MakeAudio>(VOLTARO_MAKE_AUDIO); make == nullptr) {
    failure = module_.error();
  } else {
    const ClipFiles clips = readClips_ ? readClips_() : ClipFiles{};
    audio_.reset(make(&clips, applicationName_.c_str()));
    if (!audio_) failure = module_.path() + ": the sound output could not be started";
  }
  if (!failure.empty()) {
    report_("voltaro: no sounds (" + failure + ")");
    return;
  }
  loaded_ = true;
}

void LazyAudio::play(Clip clip) {
  std::call_once(moduleOnce_, [this] { load(); });
  if (audio_) audio_->play(clip);
}

std::optional<std::string> LazyAudio::askHelper(const std::vector<std::string>& words) {
  std::call_once(helperOnce_, [this] {
    for (const std::string& path : places_.volumeHelper) {
      if (::access(path.c_str(), X_OK) == 0) {
        helper_ = path;
        return;
      }
    }
    report_("voltaro: no volume control (no helper at " + joined(places_.volumeHelper) + ")");
  });
  if (helper_.empty()) return std::nullopt;
  std::vector<std::string> command{helper_};
  command.insert(command.end(), words.begin(), words.end());
  return runHelper(command, kVolumeLimit);
}

std::optional<int> LazyAudio::masterVolume() {
  const std::optional<std::string> answer = askHelper({"get"});
  if (!answer) return std::nullopt;
  int percent = -1;
  const auto [end, error] =
      std::from_chars(answer->data(), answer->data() + answer->size(), percent);
  const bool whole = end == answer->data() + answer->size() || *end == '\n';
  if (error != std::errc() || !whole || percent < 0) return std::nullopt;
  return percent;
}

bool LazyAudio::setMasterVolume(int percent) {
  const int clamped = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
  return askHelper({"set", std::to_string(clamped)}).has_value();
}

bool LazyAudio::setMuted(bool muted) {
  return askHelper({"mute", muted ? "1" : "0"}).has_value();
}

}  // namespace voltaro::platform
