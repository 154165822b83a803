// An audio port that records the clips played and keeps a volume in memory.
#pragma once

#include <optional>
#include <vector>

#include "platform/audio.h"

namespace voltaro::fakes {

class FakeAudio : public platform::Audio {
 public:
  void play(platform::Clip clip) override { played.push_back(clip); }
  std::optional<int> masterVolume() override { return volume; }
  bool setMasterVolume(int percent) override {
    if (!volume) return false;
    volume = percent;
    return true;
  }
  bool setMuted(bool value) override {
    muted = value;
    return volume.has_value();
  }

  std::vector<platform::Clip> played;
  std::optional<int> volume = 50;  // nullopt: no mixer
  bool muted = false;
};

}  // namespace voltaro::fakes
