// The WAV reader of the sound backend and the embedded clips' formats.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/linux/pulse_audio.h"

namespace voltaro::platform {
namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void tag(std::vector<std::uint8_t>& b, const char* t) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
}

// A RIFF file with a format chunk, an odd-sized chunk to skip, and data.
std::vector<std::uint8_t> wav(std::uint16_t format, std::uint16_t channels, std::uint16_t bits,
                              std::vector<std::uint8_t> samples) {
  std::vector<std::uint8_t> b;
  tag(b, "RIFF");
  put32(b, 0);
  tag(b, "WAVE");
  tag(b, "fmt ");
  put32(b, 16);
  put16(b, format);
  put16(b, channels);
  put32(b, 44100);
  put32(b, 44100U * channels * bits / 8);
  put16(b, static_cast<std::uint16_t>(channels * bits / 8));
  put16(b, bits);
  tag(b, "LIST");
  put32(b, 3);
  b.insert(b.end(), {1, 2, 3, 0});  // 3 bytes and the pad byte
  tag(b, "data");
  put32(b, static_cast<std::uint32_t>(samples.size()));
  b.insert(b.end(), samples.begin(), samples.end());
  return b;
}

TEST(ParseWav, ReadsTheFormatAndSkipsOtherChunksWithTheirPadding) {
  const auto clip = parseWav(wav(1, 2, 16, {1, 0, 2, 0, 3, 0, 4, 0}));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->channels, 2);
  EXPECT_EQ(clip->sampleRate, 44100U);
  EXPECT_EQ(clip->bitsPerSample, 16);
  EXPECT_EQ(clip->samples, (std::vector<std::uint8_t>{1, 0, 2, 0, 3, 0, 4, 0}));
}

TEST(ParseWav, RefusesWhatItCannotPlay) {
  EXPECT_FALSE(parseWav(wav(3, 1, 32, {0, 0, 0, 0}))) << "float samples";
  EXPECT_FALSE(parseWav(wav(1, 6, 16, {0, 0}))) << "six channels";
  auto truncated = wav(1, 1, 16, {1, 2, 3, 4});
  truncated.resize(truncated.size() - 2);
  EXPECT_FALSE(parseWav(truncated)) << "data shorter than its chunk says";
  EXPECT_FALSE(parseWav(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}));
  std::vector<std::uint8_t> noFormat;
  tag(noFormat, "RIFF");
  put32(noFormat, 0);
  tag(noFormat, "WAVE");
  tag(noFormat, "data");
  put32(noFormat, 0);
  EXPECT_FALSE(parseWav(noFormat)) << "data before any format";
}

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EmbeddedClips, AreSixteenBitAt44100WithTheirChannelsAndLengths) {
  struct Expected {
    const char* file;
    std::uint16_t channels;
    double seconds;
  };
  const Expected clips[] = {
      {"clip1_chime.wav", 2, 0.71},         {"clip2_battery_low.wav", 1, 0.78},
      {"clip3_fully_charged.wav", 1, 1.80}, {"clip4_discharging.wav", 1, 1.52},
      {"clip5_charging.wav", 1, 1.36},      {"clip6_click.wav", 1, 0.05}};
  for (const Expected& e : clips) {
    SCOPED_TRACE(e.file);
    const auto clip = parseWav(readFile(std::string(VOLTARO_ASSETS) + "/sounds/" + e.file));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->sampleRate, 44100U);
    EXPECT_EQ(clip->bitsPerSample, 16);
    EXPECT_EQ(clip->channels, e.channels);
    const double seconds = static_cast<double>(clip->samples.size()) / (2.0 * e.channels * 44100);
    EXPECT_NEAR(seconds, e.seconds, e.seconds * 0.1 + 0.005);
  }
}

TEST(PulseAudioOutput, WithoutASoundServerPlaysNothingAndReportsNothing) {
  // A server address nobody listens on: every connection fails at once.
  setenv("PULSE_SERVER", "unix:/nonexistent/voltaro-test", 1);
  std::array<std::vector<std::uint8_t>, PulseAudio::kClipCount> clips;
  clips[5] = wav(1, 1, 16, std::vector<std::uint8_t>(882, 0));
  PulseAudio audio(clips, "voltaro-test");
  audio.play(Clip::Click);
  audio.play(Clip::Refusal);  // no clip: ignored
  audio.waitUntilIdle();
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(40));
  EXPECT_FALSE(audio.setMuted(true));
  unsetenv("PULSE_SERVER");
}

}  // namespace
}  // namespace voltaro::platform
