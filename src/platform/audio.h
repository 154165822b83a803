// Sound output: the six embedded clips and the speaker volume.
#pragma once

#include <cstdint>
#include <optional>

namespace voltaro::platform {

// The six clips by their player number (AudioPlayer1 .. AudioPlayer6).
enum class Clip : std::uint8_t {
  Refusal = 1,        // AudioPlayer1, also the error sound
  Player2 = 2,        // AudioPlayer2
  FullyCharged = 3,   // AudioPlayer3
  Discharging = 4,    // AudioPlayer4
  Charging = 5,       // AudioPlayer5
  Click = 6,          // AudioPlayer6
};

class Audio {
 public:
  virtual ~Audio() = default;
  // Starts a clip asynchronously; failures are swallowed.
  virtual void play(Clip clip) = 0;
  // Master volume in percent of its range; nullopt when there is no mixer.
  virtual std::optional<int> masterVolume() = 0;
  virtual bool setMasterVolume(int percent) = 0;
  virtual bool setMuted(bool muted) = 0;
};

}  // namespace voltaro::platform
