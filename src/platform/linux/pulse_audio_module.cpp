// The entry of the sound module: the libpulse Audio behind one C function.
#include <new>

#include "platform/linux/pulse_audio.h"
#include "platform/linux/sound_module.h"

static_assert(std::tuple_size_v<voltaro::platform::ClipFiles> ==
              voltaro::platform::PulseAudio::kClipCount);

extern "C" __attribute__((visibility("default"))) voltaro::platform::Audio* voltaro_make_audio(
    const voltaro::platform::ClipFiles* clips, const char* applicationName) {
  if (clips == nullptr || applicationName == nullptr) return nullptr;
  try {
    return new voltaro::platform::PulseAudio(*clips, applicationName);
  } catch (...) {
    return nullptr;  // no memory or no thread: the program stays silent
  }
}
