// The Windows folders and processor times: which shell folders are asked
// for, and the real answers under wine.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "platform/windows/win32_folders.h"
#include "platform/windows/win32_headers.h"
#include "platform/windows/win32_system_times.h"
#include "platform/windows/win32_worker_threads.h"

namespace voltaro::platform::windows {
namespace {

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Win32FoldersTest, AsksForPersonalAndCommonDocumentsAndRefusesEmptyAnswers) {
  std::vector<int> asked;
  std::string answer = "C:\\Users\\ann\\Documents";
  Win32Folders folders([&](int csidl, std::string& path) {
    asked.push_back(csidl);
    path = answer;
    return csidl != 46;
  });
  EXPECT_EQ(folders.documentsFolder(), "C:\\Users\\ann\\Documents");
  EXPECT_EQ(folders.sharedFolder(), std::nullopt);
  answer.clear();
  EXPECT_EQ(folders.documentsFolder(), std::nullopt);
  EXPECT_EQ(asked, (std::vector<int>{5, 46, 5}));
  EXPECT_EQ(folders.separator(), '\\');
}

TEST(Win32FoldersTest, RealFoldersExistAndTheProgramFolderHoldsThisProgram) {
  Win32Folders folders;
  const auto documents = folders.documentsFolder();
  const auto shared = folders.sharedFolder();
  ASSERT_TRUE(documents.has_value());
  ASSERT_TRUE(shared.has_value());
  EXPECT_TRUE(isFolder(*documents)) << *documents;
  EXPECT_TRUE(isFolder(*shared)) << *shared;
  EXPECT_NE(*documents, *shared);

  const auto program = folders.programFolder();
  ASSERT_TRUE(program.has_value());
  ASSERT_EQ(program->back(), '\\');
  EXPECT_NE(GetFileAttributesA((*program + "win32_services_test.exe").c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST(Win32FoldersTest, NormalisingMakesFilesPlainAndLeavesFoldersAlone) {
  char temp[MAX_PATH + 1] = {};
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string folder =
      std::string(temp) + "voltaro-attributes-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string file = folder + "\\voltaro.ini";
  const std::string sub = folder + "\\test";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  ASSERT_TRUE(SetFileAttributesA(sub.c_str(), FILE_ATTRIBUTE_HIDDEN));

  Win32Folders().normaliseFileAttributes(folder);  // no trailing separator
  EXPECT_EQ(GetFileAttributesA(file.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_TRUE(GetFileAttributesA(sub.c_str()) & FILE_ATTRIBUTE_HIDDEN);

  SetFileAttributesA(sub.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(DeleteFileA(file.c_str()));  // a read-only file would refuse
  RemoveDirectoryA(sub.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Win32SystemTimesTest, KernelTimeIncludesIdleAndTimesNeverGoBack) {
  Win32SystemTimes times;
  const auto first = times.sample();
  ASSERT_TRUE(first.has_value());
  EXPECT_GE(first->kernel, first->idle);
  EXPECT_GT(first->kernel + first->user, 0u);
  // Keep a processor busy for a while so the counters move.
  const DWORD start = GetTickCount();
  volatile unsigned spin = 0;
  while (GetTickCount() - start < 50) spin = spin + 1;
  const auto second = times.sample();
  ASSERT_TRUE(second.has_value());
  EXPECT_GE(second->idle, first->idle);
  EXPECT_GE(second->kernel, first->kernel);
  EXPECT_GE(second->user, first->user);
  EXPECT_GE(times.processorCount(), 1u);
}

TEST(Win32WorkerThreadsTest, ClockIsTheSteadyClockInNanoseconds) {
  Win32WorkerThreads threads;
  using std::chrono::steady_clock;
  const auto nanoseconds = [](steady_clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
  };
  const std::int64_t before = nanoseconds(steady_clock::now());
  const std::int64_t now = threads.steadyNanoseconds();
  EXPECT_GE(now, before);
  EXPECT_LE(now, nanoseconds(steady_clock::now()));
}

TEST(Win32WorkerThreadsTest, RaiseAffectsOnlyTheCallingThread) {
  Win32WorkerThreads threads;
  int workerPriority = 0;
  bool raised = false;
  std::thread worker([&] {
    raised = threads.raiseCurrentThreadPriority();
    workerPriority = GetThreadPriority(GetCurrentThread());
  });
  worker.join();
  EXPECT_TRUE(raised);
  EXPECT_EQ(workerPriority, THREAD_PRIORITY_HIGHEST);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

}  // namespace
}  // namespace voltaro::platform::windows
