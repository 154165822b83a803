// voltaro-sound: plays a clip and reads or sets the speaker volume of the
// default output through libpulse, in a process of its own: libpulse cannot
// be unloaded, so the program never loads it and holds none of it at rest.
//   voltaro-sound play          plays the WAV file given on standard input
//   voltaro-sound get           prints the volume in percent
//   voltaro-sound set PERCENT   sets it (0 to 100)
//   voltaro-sound mute 1|0      mutes or unmutes
// Ends with status 0 when it did what was asked, 1 when there is no sound
// server or output (or the clip cannot be played), 2 when the words are
// wrong.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/linux/pulse_audio.h"

namespace {
constexpr int kDone = 0;
constexpr int kNoOutput = 1;
constexpr int kWrongWords = 2;
// The longest clip taken; the program's own are under 200 KiB.
constexpr std::size_t kMostClipBytes = 16 * 1024 * 1024;

std::optional<int> number(const char* text) {
  const std::string_view word(text);
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::vector<std::uint8_t> readStandardInput() {
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[16384];
  for (;;) {
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0 || bytes.size() + static_cast<std::size_t>(count) > kMostClipBytes) break;
    bytes.insert(bytes.end(), buffer, buffer + count);
  }
  return bytes;
}

int play() {
  using voltaro::platform::PulseAudio;
  std::array<std::vector<std::uint8_t>, PulseAudio::kClipCount> clips;
  clips[0] = readStandardInput();
  if (!voltaro::platform::parseWav(clips[0])) return kNoOutput;
  PulseAudio audio(clips, "Voltaro");
  audio.play(voltaro::platform::Clip::Refusal);  // the clip in the first place
  audio.waitUntilIdle();
  return kDone;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string_view verb = argc >= 2 ? argv[1] : "";
  const int value = argc == 3 ? number(argv[2]).value_or(-1) : -1;
  const bool wellFormed = ((verb == "get" || verb == "play") && argc == 2) ||
                          (verb == "set" && value >= 0 && value <= 100) ||
                          (verb == "mute" && (value == 0 || value == 1));
  if (!wellFormed) {
    std::fputs("usage: voltaro-sound play | get | set PERCENT | mute 1|0\n", stderr);
    return kWrongWords;
  }
  if (verb == "play") return play();
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
