#include "platform/linux/lazy_audio.h"

#include <cstdio>

namespace voltaro::platform {

LazyAudio::LazyAudio(std::vector<std::string> modulePaths, ClipReader readClips,
                     std::string applicationName, Report report)
    : modulePaths_(std::move(modulePaths)),
      readClips_(std::move(readClips)),
      applicationName_(std::move(applicationName)),
      report_(std::move(report)) {
  if (!report_) {
    report_ = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  }
}

LazyAudio::~LazyAudio() = default;

Audio* LazyAudio::audio() {
  std::call_once(once_, [this] { load(); });
  return audio_.get();
}

void LazyAudio::load() {
  using MakeAudio = decltype(&voltaro_make_audio);
  std::string failure;
  if (!module_.open(modulePaths_)) {
    failure = module_.error();
  } else if (auto make = module_.function<MakeAudio>(VOLTARO_MAKE_AUDIO); make == nullptr) {
    failure = module_.error();
  } else {
    const ClipFiles clips = readClips_ ? readClips_() : ClipFiles{};
    audio_.reset(make(&clips, applicationName_.c_str()));
    if (!audio_) failure = module_.path() + ": the sound output could not be started";
  }
  if (!failure.empty()) {
    report_("voltaro: no sounds and no volume control (" + failure + ")");
    return;
  }
  loaded_ = true;
}

void LazyAudio::play(Clip clip) {
  if (Audio* out = audio()) out->play(clip);
}

std::optional<int> LazyAudio::masterVolume() {
  Audio* out = audio();
  return out != nullptr ? out->masterVolume() : std::nullopt;
}

bool LazyAudio::setMasterVolume(int percent) {
  Audio* out = audio();
  return out != nullptr && out->setMasterVolume(percent);
}

bool LazyAudio::setMuted(bool muted) {
  Audio* out = audio();
  return out != nullptr && out->setMuted(muted);
}

}  // namespace voltaro::platform
