#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/temporary_folder.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#endif

namespace voltaro {
namespace {
namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  testing::TemporaryFolder temporary_;
  const fs::path& dir_ = temporary_.path();
};

TEST(ByteWriter, LittleEndianLayout) {
  ByteWriter w;
  w.u8(0xAB);
  w.u16(0x1234);
  w.u32(0xDEADBEEF);
  w.i32(-2);
  const std::vector<std::uint8_t> expected = {0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD,
                                              0xDE, 0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(w.bytes(), expected);
}

TEST(ByteReader, ReadsBackAndStopsAtTheEnd) {
  const std::vector<std::uint8_t> bytes = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x02};
  ByteReader r(bytes);
  EXPECT_EQ(r.u8(), 0xAB);
  EXPECT_EQ(r.u16(), 0x1234);
  EXPECT_EQ(r.i32(), -2);
  EXPECT_EQ(r.remaining(), 2u);
  EXPECT_EQ(r.u32(), std::nullopt);  // only two bytes left: nothing consumed
  EXPECT_EQ(r.u16(), 0x0201);
  EXPECT_EQ(r.u8(), std::nullopt);
}

TEST_F(FileIoTest, ReplaceWritesExactBytesAndLeavesNoTemp) {
  const std::vector<std::uint8_t> first = {1, 2, 3, 4, 5};
  const std::vector<std::uint8_t> second = {9};
  ASSERT_TRUE(replaceFileAtomically(path("a.bin"), first));
  ASSERT_TRUE(replaceFileAtomically(path("a.bin"), second));
  EXPECT_EQ(readFileBytes(path("a.bin")), second);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIoTest, ReplaceFailsIntoMissingFolder) {
  EXPECT_FALSE(replaceFileAtomically(path("missing/a.bin"), std::string_view("x")));
  EXPECT_EQ(entries(), 0u);
}

TEST_F(FileIoTest, ReplaceOverFolderFailsAndRemovesTemp) {
  fs::create_directories(dir_ / "taken" / "child");
  EXPECT_FALSE(replaceFileAtomically(path("taken"), std::string_view("x")));
  EXPECT_TRUE(fs::is_directory(dir_ / "taken" / "child"));
  EXPECT_EQ(entries(), 1u);
}

#ifdef __linux__
// A file-size limit makes the write fail part way, as a full disc would.
TEST_F(FileIoTest, FailedWriteKeepsTheOldFileWhole) {
  ASSERT_TRUE(replaceFileAtomically(path("s.ini"), std::string_view("old content")));
  const std::string big(64 * 1024, 'x');
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ::getrlimit(RLIMIT_FSIZE, &oldLimit);
  rlimit limit = oldLimit;
  limit.rlim_cur = 1024;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const bool ok = replaceFileAtomically(path("s.ini"), std::string_view(big));
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  const auto lines = readTextLines(path("s.ini"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, std::vector<std::string>{"old content"});
  EXPECT_EQ(entries(), 1u);
}

// A child process rewrites a 51-byte file in a loop, alternating two contents,
// and is killed at a different moment each round: whatever moment the kill
// hits, the file holds one content or the other, never a short or mixed one.
TEST_F(FileIoTest, KilledWriterLeavesTheOldOrTheNewFile) {
  const std::string first(51, 'a');
  const std::string second(51, 'b');
  ASSERT_TRUE(replaceFileAtomically(path("s.ini"), std::string_view(first)));
  for (int round = 0; round < 20; ++round) {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      for (unsigned i = 0;; ++i) {
        replaceFileAtomically(path("s.ini"), std::string_view(i % 2 ? first : second));
      }
    }
    const timespec pause{0, (round % 5 + 1) * 1000000L};
    ::nanosleep(&pause, nullptr);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const auto bytes = readFileBytes(path("s.ini"));
    ASSERT_TRUE(bytes.has_value()) << "round " << round;
    const std::string text(bytes->begin(), bytes->end());
    EXPECT_TRUE(text == first || text == second)
        << "round " << round << ": " << text.size() << " bytes";
  }
}
#endif

TEST_F(FileIoTest, TextLinesUseCrLfAndReadBothEndings) {
  ASSERT_TRUE(writeTextLines(path("t.txt"), {"one", "", "two"}));
  const std::vector<std::uint8_t> expected = {'o',  'n', 'e', '\r', '\n', '\r',
                                              '\n', 't', 'w', 'o',  '\r', '\n'};
  EXPECT_EQ(readFileBytes(path("t.txt")), expected);
  ASSERT_TRUE(appendTextLines(path("t.txt"), {"three"}));
  EXPECT_EQ(readTextLines(path("t.txt")), (std::vector<std::string>{"one", "", "two", "three"}));

  std::ofstream(path("lf.txt"), std::ios::binary) << "a\nb\r\nc";
  EXPECT_EQ(readTextLines(path("lf.txt")), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(FileIoTest, AppendCreatesAndMissingFilesReadAsNothing) {
  EXPECT_EQ(readTextLines(path("none.txt")), std::nullopt);
  EXPECT_EQ(readFileBytes(path("none.bin")), std::nullopt);
  EXPECT_FALSE(fileExists(path("new.txt")));
  ASSERT_TRUE(appendTextLines(path("new.txt"), {"x"}));
  EXPECT_TRUE(fileExists(path("new.txt")));
  EXPECT_TRUE(removeFile(path("new.txt")));
  EXPECT_FALSE(removeFile(path("new.txt")));
  EXPECT_FALSE(fileExists(dir_.string()));
}

}  // namespace
}  // namespace voltaro
