// A DeviceIoSeam that answers like Windows from a script: a device set of
// battery interfaces, device handles, and DeviceIoControl answers taken in
// order (byte buffers as the battery class driver returns them). Pending
// requests are completed, failed or cancelled the way the kernel does it:
// through the OVERLAPPED record's status fields and its event. Every call is
// recorded so tests can check exactly what the driver sent.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/device_io_seam.h"

namespace voltaro::platform::windows::testing {

// Kernel status values the OVERLAPPED record carries.
constexpr ULONG_PTR kStatusPending = 0x103;
constexpr ULONG_PTR kStatusSuccess = 0;
constexpr ULONG_PTR kStatusCancelled = 0xC0000120;
constexpr ULONG_PTR kStatusFailure = 0xC0000001;

using Bytes = std::vector<std::uint8_t>;

// One scripted answer to DeviceIoControl.
struct IoAnswer {
  enum class Kind { Complete, Fail, Pending };
  Kind kind = Kind::Complete;
  Bytes bytes;                  // written to the output on completion
  DWORD error = ERROR_SUCCESS;  // for Fail
  int completeOnPoll = 0;       // Pending: completes at this GetOverlappedResult (0 = never)
  bool completeOnWait = false;  // Pending: completes when waited for

  static IoAnswer complete(Bytes b) { return {Kind::Complete, std::move(b)}; }
  static IoAnswer fail(DWORD e) { return {Kind::Fail, {}, e}; }
  static IoAnswer pending(Bytes b = {}, int onPoll = 0) {
    return {Kind::Pending, std::move(b), ERROR_SUCCESS, onPoll};
  }
};

struct IoCall {
  HANDLE device = nullptr;
  DWORD code = 0;
  Bytes input;
  DWORD outSize = 0;
  LPOVERLAPPED overlapped = nullptr;
  bool bytesReturnedGiven = false;
  bool eventWasSignalled = false;  // the record's event at the time of the call
  Bytes outputBefore;              // what the output held when the call was made
};

struct PollCall {
  HANDLE device = nullptr;
  LPOVERLAPPED overlapped = nullptr;
  BOOL wait = FALSE;
};

struct OpenCall {
  std::string path;
  DWORD access = 0;
  DWORD share = 0;
  bool security = false;
  DWORD disposition = 0;
  DWORD flags = 0;
  bool templateFile = false;
};

struct DetailCall {
  bool withBuffer = false;
  DWORD detailSize = 0;
  DWORD detailCbSize = 0;     // the size field of the detail record, when given
  bool bufferZeroed = false;  // everything after the size field was zero
  bool requiredGiven = false;
  DWORD deviceCbSize = 0;  // the size field of the device-info record, 0 when absent
};

class ReplayDeviceIo final : public DeviceIoSeam {
 public:
  // --- Script ------------------------------------------------------------
  std::vector<std::string> interfaces;  // device paths, by member index
  bool classDevsFails = false;
  std::optional<DWORD> requiredSizeOverride;         // the size query's answer
  DWORD sizeQueryError = ERROR_INSUFFICIENT_BUFFER;  // its last error
  bool detailFillFails = false;
  bool omitPathTerminator = false;
  std::vector<std::string> unopenable;  // paths CreateFileA refuses
  std::deque<IoAnswer> answers;

  // --- Record ------------------------------------------------------------
  struct ClassDevsCall {
    GUID guid{};
    bool enumerator = false;
    bool parent = false;
    DWORD flags = 0;
  };
  std::vector<ClassDevsCall> classDevsCalls;
  std::vector<std::pair<DWORD, DWORD>> enumCalls;  // member index, size field
  std::vector<DetailCall> detailCalls;
  std::vector<HDEVINFO> destroyed;
  std::vector<OpenCall> opens;
  std::vector<HANDLE> closed;
  std::vector<IoCall> ioCalls;
  std::vector<PollCall> polls;
  std::vector<HANDLE> cancels;

  HDEVINFO set() const { return reinterpret_cast<HDEVINFO>(0x5e7); }

  // Completes the pending request of ioCalls[call] as the driver would.
  void complete(std::size_t call, const Bytes& bytes) {
    finish(ioCalls[call], bytes, kStatusSuccess);
  }
  void failPending(std::size_t call) { finish(ioCalls[call], {}, kStatusFailure); }

  // --- DeviceIoSeam --------------------------------------------------------
  HDEVINFO getClassDevs(const GUID* guid, PCSTR enumerator, HWND parent, DWORD flags) override {
    classDevsCalls.push_back({*guid, enumerator != nullptr, parent != nullptr, flags});
    if (!classDevsFails) return set();
    error_ = ERROR_INVALID_DATA;
    return INVALID_HANDLE_VALUE;
  }

  BOOL enumDeviceInterfaces(HDEVINFO devs, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                            PSP_DEVICE_INTERFACE_DATA data) override {
    enumCalls.emplace_back(index, data->cbSize);
    // SetupAPI checks the size field against its own record size first.
    if (devs != set() || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) {
      return failWith(ERROR_INVALID_PARAMETER);
    }
    if (index >= interfaces.size()) return failWith(ERROR_NO_MORE_ITEMS);
    data->Flags = SPINT_ACTIVE;
    data->Reserved = index + 1;  // tells the detail call which interface
    return TRUE;
  }

  BOOL getDeviceInterfaceDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA data,
                                PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size,
                                PDWORD required, PSP_DEVINFO_DATA device) override {
    DetailCall call{detail != nullptr,          size, 0, false, required != nullptr,
                    device ? device->cbSize : 0};
    if (detail != nullptr) {
      call.detailCbSize = detail->cbSize;
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(detail);
      call.bufferZeroed = true;
      for (DWORD i = sizeof(DWORD); i < size; ++i) call.bufferZeroed &= bytes[i] == 0;
    }
    detailCalls.push_back(call);
    const std::string& path = interfaces.at(data->Reserved - 1);
    const DWORD offset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
    const DWORD needed = offset + static_cast<DWORD>(path.size()) + (omitPathTerminator ? 0 : 1);
    if (detail == nullptr) {
      if (required) *required = requiredSizeOverride.value_or(needed);
      return failWith(sizeQueryError);
    }
    if (detailFillFails) return failWith(ERROR_INVALID_USER_BUFFER);
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
      return failWith(ERROR_INVALID_USER_BUFFER);
    }
    if (size < needed) return failWith(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(detail->DevicePath, path.data(), path.size());
    if (!omitPathTerminator) detail->DevicePath[path.size()] = '\0';
    return TRUE;
  }

  BOOL destroyDeviceInfoList(HDEVINFO devs) override {
    destroyed.push_back(devs);
    return TRUE;
  }

  HANDLE createFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                    DWORD disposition, DWORD flags, HANDLE templateFile) override {
    opens.push_back(
        {path, access, share, security != nullptr, disposition, flags, templateFile != nullptr});
    for (const auto& refused : unopenable) {
      if (refused == path) {
        error_ = ERROR_FILE_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
      }
    }
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x100 + 4 * opens.size()));
  }

  BOOL closeHandle(HANDLE handle) override {
    closed.push_back(handle);
    return TRUE;
  }

  BOOL deviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                       DWORD outSize, LPDWORD returned, LPOVERLAPPED overlapped) override {
    IoCall call{device,
                code,
                Bytes(static_cast<std::uint8_t*>(in), static_cast<std::uint8_t*>(in) + inSize),
                outSize,
                overlapped,
                returned != nullptr,
                false,
                {}};
    if (out != nullptr) {
      call.outputBefore.assign(static_cast<std::uint8_t*>(out),
                               static_cast<std::uint8_t*>(out) + outSize);
    }
    if (overlapped && overlapped->hEvent) {
      call.eventWasSignalled = WaitForSingleObject(overlapped->hEvent, 0) == WAIT_OBJECT_0;
    }
    ioCalls.push_back(call);
    if (answers.empty()) return failWith(ERROR_INVALID_FUNCTION);
    IoAnswer answer = answers.front();
    answers.pop_front();
    switch (answer.kind) {
      case IoAnswer::Kind::Fail:
        return failWith(answer.error);
      case IoAnswer::Kind::Complete: {
        const DWORD n = write(out, outSize, answer.bytes);
        if (returned) *returned = n;
        if (overlapped) {
          overlapped->Internal = kStatusSuccess;
          overlapped->InternalHigh = n;
          SetEvent(overlapped->hEvent);
        }
        return TRUE;
      }
      case IoAnswer::Kind::Pending:
        // Only an overlapped handle's request can stay pending.
        if (overlapped == nullptr) return failWith(ERROR_INVALID_PARAMETER);
        overlapped->Internal = kStatusPending;
        pending_.push_back({ioCalls.size() - 1, out, outSize, answer});
        return failWith(ERROR_IO_PENDING);
    }
    return FALSE;
  }

  BOOL getOverlappedResult(HANDLE device, LPOVERLAPPED overlapped, LPDWORD transferred,
                           BOOL wait) override {
    polls.push_back({device, overlapped, wait});
    for (auto& p : pending_) {
      if (p.finished || ioCalls[p.call].overlapped != overlapped) continue;
      ++p.polls;
      const bool due = (p.answer.completeOnPoll > 0 && p.polls >= p.answer.completeOnPoll) ||
                       (wait && p.answer.completeOnWait);
      if (due) finish(ioCalls[p.call], p.answer.bytes, kStatusSuccess);
    }
    if (overlapped->Internal == kStatusPending) {
      // Waiting on a request nobody completes would hang for ever.
      return failWith(wait ? ERROR_INVALID_HANDLE : ERROR_IO_INCOMPLETE);
    }
    *transferred = static_cast<DWORD>(overlapped->InternalHigh);
    if (overlapped->Internal == kStatusSuccess) return TRUE;
    return failWith(overlapped->Internal == kStatusCancelled ? ERROR_OPERATION_ABORTED
                                                             : ERROR_GEN_FAILURE);
  }

  BOOL cancelIo(HANDLE device) override {
    cancels.push_back(device);
    for (auto& p : pending_) {
      IoCall& call = ioCalls[p.call];
      if (p.finished || call.device != device) continue;
      p.finished = true;
      call.overlapped->Internal = kStatusCancelled;
      call.overlapped->InternalHigh = 0;
      SetEvent(call.overlapped->hEvent);
    }
    return TRUE;
  }

  DWORD lastError() override { return error_; }

 private:
  struct Pending {
    std::size_t call;
    LPVOID out;
    DWORD outSize;
    IoAnswer answer;
    int polls = 0;
    bool finished = false;  // the record is no longer the system's to touch
  };

  BOOL failWith(DWORD error) {
    error_ = error;
    return FALSE;
  }

  static DWORD write(LPVOID out, DWORD outSize, const Bytes& bytes) {
    const DWORD n = std::min<DWORD>(outSize, static_cast<DWORD>(bytes.size()));
    if (n > 0) std::memcpy(out, bytes.data(), n);
    return n;
  }

  void finish(IoCall& call, const Bytes& bytes, ULONG_PTR status) {
    for (auto& p : pending_) {
      if (p.finished || &ioCalls[p.call] != &call) continue;
      p.finished = true;
      const DWORD n = status == kStatusSuccess ? write(p.out, p.outSize, bytes) : 0;
      call.overlapped->InternalHigh = n;
      call.overlapped->Internal = status;
      SetEvent(call.overlapped->hEvent);
    }
  }

  DWORD error_ = ERROR_SUCCESS;
  std::vector<Pending> pending_;
};

}  // namespace voltaro::platform::windows::testing
