#include "platform/windows/overlapped_request.h"

namespace voltaro::platform::windows {

OverlappedRequest::OverlappedRequest() {
  overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

OverlappedRequest::~OverlappedRequest() {
  if (overlapped.hEvent != nullptr) CloseHandle(overlapped.hEvent);
}

void OverlappedRequest::prepare(HANDLE target, std::size_t bytes, bool zeroOutput) {
  HANDLE event = overlapped.hEvent;
  overlapped = OVERLAPPED{};
  overlapped.hEvent = event;
  if (event != nullptr) ResetEvent(event);
  device = target;
  inFlight = false;
  outputZeroed = zeroOutput;
  outputBytes = bytes;
  bytesReturned = 0;
  input.fill(0);
  if (zeroOutput) output.fill(0);
}

}  // namespace voltaro::platform::windows
