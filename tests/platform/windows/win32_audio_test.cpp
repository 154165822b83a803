// Windows sound output: which clips reach PlaySoundA and how, the WAV check
// that keeps a broken clip silent, the mixer's percent arithmetic, and under
// wine the real calls (no sound device: they must fail cleanly).
#include "platform/windows/win32_audio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/win32_headers.h"
// After windows.h.
#include <mmsystem.h>

namespace voltaro::platform::windows {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void appendTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A mono 8 kHz WAV file; `extra` is a chunk placed before "fmt ".
Bytes wav(std::uint16_t format, Bytes samples, Bytes extra = {}) {
  Bytes out;
  appendTag(out, "RIFF");
  append32(out, 0);  // patched below
  appendTag(out, "WAVE");
  out.insert(out.end(), extra.begin(), extra.end());
  appendTag(out, "fmt ");
  append32(out, 16);
  for (const std::uint8_t b :
       {format & 0xFF, format >> 8, 1, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, 16, 0}) {
    out.push_back(static_cast<std::uint8_t>(b));
  }
  appendTag(out, "data");
  append32(out, static_cast<std::uint32_t>(samples.size()));
  out.insert(out.end(), samples.begin(), samples.end());
  const auto riff = static_cast<std::uint32_t>(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
  return out;
}

TEST(PcmWavTest, AcceptsPcmWithItsChunksInsideTheFile) {
  EXPECT_TRUE(isPcmWav(wav(1, {1, 0, 2, 0})));
  Bytes list;
  appendTag(list, "LIST");
  append32(list, 3);
  list.insert(list.end(), {'a', 'b', 'c', 0});  // odd size, padded
  EXPECT_TRUE(isPcmWav(wav(1, {1, 0}, list))) << "an odd chunk before the format";
}

TEST(PcmWavTest, RefusesWhatPlaySoundCouldNotPlayOrWouldOverread) {
  EXPECT_FALSE(isPcmWav(wav(3, {0, 0, 0, 0}))) << "float samples";
  auto truncated = wav(1, {1, 0, 2, 0});
  truncated.resize(truncated.size() - 1);
  EXPECT_FALSE(isPcmWav(truncated)) << "data shorter than its chunk says";
  auto noFormat = wav(1, {1, 0});
  std::copy_n("junk", 4, noFormat.begin() + 12);
  EXPECT_FALSE(isPcmWav(noFormat)) << "data without a format before it";
  EXPECT_FALSE(isPcmWav(Bytes{'R', 'I', 'F', 'F'}));
  EXPECT_FALSE(isPcmWav(Bytes{}));
}

TEST(MixerRangeTest, PercentOfTheControlsRange) {
  EXPECT_EQ(valueAtPercent(90, 0, 65535), 58982u);  // 58981.5 rounds up
  EXPECT_EQ(valueAtPercent(0, 0, 65535), 0u);
  EXPECT_EQ(valueAtPercent(100, 0, 65535), 65535u);
  EXPECT_EQ(valueAtPercent(50, 100, 300), 200u) << "from the minimum, not from 0";
  EXPECT_EQ(valueAtPercent(150, 0, 1000), 1000u) << "clamped";
  EXPECT_EQ(valueAtPercent(-5, 10, 1000), 10u);
  EXPECT_EQ(valueAtPercent(90, 0, 0xFFFFFFFFu), 3865470566u) << "no overflow";

  EXPECT_EQ(percentOfRange(58982, 0, 65535), 90);
  EXPECT_EQ(percentOfRange(200, 100, 300), 50);
  EXPECT_EQ(percentOfRange(5, 10, 1000), 0);
  EXPECT_EQ(percentOfRange(7, 5, 5), 0) << "an empty range";
}

struct PlayCall {
  const char* sound;
  unsigned long flags;
};
std::vector<PlayCall> plays;

AudioCalls recordingCalls() {
  return {[](const char* sound, void*, unsigned long flags) -> int {
    plays.push_back({sound, flags});
    return 1;
  }};
}

TEST(Win32AudioTest, ClipsPlayFromMemoryAndBrokenOnesStaySilent) {
  plays.clear();
  std::array<Bytes, 6> clips;
  clips[0] = wav(1, {1, 0});
  clips[1] = Bytes{'n', 'o', 't', ' ', 'w', 'a', 'v'};
  clips[5] = wav(1, {2, 0, 3, 0});
  const char* first = nullptr;
  const char* sixth = nullptr;
  {
    Win32Audio audio(clips, nullptr, recordingCalls());
    audio.play(Clip::Player2);
    audio.play(Clip::FullyCharged);  // empty
    EXPECT_TRUE(plays.empty()) << "nothing playable was handed on";
    audio.play(Clip::Refusal);
    audio.play(Clip::Click);
    ASSERT_EQ(plays.size(), 2u);
    first = plays[0].sound;
    sixth = plays[1].sound;
    EXPECT_EQ(plays[0].flags, static_cast<unsigned long>(SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
    // The clip's own bytes, held by the player while they sound.
    EXPECT_EQ(std::string(first, 4), "RIFF");
    EXPECT_EQ(static_cast<unsigned char>(first[44]), 1);
    EXPECT_EQ(static_cast<unsigned char>(sixth[44]), 2);
  }
  ASSERT_EQ(plays.size(), 3u) << "destruction stops the clip before its bytes go";
  EXPECT_EQ(plays[2].sound, nullptr);
}

TEST(Win32AudioTest, NothingPlayedNothingStopped) {
  plays.clear();
  { Win32Audio audio({}, nullptr, recordingCalls()); }
  EXPECT_TRUE(plays.empty());
}

// A message-only window that counts the volume key presses it is sent.
std::vector<std::pair<WPARAM, LPARAM>> commands;
LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APPCOMMAND) {
    commands.emplace_back(wParam, lParam);
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Win32AudioTest, VolumeStepsReachTheCommandWindowOnePerStep) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = countingProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VoltaroVolumeTestWindow";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  commands.clear();
  Win32Audio audio({}, window, recordingCalls());
  EXPECT_TRUE(audio.volumeSteps(false, 3));
  EXPECT_TRUE(audio.volumeSteps(true, 2));
  const auto w = reinterpret_cast<WPARAM>(window);
  EXPECT_EQ(commands, (std::vector<std::pair<WPARAM, LPARAM>>{
                          {w, 0x90000}, {w, 0x90000}, {w, 0x90000}, {w, 0xA0000}, {w, 0xA0000}}));
  DestroyWindow(window);

  Win32Audio windowless({}, nullptr, recordingCalls());
  EXPECT_FALSE(windowless.volumeSteps(true, 1));
}

// The real PlaySoundA and mixer of the system: under wine without a sound
// device nothing plays and the mixer is missing; either way nothing breaks.
TEST(Win32AudioRealTest, RealCallsFailCleanlyOrWork) {
  std::array<Bytes, 6> clips;
  clips[0] = wav(1, Bytes(1600, 0));
  Win32Audio audio(clips);
  audio.play(Clip::Refusal);
  audio.play(Clip::Click);  // empty: silent
  const auto before = audio.masterVolume();
  const bool set = audio.setMasterVolume(90);
  if (!before) {
    EXPECT_FALSE(set) << "no mixer to read, so none to set";
    EXPECT_FALSE(audio.setMuted(true));
    GTEST_SKIP() << "no mixer here";
  }
  ASSERT_TRUE(set);
  EXPECT_EQ(audio.masterVolume(), 90);
  audio.setMasterVolume(*before);
}

}  // namespace
}  // namespace voltaro::platform::windows
