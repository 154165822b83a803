#include "win32/single_instance.h"

#include <windows.h>

namespace voltaro::win32 {

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

unsigned SingleInstance::activationMessage() {
  static const UINT message = RegisterWindowMessageW(L"Voltaro.Activate");
  return message;
}

bool SingleInstance::acquire() {
  // "Local\": the user's own session; another user's copy does not count.
  mutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Voltaro.SingleInstance");
  if (mutex_ == nullptr) return true;  // runs unguarded rather than not at all
  if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
  PostMessageW(HWND_BROADCAST, activationMessage(), 0, 0);
  return false;
}

}  // namespace voltaro::win32
