// The program's sound output without libpulse in the program: every clip and
// every volume request is carried out by the helper program voltaro-sound,
// run for that request. libpulse (with all it pulls in) cannot be unloaded
// once loaded, and the program plays a clip or sets the volume soon after
// most starts; in a helper of its own it never stays in the program's memory.
//
// Clips play one after another, in the order asked, on a worker thread that
// exists only while clips are waiting or playing; the clips themselves are
// read at the first one. The volume requests wait for the helper (at most
// kVolumeLimit). Without the helper nothing plays, the volume is unknown and
// cannot be set, and one line says why.
//
// Threads: the engine calls it on the program's thread only; the state the
// worker shares is guarded, and the first call's set-up runs once.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"

namespace voltaro::platform {

// The helper's file name.
#define VOLTARO_SOUND_HELPER "voltaro-sound"

// The WAV files of AudioPlayer1 .. AudioPlayer6, in that order.
using ClipFiles = std::array<std::vector<std::uint8_t>, 6>;

class HelperAudio final : public Audio {
 public:
  using ClipReader = std::function<ClipFiles()>;
  using Report = std::function<void(const std::string& line)>;

  // `helperPaths`: where to look for the helper, first match wins.
  // `readClips` runs once, at the first clip. `report` gets the one line
  // written when the helper is nowhere (standard error by default).
  HelperAudio(std::vector<std::string> helperPaths, ClipReader readClips, Report report = {});
  ~HelperAudio() override;
  HelperAudio(const HelperAudio&) = delete;
  HelperAudio& operator=(const HelperAudio&) = delete;

  void play(Clip clip) override;
  std::optional<int> masterVolume() override;
  bool setMasterVolume(int percent) override;
  bool setMuted(bool muted) override;

  // Waits until every clip asked for has been played or dropped.
  void waitUntilIdle();

  // How long a volume request, and a clip, may take before the helper is
  // stopped.
  static constexpr std::chrono::seconds kVolumeLimit{5};
  static constexpr std::chrono::seconds kClipLimit{30};

 private:
  // The helper found, after looking once; empty when there is none.
  const std::string& helper();
  std::optional<std::string> askHelper(const std::vector<std::string>& words);
  void run();

  std::vector<std::string> helperPaths_;
  ClipReader readClips_;
  Report report_;
  std::once_flag lookedUp_;
  std::string helper_;
  std::once_flag clipsRead_;
  ClipFiles clips_;
  std::mutex mutex_;
  std::condition_variable idle_;
  std::deque<std::size_t> queue_;
  bool working_ = false;  // the worker runs (or is about to end)
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace voltaro::platform
