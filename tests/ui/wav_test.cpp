// The WAV reader of the sound backend, the embedded clips' formats, the
// sound module loaded on first use and the volume helper.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/linux/helper_process.h"
#include "platform/linux/lazy_audio.h"
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
  audio.waitUntilIdleForTesting();
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(40));
  EXPECT_FALSE(audio.setMuted(true));
  unsetenv("PULSE_SERVER");
}

// A lazy output looking first in a folder that does not exist, as the
// program looks beside itself first; what it reported and read.
struct LazyAudioProbe {
  std::vector<std::string> reports;
  int clipReads = 0;
  LazyAudio make(std::string module, std::string helper) {
    return LazyAudio(
        {{"/nonexistent/voltaro-test/" VOLTARO_SOUND_MODULE, std::move(module)},
         {"/nonexistent/voltaro-test/" VOLTARO_VOLUME_HELPER, std::move(helper)}},
        [this] {
          ++clipReads;
          ClipFiles clips;
          clips[5] = wav(1, 1, 16, std::vector<std::uint8_t>(882, 0));
          return clips;
        },
        "voltaro-test", [this](const std::string& line) { reports.push_back(line); });
  }
};

bool mapped(const char* path) {
  void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);
  return handle != nullptr;
}

TEST(LazyAudio, WithoutItsModuleAndHelperStaysSilentAndSaysSoOnceEach) {
  LazyAudioProbe probe;
  LazyAudio audio = probe.make("/nonexistent/elsewhere/" VOLTARO_SOUND_MODULE,
                               "/nonexistent/elsewhere/" VOLTARO_VOLUME_HELPER);
  audio.play(Clip::Click);
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(40));
  EXPECT_FALSE(audio.setMuted(true));
  audio.play(Clip::Click);
  EXPECT_FALSE(audio.loaded());
  EXPECT_EQ(probe.clipReads, 0);
  ASSERT_EQ(probe.reports.size(), 2U);
  EXPECT_NE(probe.reports[0].find("/nonexistent/elsewhere/" VOLTARO_SOUND_MODULE),
            std::string::npos)
      << probe.reports[0];
  EXPECT_NE(probe.reports[1].find("/nonexistent/elsewhere/" VOLTARO_VOLUME_HELPER),
            std::string::npos)
      << probe.reports[1];
}

TEST(LazyAudio, TheVolumeGoesThroughTheHelperAndOnlyAClipLoadsTheModule) {
  // No sound server: silence and an unknown volume, not a failure.
  setenv("PULSE_SERVER", "unix:/nonexistent/voltaro-test", 1);
  LazyAudioProbe probe;
  LazyAudio audio = probe.make(VOLTARO_SOUND_MODULE_PATH, VOLTARO_VOLUME_HELPER_PATH);
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(90));
  EXPECT_FALSE(audio.setMuted(false));
  EXPECT_FALSE(mapped(VOLTARO_SOUND_MODULE_PATH)) << "a volume call loaded the module";
  EXPECT_FALSE(audio.loaded());
  EXPECT_EQ(probe.clipReads, 0);
  audio.play(Clip::Click);
  EXPECT_TRUE(audio.loaded());
  EXPECT_TRUE(mapped(VOLTARO_SOUND_MODULE_PATH));
  audio.play(Clip::Refusal);
  EXPECT_EQ(probe.clipReads, 1);
  EXPECT_TRUE(probe.reports.empty());
  unsetenv("PULSE_SERVER");
}

TEST(VolumeHelper, RefusesWrongWordsAndReportsNoServerAsAFailure) {
  setenv("PULSE_SERVER", "unix:/nonexistent/voltaro-test", 1);
  const std::string helper = VOLTARO_VOLUME_HELPER_PATH;
  EXPECT_EQ(runHelper({helper, "get"}, std::chrono::seconds(5)), std::nullopt);
  const std::string shell = "/bin/sh";
  const std::string run = "\"$0\" \"$@\"; echo $?";
  // Exit statuses: 1 for no server, 2 for words it does not take.
  EXPECT_EQ(runHelper({shell, "-c", run, helper, "set", "40"}, std::chrono::seconds(5)), "1\n");
  EXPECT_EQ(runHelper({shell, "-c", run, helper, "set", "101"}, std::chrono::seconds(5)), "2\n");
  EXPECT_EQ(runHelper({shell, "-c", run, helper, "mute", "yes"}, std::chrono::seconds(5)), "2\n");
  EXPECT_EQ(runHelper({shell, "-c", run, helper, "louder"}, std::chrono::seconds(5)), "2\n");
  unsetenv("PULSE_SERVER");
}

TEST(HelperProcess, TakesTheOutputOfASuccessOnly) {
  const std::string shell = "/bin/sh";
  EXPECT_EQ(runHelper({shell, "-c", "echo 42"}, std::chrono::seconds(5)), "42\n");
  EXPECT_EQ(runHelper({shell, "-c", "echo 42; exit 1"}, std::chrono::seconds(5)), std::nullopt);
  EXPECT_EQ(runHelper({"/nonexistent/voltaro-test/helper"}, std::chrono::seconds(5)), std::nullopt);
  // A helper that hangs is stopped at the limit.
  EXPECT_EQ(runHelper({shell, "-c", "echo 1; exec sleep 30"}, std::chrono::milliseconds(100)),
            std::nullopt);
  // Endless output is cut at 4 KiB.
  const auto lots = runHelper({shell, "-c", "head -c 100000 /dev/zero"}, std::chrono::seconds(5));
  ASSERT_TRUE(lots.has_value());
  EXPECT_EQ(lots->size(), 4096U);
}

}  // namespace
}  // namespace voltaro::platform
