// One overlapped battery request: the OVERLAPPED record with its manual-reset
// event, and the input and output buffers the system reads and writes while
// the request is under way. The record must not move or be reused until the
// system has finished with it, so it lives on the heap and is handed over
// whole (see Win32BatteryDriver::retire).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {

struct OverlappedRequest {
  static constexpr std::size_t kInputCapacity = 20;    // BATTERY_WAIT_STATUS
  static constexpr std::size_t kOutputCapacity = 256;  // the largest output is 202 bytes

  // Creates the event: manual reset, not signalled.
  OverlappedRequest();
  ~OverlappedRequest();
  OverlappedRequest(const OverlappedRequest&) = delete;
  OverlappedRequest& operator=(const OverlappedRequest&) = delete;

  bool hasEvent() const { return overlapped.hEvent != nullptr; }
  // Issued, and the system has not finished with the record yet.
  bool systemOwnsBuffers() const { return inFlight && !HasOverlappedIoCompleted(&overlapped); }
  // Clears the record for a new request on `device` (the event stays).
  void prepare(HANDLE device, std::size_t outputBytes, bool zeroOutput);

  OVERLAPPED overlapped{};
  HANDLE device = INVALID_HANDLE_VALUE;  // the handle the request was sent on
  bool inFlight = false;                 // sent and accepted as pending, result not taken
  bool outputZeroed = false;             // the whole output was cleared at the issue
  std::size_t outputBytes = 0;           // the size of the output the request asked for
  DWORD bytesReturned = 0;
  std::array<std::uint8_t, kInputCapacity> input{};
  std::array<std::uint8_t, kOutputCapacity> output{};
};

}  // namespace voltaro::platform::windows
