// Sound through the helper program: running a helper with input and a limit,
// the clips played in order by a stand-in helper that records what it is
// given, the volume's answers, a missing helper, and the real voltaro-sound
// without a sound server, which this process never maps libpulse for.
#include "platform/linux/helper_audio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/linux/helper_process.h"

namespace voltaro::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::seconds;
const std::string kShell = "/bin/sh";

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch folder with a stand-in helper: it writes each request's words to
// "requests" and a clip's bytes to "clipN" (N counting the requests), answers
// "get" with 37, takes "set 90" only and refuses to mute.
class StandInHelper : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("voltaro-helper-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    helper = (folder / VOLTARO_SOUND_HELPER).string();
    std::ofstream(helper) << "#!/bin/sh\n"
                             "dir=$(dirname \"$0\")\n"
                             "echo \"$*\" >> \"$dir/requests\"\n"
                             "n=$(wc -l < \"$dir/requests\" | tr -d ' ')\n"
                             "case \"$1\" in\n"
                             "  play) cat > \"$dir/clip$n\" ;;\n"
                             "  get) echo 37 ;;\n"
                             "  set) [ \"$2\" = 90 ] ;;\n"
                             "  *) exit 1 ;;\n"
                             "esac\n";
    fs::permissions(helper, fs::perms::owner_all);
  }
  void TearDown() override { fs::remove_all(folder); }

  HelperAudio make(std::string path) {
    return HelperAudio(
        {(folder / "missing" / VOLTARO_SOUND_HELPER).string(), std::move(path)},
        [this] {
          ++clipReads;
          ClipFiles clips;
          clips[5] = {'c', 'l', 'i', 'c', 'k'};
          clips[3] = std::vector<std::uint8_t>(300000, 'd');  // more than a socket holds
          return clips;
        },
        [this](const std::string& line) { reports.push_back(line); });
  }

  fs::path folder;
  std::string helper;
  int clipReads = 0;
  std::vector<std::string> reports;
};

TEST_F(StandInHelper, ClipsPlayInOrderWithTheirBytesAndTheVolumeIsAsked) {
  HelperAudio audio = make(helper);
  audio.play(Clip::Click);
  audio.play(Clip::Discharging);
  audio.play(Clip::Refusal);  // no clip: dropped
  audio.waitUntilIdle();
  EXPECT_EQ(readFile(folder / "clip1"), "click");
  EXPECT_EQ(readFile(folder / "clip2"), std::string(300000, 'd'));
  EXPECT_EQ(audio.masterVolume(), 37);
  EXPECT_TRUE(audio.setMasterVolume(90));
  EXPECT_FALSE(audio.setMasterVolume(150));  // asked as 100, which it refuses
  EXPECT_FALSE(audio.setMuted(true));
  audio.play(Clip::Click);  // a new worker after the last one ended
  audio.waitUntilIdle();
  EXPECT_EQ(readFile(folder / "requests"), "play\nplay\nget\nset 90\nset 100\nmute 1\nplay\n");
  EXPECT_EQ(readFile(folder / "clip7"), "click");
  EXPECT_EQ(clipReads, 1);
  EXPECT_TRUE(reports.empty());
}

TEST_F(StandInHelper, WithoutTheHelperStaysSilentAndSaysSoOnce) {
  HelperAudio audio = make((folder / "elsewhere" / VOLTARO_SOUND_HELPER).string());
  audio.play(Clip::Click);
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(40));
  EXPECT_FALSE(audio.setMuted(true));
  audio.play(Clip::Click);
  audio.waitUntilIdle();
  EXPECT_EQ(clipReads, 0);
  ASSERT_EQ(reports.size(), 1U);
  EXPECT_NE(reports[0].find((folder / "elsewhere").string()), std::string::npos) << reports[0];
}

TEST(HelperProcess, TakesTheOutputOfASuccessOnly) {
  EXPECT_EQ(runHelper({kShell, "-c", "echo 42"}, seconds(5)), "42\n");
  EXPECT_EQ(runHelper({kShell, "-c", "echo 42; exit 1"}, seconds(5)), std::nullopt);
  EXPECT_EQ(runHelper({"/nonexistent/voltaro-test/helper"}, seconds(5)), std::nullopt);
  // A helper that hangs is stopped at the limit.
  EXPECT_EQ(runHelper({kShell, "-c", "echo 1; exec sleep 30"}, milliseconds(100)), std::nullopt);
  // Endless output is cut at 4 KiB.
  const auto lots = runHelper({kShell, "-c", "head -c 100000 /dev/zero"}, seconds(5));
  ASSERT_TRUE(lots.has_value());
  EXPECT_EQ(lots->size(), 4096U);
  // The input arrives whole; a helper that ignores it is no fault here.
  EXPECT_EQ(runHelper({"/bin/cat"}, seconds(5), "abc\n"), "abc\n");
  EXPECT_EQ(runHelper({kShell, "-c", "exit 0"}, seconds(5), std::string(1 << 20, 'x')), "");
}

#ifdef VOLTARO_SOUND_HELPER_PATH
bool libpulseMapped() {
  return readFile("/proc/self/maps").find("libpulse") != std::string::npos;
}

TEST(SoundHelper, WithoutASoundServerPlaysNothingAndNeverLoadsLibpulseHere) {
  setenv("PULSE_SERVER", "unix:/nonexistent/voltaro-test", 1);
  const std::string helper = VOLTARO_SOUND_HELPER_PATH;
  // Exit statuses: 1 for no server (or no playable clip), 2 for words it
  // does not take.
  const std::string status = "\"$0\" \"$@\" < /dev/null; echo $?";
  const auto run = [&](std::vector<std::string> words) {
    std::vector<std::string> command{kShell, "-c", status, helper};
    command.insert(command.end(), words.begin(), words.end());
    return runHelper(command, seconds(5));
  };
  EXPECT_EQ(run({"get"}), "1\n");
  EXPECT_EQ(run({"set", "40"}), "1\n");
  EXPECT_EQ(run({"play"}), "1\n");
  EXPECT_EQ(run({"set", "101"}), "2\n");
  EXPECT_EQ(run({"mute", "yes"}), "2\n");
  EXPECT_EQ(run({"louder"}), "2\n");

  std::vector<std::string> reports;
  HelperAudio audio(
      {helper},
      [] {
        // A tenth of a second of silence, 8-bit mono at 8000 Hz.
        const std::string wav =
            std::string("RIFF\x34\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24) +
            std::string("\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x20\x03\0\0", 20) +
            std::string(800, '\x80');
        ClipFiles clips;
        clips[5].assign(wav.begin(), wav.end());
        return clips;
      },
      [&](const std::string& line) { reports.push_back(line); });
  audio.play(Clip::Click);
  audio.waitUntilIdle();
  EXPECT_EQ(audio.masterVolume(), std::nullopt);
  EXPECT_FALSE(audio.setMasterVolume(90));
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(libpulseMapped());
  unsetenv("PULSE_SERVER");
}
#endif

}  // namespace
}  // namespace voltaro::platform
