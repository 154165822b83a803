// voltaro-volume: the speaker volume of the default output through libpulse,
// in a process of its own, so the program never keeps libpulse (which cannot
// be unloaded) in its memory for a volume change.
//   voltaro-volume get          prints the volume in percent
//   voltaro-volume set PERCENT  sets it (0 to 100)
//   voltaro-volume mute 1|0     mutes or unmutes
// Ends with status 0 when it did what was asked, 1 when there is no sound
// server or output, 2 when the words are wrong.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/linux/pulse_audio.h"

namespace {
std::optional<int> number(const char* text) {
  const std::string_view word(text);
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}
}  // namespace

int main(int argc, char** argv) {
  constexpr int kDone = 0;
  constexpr int kNoOutput = 1;
  constexpr int kWrongWords = 2;
  const std::string_view verb = argc >= 2 ? argv[1] : "";
  const int value = argc == 3 ? number(argv[2]).value_or(-1) : -1;
  const bool wellFormed = (verb == "get" && argc == 2) ||
                          (verb == "set" && value >= 0 && value <= 100) ||
                          (verb == "mute" && (value == 0 || value == 1));
  if (!wellFormed) {
    std::fputs("usage: voltaro-volume get | set PERCENT | mute 1|0\n", stderr);
    return kWrongWords;
  }
  voltaro::platform::PulseAudio audio({}, "Voltaro");
  if (verb == "get") {
    const std::optional<int> percent = audio.masterVolume();
    if (!percent) return kNoOutput;
    std::printf("%d\n", *percent);
    return kDone;
  }
  const bool done = verb == "set" ? audio.setMasterVolume(value) : audio.setMuted(value == 1);
  return done ? kDone : kNoOutput;
}
