// The real Win32 calls, run under wine: SetupAPI finds no battery and the
// driver says so cleanly, and the overlapped poll and cancel path works on a
// named pipe, whose listen request stays pending until a client connects.
#include <gtest/gtest.h>

#include <string>

#include "platform/windows/win32_battery_driver.h"
#include "platform/windows/win32_device_io.h"

namespace voltaro::platform::windows {
namespace {

// The named-pipe listen request (ntifs.h, a kernel header).
constexpr DWORD kPipeListen = CTL_CODE(FILE_DEVICE_NAMED_PIPE, 2, METHOD_BUFFERED, FILE_ANY_ACCESS);

bool underWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(Win32RealCalls, WithoutBatteryEveryStepFailsCleanly) {
  if (!underWine()) GTEST_SKIP() << "a real machine may have a battery";
  Win32DeviceIo io;
  ASSERT_TRUE(io.setupApiLoaded());
  Win32BatteryDriver driver(io);
  ASSERT_TRUE(driver.createDeviceSet());
  for (int index = 0; index < 4; ++index) EXPECT_EQ(driver.interfacePath(index), std::nullopt);
  EXPECT_EQ(driver.open("\\\\.\\VoltaroNoSuchBattery", OpenFlags::Normal), kInvalidHandle);
  EXPECT_EQ(driver.queryTag(kInvalidHandle, 250), 0u);
  driver.destroyDeviceSet();
}

TEST(Win32RealCalls, SetupApiAnswersNoMoreItemsAndRefusesForeignRecordSizes) {
  if (!underWine()) GTEST_SKIP() << "a real machine may have a battery";
  Win32DeviceIo io;
  HDEVINFO set = io.getClassDevs(&GUID_DEVICE_BATTERY, nullptr, nullptr,
                                 DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  ASSERT_NE(set, INVALID_HANDLE_VALUE);
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = kInterfaceDataSize;
  EXPECT_FALSE(io.enumDeviceInterfaces(set, nullptr, &GUID_DEVICE_BATTERY, 0, &data));
  EXPECT_EQ(io.lastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
  if (sizeof(void*) == 8) {
    // The 32-bit record size is checked before the enumeration.
    data.cbSize = 28;
    EXPECT_FALSE(io.enumDeviceInterfaces(set, nullptr, &GUID_DEVICE_BATTERY, 0, &data));
    EXPECT_EQ(io.lastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  EXPECT_TRUE(io.destroyDeviceInfoList(set));
}

// Forwards to the real calls, but opens the server end of a named pipe and
// sends FSCTL_PIPE_LISTEN in place of the status request: a request that
// stays pending for real until the test connects a client.
class PipeListenSeam final : public DeviceIoSeam {
 public:
  explicit PipeListenSeam(std::string name) : name_(std::move(name)) {}

  HDEVINFO getClassDevs(const GUID* g, PCSTR e, HWND p, DWORD f) override {
    return real_.getClassDevs(g, e, p, f);
  }
  BOOL enumDeviceInterfaces(HDEVINFO s, PSP_DEVINFO_DATA d, const GUID* g, DWORD i,
                            PSP_DEVICE_INTERFACE_DATA o) override {
    return real_.enumDeviceInterfaces(s, d, g, i, o);
  }
  BOOL getDeviceInterfaceDetail(HDEVINFO s, PSP_DEVICE_INTERFACE_DATA d,
                                PSP_DEVICE_INTERFACE_DETAIL_DATA_A o, DWORD n, PDWORD r,
                                PSP_DEVINFO_DATA i) override {
    return real_.getDeviceInterfaceDetail(s, d, o, n, r, i);
  }
  BOOL destroyDeviceInfoList(HDEVINFO s) override { return real_.destroyDeviceInfoList(s); }
  HANDLE createFile(LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD flags,
                    HANDLE) override {
    HANDLE pipe = CreateNamedPipeA(path, PIPE_ACCESS_DUPLEX | (flags & FILE_FLAG_OVERLAPPED),
                                   PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr);
    error_ = GetLastError();
    return pipe;
  }
  BOOL closeHandle(HANDLE h) override { return real_.closeHandle(h); }
  BOOL deviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                       DWORD outSize, LPDWORD returned, LPOVERLAPPED overlapped) override {
    if (code == IOCTL_BATTERY_QUERY_STATUS) {
      code = kPipeListen;
      in = out = nullptr;
      inSize = outSize = 0;
    }
    const BOOL ok =
        real_.deviceIoControl(device, code, in, inSize, out, outSize, returned, overlapped);
    error_ = real_.lastError();
    return ok;
  }
  BOOL getOverlappedResult(HANDLE d, LPOVERLAPPED o, LPDWORD n, BOOL w) override {
    const BOOL ok = real_.getOverlappedResult(d, o, n, w);
    error_ = real_.lastError();
    return ok;
  }
  BOOL cancelIo(HANDLE d) override { return real_.cancelIo(d); }
  DWORD lastError() override { return error_; }

  // Connects a client, which completes the pending listen.
  HANDLE connectClient() {
    return CreateFileA(name_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
  }

 private:
  std::string name_;
  Win32DeviceIo real_;
  DWORD error_ = ERROR_SUCCESS;
};

class Win32OverlappedPipeTest : public ::testing::Test {
 protected:
  std::string name = "\\\\.\\pipe\\voltaro-test-" + std::to_string(GetCurrentProcessId());
  PipeListenSeam seam{name};
  Win32BatteryDriver driver{seam};
  std::array<std::uint8_t, kStatusBytes> out{};

  IssueOutcome listen(DeviceHandle handle) {
    return driver.issueStatus(handle, RequestId::Status, {7, 0, 0, 0, 0});
  }
  // Polls without waiting until the request leaves the pending state, for at
  // most a second of real time (completion is signalled by wine's server).
  PollOutcome pollUntilSettled() {
    PollOutcome outcome = driver.poll(RequestId::Status, out);
    for (int round = 0; outcome == PollOutcome::Pending && round < 100; ++round) {
      Sleep(10);
      outcome = driver.poll(RequestId::Status, out);
    }
    return outcome;
  }
};

TEST_F(Win32OverlappedPipeTest, PendingRequestPollsPendingThenCompletes) {
  const DeviceHandle server = driver.open(name, OpenFlags::Overlapped);
  ASSERT_NE(server, kInvalidHandle);
  ASSERT_EQ(listen(server), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  HANDLE client = seam.connectClient();
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  EXPECT_EQ(pollUntilSettled(), PollOutcome::Completed);
  CloseHandle(client);
  driver.close(server);
}

TEST_F(Win32OverlappedPipeTest, CancelIoEndsThePendingRequestAsFailed) {
  const DeviceHandle server = driver.open(name, OpenFlags::Overlapped);
  ASSERT_NE(server, kInvalidHandle);
  ASSERT_EQ(listen(server), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  driver.cancelIo(server);
  EXPECT_EQ(pollUntilSettled(), PollOutcome::Failed);
  // The handle stays usable after the cancel: a new request goes pending.
  ASSERT_EQ(listen(server), IssueOutcome::Pending);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Pending);
  driver.close(server);
}

TEST_F(Win32OverlappedPipeTest, ClosingWithAPendingRequestLeavesTheDriverReusable) {
  DeviceHandle server = driver.open(name, OpenFlags::Overlapped);
  ASSERT_EQ(listen(server), IssueOutcome::Pending);
  driver.close(server);
  EXPECT_EQ(driver.poll(RequestId::Status, out), PollOutcome::Failed);

  server = driver.open(name, OpenFlags::Overlapped);
  ASSERT_NE(server, kInvalidHandle);
  ASSERT_EQ(listen(server), IssueOutcome::Pending);
  HANDLE client = seam.connectClient();
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  EXPECT_EQ(pollUntilSettled(), PollOutcome::Completed);
  CloseHandle(client);
  driver.close(server);
}

}  // namespace
}  // namespace voltaro::platform::windows
