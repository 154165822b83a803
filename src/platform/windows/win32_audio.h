// Sound output of Windows: the six clips played from memory (PlaySoundA with
// SND_MEMORY | SND_ASYNC), the master output line's volume and mute through
// the wave mixer, and volume key presses (WM_APPCOMMAND) sent to the
// program's own window.
//
// A clip starts at once and cuts off the one playing, as PlaySoundA does.
// Without a mixer the volume calls report failure; failures are otherwise
// silent.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/audio.h"

// windows.h's HWND is a pointer to this structure.
struct HWND__;

namespace voltaro::platform::windows {

struct AudioCalls {
  // PlaySoundA(sound, module, flags)
  int (*playSound)(const char* sound, void* module, unsigned long flags);

  static AudioCalls system();
};

// Whether the bytes are a RIFF WAVE file of PCM samples whose "fmt " chunk
// comes before a "data" chunk that lies inside the file.
bool isPcmWav(std::span<const std::uint8_t> bytes);

// A control value at `percent` of the range min..max, rounded to nearest;
// percent is clamped to 0..100.
std::uint32_t valueAtPercent(int percent, std::uint32_t minimum, std::uint32_t maximum);
// The value's place in min..max in whole percent, rounded to nearest.
int percentOfRange(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum);

class Win32Audio final : public Audio {
 public:
  static constexpr std::size_t kClipCount = 6;
  // `clips[k]` is the WAV file of AudioPlayer(k + 1); a clip that is not a
  // PCM WAV file stays silent. `commandWindow` receives the volume key
  // presses (the application's hidden window); null sends none.
  Win32Audio(std::array<std::vector<std::uint8_t>, kClipCount> clips,
             HWND__* commandWindow = nullptr, AudioCalls calls = AudioCalls::system());
  ~Win32Audio() override;
  Win32Audio(const Win32Audio&) = delete;
  Win32Audio& operator=(const Win32Audio&) = delete;

  void play(Clip clip) override;
  std::optional<int> masterVolume() override;
  bool setMasterVolume(int percent) override;
  bool setMuted(bool muted) override;

  // Sends `count` volume-up or volume-down key presses to the command
  // window, each synchronously. False when there is no window.
  bool volumeSteps(bool up, int count);

 private:
  std::array<std::vector<std::uint8_t>, kClipCount> clips_;
  std::array<bool, kClipCount> playable_{};
  HWND__* commandWindow_;
  AudioCalls calls_;
  bool played_ = false;
};

}  // namespace voltaro::platform::windows
