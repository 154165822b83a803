// Playing the six clips with their gates: the refusal sound (AudioPlayer1)
// and the click (AudioPlayer6) follow PlaySounds, the voices (AudioPlayer2 to
// AudioPlayer5) follow PlayVoices.
#pragma once

#include "platform/audio.h"
#include "settings/app_settings.h"

namespace voltaro::alerts {

bool clipAllowed(const settings::AppSettings& settings, platform::Clip clip);

// Plays the clip when its gate is on; returns whether it was started.
bool playClip(platform::Audio& audio, const settings::AppSettings& settings, platform::Clip clip);

// The sound of a refused user action.
inline void playRefusal(platform::Audio& audio, const settings::AppSettings& settings) {
  playClip(audio, settings, platform::Clip::Refusal);
}

}  // namespace voltaro::alerts
