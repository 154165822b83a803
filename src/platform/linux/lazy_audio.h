// The program's sound output, loaded on first use. The first clip loads the
// sound module (libpulse and all it pulls in) and reads the clips; until then
// neither is in memory. The volume is read and set by the small helper
// program voltaro-volume, run for each request, because libpulse, once
// loaded, stays for the life of the process: the start-up volume step and
// the volume keys then cost no memory at rest.
//
// What cannot be found leaves the program silent: clips are dropped, the
// volume is unknown and cannot be set, and one line says why (once for the
// module, once for the helper).
//
// Threads: the engine calls it on the program's thread only; the loading is
// guarded all the same, so a call from another thread is safe.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/linux/loadable_module.h"
#include "platform/linux/sound_module.h"

namespace voltaro::platform {

// The volume helper's file name.
#define VOLTARO_VOLUME_HELPER "voltaro-volume"

class LazyAudio final : public Audio {
 public:
  using ClipReader = std::function<ClipFiles()>;
  using Report = std::function<void(const std::string& line)>;

  // Where the files are looked for, first match wins.
  struct Places {
    std::vector<std::string> module;
    std::vector<std::string> volumeHelper;
  };

  // `readClips` runs once, when the module has loaded. `report` gets the
  // lines written when the module or the helper cannot be found (standard
  // error by default).
  LazyAudio(Places places, ClipReader readClips, std::string applicationName, Report report = {});
  ~LazyAudio() override;

  void play(Clip clip) override;
  std::optional<int> masterVolume() override;
  bool setMasterVolume(int percent) override;
  bool setMuted(bool muted) override;

  // True once a clip has loaded the module and made its Audio.
  bool loaded() const { return loaded_; }

  // How long a volume request may take before the helper is stopped.
  static constexpr std::chrono::seconds kVolumeLimit{5};

 private:
  void load();
  // Runs the helper with `words`; its output, or nullopt when it failed.
  std::optional<std::string> askHelper(const std::vector<std::string>& words);

  Places places_;
  ClipReader readClips_;
  std::string applicationName_;
  Report report_;
  std::once_flag moduleOnce_;
  std::once_flag helperOnce_;
  std::atomic<bool> loaded_{false};
  std::string helper_;  // the helper found; empty when none is there
  LoadableModule module_;
  std::unique_ptr<Audio> audio_;  // made by the module, which stays mapped
};

}  // namespace voltaro::platform
