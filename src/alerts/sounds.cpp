#include "alerts/sounds.h"

namespace voltaro::alerts {

bool clipAllowed(const settings::AppSettings& settings, platform::Clip clip) {
  switch (clip) {
    case platform::Clip::Refusal:
    case platform::Clip::Click:
      return settings.PlaySounds != 0;
    case platform::Clip::Player2:
    case platform::Clip::FullyCharged:
    case platform::Clip::Discharging:
    case platform::Clip::Charging:
      return settings.PlayVoices != 0;
  }
  return false;
}

bool playClip(platform::Audio& audio, const settings::AppSettings& settings, platform::Clip clip) {
  if (!clipAllowed(settings, clip)) return false;
  audio.play(clip);
  return true;
}

}  // namespace voltaro::alerts
