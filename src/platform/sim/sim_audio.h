// Simulated sound: the clips played are kept, and the speaker volume is a
// number in memory whose changes are recorded as requests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/sim/sim_recorder.h"

namespace voltaro::platform::sim {

class SimAudio : public Audio, public SimRecorder {
 public:
  // Clips are sounds, not requests: they are kept apart from `calls`.
  void play(Clip clip) override { played.push_back(clip); }

  std::optional<int> masterVolume() override {
    if (!mixer) return std::nullopt;
    return volume;
  }
  bool setMasterVolume(int percent) override {
    record("setMasterVolume " + std::to_string(percent));
    if (!mixer) return false;
    volume = percent;
    return true;
  }
  bool setMuted(bool on) override {
    record(std::string("setMuted ") + (on ? "on" : "off"));
    if (!mixer) return false;
    muted = on;
    return true;
  }

  std::vector<Clip> played;
  bool mixer = true;  // false: no volume control, as on a machine without a sound server
  int volume = 50;    // percent
  bool muted = false;
};

}  // namespace voltaro::platform::sim
