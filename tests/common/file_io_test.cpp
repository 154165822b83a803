#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/faulty_file_calls.h"
#include "fakes/temporary_folder.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>
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
  void writeRaw(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string readRaw(const std::string& name) const {
    const auto bytes = readFileBytes(path(name));
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<unreadable>");
  }
  testing::TemporaryFolder temporary_;
  const fs::path& dir_ = temporary_.path();
};

// The fault layer, recording the order of the calls that make a save durable.
class RecordingFileCalls : public fakes::FaultyFileCalls {
 public:
  CallResult flush(int handle) override {
    calls.push_back("flush");
    if (failFlush) return CallResult{0, std::make_error_code(std::errc::io_error)};
    return FaultyFileCalls::flush(handle);
  }
  CallResult rename(const std::string& from, const std::string& to) override {
    calls.push_back("rename");
    return FaultyFileCalls::rename(from, to);
  }
  CallResult flushFolder(const std::string& folder) override {
    calls.push_back("flushFolder");
    return FaultyFileCalls::flushFolder(folder);
  }
  std::vector<std::string> calls;
  bool failFlush = false;
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
// Neither a pipe nor a huge file holds a read: a pipe is refused at once
// (no writer needed) and of a 1 GiB file only the bytes asked for are read.
TEST_F(FileIoTest, PipesAreRefusedAndHugeFilesReadOnlyTheirHead) {
  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  const FileRead pipe = readFileHead(path("pipe"), 51);
  EXPECT_TRUE(pipe.unreadable());
  EXPECT_EQ(pipe.cause, "it is not a regular file");
  EXPECT_FALSE(appendTextLines(path("pipe"), {"x"}));

  fakes::FaultyFileCalls calls;
  std::ofstream(path("huge")) << "head";
  fs::resize_file(path("huge"), std::uintmax_t{1} << 30);
  const FileRead head = readFileHead(path("huge"), 51);
  ASSERT_TRUE(head.read());
  EXPECT_EQ(head.bytes.size(), 51u);
  EXPECT_EQ(calls.bytesRead, 51u);
}

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

TEST_F(FileIoTest, ReplaceFlushesTheFileBeforeTheRenameAndTheFolderAfter) {
  RecordingFileCalls calls;
  ASSERT_TRUE(replaceFileAtomically(path("a.bin"), std::string_view("new")));
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"flush", "rename", "flushFolder"}));

  // A flush that fails is a failed save: the old content stays, no temp.
  calls.failFlush = true;
  const FileWrite written = replaceFileAtomically(path("a.bin"), std::string_view("newer"));
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.cause.empty());
  EXPECT_EQ(readRaw("a.bin"), "new");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIoTest, ReadsTellMissingFromUnreadableAndStopAtTheLimit) {
  fakes::FaultyFileCalls calls;
  EXPECT_TRUE(readFileHead(path("none"), 4).missing());

  writeRaw("v", "0123456789");
  const FileRead head = readFileHead(path("v"), 4);
  ASSERT_TRUE(head.read());
  EXPECT_EQ(std::string(head.bytes.begin(), head.bytes.end()), "0123");
  EXPECT_EQ(calls.bytesRead, 4u);

  calls.makeUnreadable(path("v"));
  const FileRead denied = readFileHead(path("v"), 4);
  EXPECT_TRUE(denied.unreadable());
  EXPECT_EQ(denied.cause, std::make_error_code(std::errc::permission_denied).message());
  EXPECT_EQ(readFileBytes(path("v")), std::nullopt);

  fs::create_directories(dir_ / "folder");
  EXPECT_TRUE(readFileHead(path("folder"), 4).unreadable());
}

TEST_F(FileIoTest, ReadOnlyFolderOrFullDiscFailsTheSaveAndKeepsTheOldFile) {
  writeRaw("s.ini", "old");
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(dir_.string());
  FileWrite written = replaceFileAtomically(path("s.ini"), std::string_view("new"));
  EXPECT_EQ(written.cause, std::error_code(EROFS, std::generic_category()).message());
  calls.makeWritable(dir_.string());

  calls.limitSpace(2);
  written = replaceFileAtomically(path("s.ini"), std::string_view("new"));
  EXPECT_EQ(written.cause, std::make_error_code(std::errc::no_space_on_device).message());
  EXPECT_EQ(readRaw("s.ini"), "old");
  EXPECT_EQ(entries(), 1u);
}

// A disc that fills in the middle of a line: the part written is cut off
// again, so the file ends on a whole line and the next entry starts clean.
TEST_F(FileIoTest, AppendsAreWholeLinesOrNothing) {
  writeRaw("log.txt", "one\r\n");
  fakes::FaultyFileCalls calls;
  calls.limitSpace(5);
  EXPECT_FALSE(appendTextLines(path("log.txt"), {"two and more"}));
  EXPECT_EQ(readRaw("log.txt"), "one\r\n");
  calls.unlimitSpace();
  ASSERT_TRUE(appendTextLines(path("log.txt"), {"three"}));
  EXPECT_EQ(readRaw("log.txt"), "one\r\nthree\r\n");

  // A line left unfinished by an earlier crash is ended first.
  writeRaw("cut.txt", "half a li");
  ASSERT_TRUE(appendTextLines(path("cut.txt"), {"next"}));
  EXPECT_EQ(readRaw("cut.txt"), "half a li\r\nnext\r\n");
}

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
