// Sound output through the PulseAudio client library (PulseAudio itself, or
// PipeWire's pulse server): the six clips play on a worker thread with the
// simple API, one after another; the volume goes through a threaded mainloop
// on the default sink. With no sound server nothing plays and nothing is
// reported.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"

namespace voltaro::platform {

// The PCM part of a WAV file.
struct WavClip {
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;  // Hz
  std::uint16_t bitsPerSample = 0;
  std::vector<std::uint8_t> samples;  // little-endian PCM frames
};

// Reads a RIFF WAVE file of 16-bit or 8-bit PCM; nullopt for anything else
// or a truncated file. Chunks other than "fmt " and "data" are skipped.
std::optional<WavClip> parseWav(std::span<const std::uint8_t> bytes);

class PulseAudio final : public Audio {
 public:
  static constexpr std::size_t kClipCount = 6;
  // `clips[k]` is the WAV file of AudioPlayer(k + 1); a clip that does not
  // parse stays silent.
  PulseAudio(const std::array<std::vector<std::uint8_t>, kClipCount>& clips,
             std::string applicationName);
  ~PulseAudio() override;
  PulseAudio(const PulseAudio&) = delete;
  PulseAudio& operator=(const PulseAudio&) = delete;

  void play(Clip clip) override;
  std::optional<int> masterVolume() override;
  bool setMasterVolume(int percent) override;
  bool setMuted(bool muted) override;

  // Waits until every queued clip has been played or dropped.
  void waitUntilIdle();

 private:
  void run();
  void playNow(const WavClip& clip);

  std::string applicationName_;
  std::array<std::optional<WavClip>, kClipCount> clips_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<std::size_t> queue_;
  bool playing_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace voltaro::platform
