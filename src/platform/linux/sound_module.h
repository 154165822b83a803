// What the sound module exports: one C function that makes its Audio. The
// program loads the module (and libpulse with it) on the first sound or
// volume call, so a program that never plays a sound never maps them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/audio.h"

namespace voltaro::platform {
// The WAV files of AudioPlayer1 .. AudioPlayer6, in that order.
using ClipFiles = std::array<std::vector<std::uint8_t>, 6>;
}  // namespace voltaro::platform

// The module's file name, and the name of its factory.
#define VOLTARO_SOUND_MODULE "voltaro-sound.so"
#define VOLTARO_MAKE_AUDIO "voltaro_make_audio"

// Makes the module's Audio for `clips` (copied), shown to the sound server
// as `applicationName`; nullptr when it cannot. The program owns the result
// and deletes it through Audio's virtual destructor.
extern "C" voltaro::platform::Audio* voltaro_make_audio(const voltaro::platform::ClipFiles* clips,
                                                        const char* applicationName);
