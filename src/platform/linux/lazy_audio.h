// The program's sound output, loaded on first use: the first clip or volume
// call loads the sound module (libpulse and all it pulls in) and reads the
// clips; until then neither is in memory. A module that cannot be loaded
// leaves the program silent: clips are dropped, the volume is unknown, and
// one line says why.
//
// Threads: the engine calls it on the program's thread only; the loading is
// guarded all the same, so a call from another thread is safe.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/linux/loadable_module.h"
#include "platform/linux/sound_module.h"

namespace voltaro::platform {

class LazyAudio final : public Audio {
 public:
  using ClipReader = std::function<ClipFiles()>;
  using Report = std::function<void(const std::string& line)>;

  // `modulePaths`: where to look for the module, first match wins.
  // `readClips` runs once, when the module has loaded. `report` gets the one
  // line written when the module cannot be loaded (standard error by
  // default).
  LazyAudio(std::vector<std::string> modulePaths, ClipReader readClips, std::string applicationName,
            Report report = {});
  ~LazyAudio() override;

  void play(Clip clip) override;
  std::optional<int> masterVolume() override;
  bool setMasterVolume(int percent) override;
  bool setMuted(bool muted) override;

  // True once a call has loaded the module and made its Audio.
  bool loaded() const { return loaded_; }

 private:
  // The module's Audio, loaded on the first call; nullptr when it failed.
  Audio* audio();
  void load();

  std::vector<std::string> modulePaths_;
  ClipReader readClips_;
  std::string applicationName_;
  Report report_;
  std::once_flag once_;
  std::atomic<bool> loaded_{false};
  LoadableModule module_;
  std::unique_ptr<Audio> audio_;  // made by the module, which stays mapped
};

}  // namespace voltaro::platform
