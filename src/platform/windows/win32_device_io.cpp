#include "platform/windows/win32_device_io.h"

namespace voltaro::platform::windows {
namespace {

// GetProcAddress answers a generic function pointer; going through
// void (*)() is the cast the compiler accepts between function types.
template <typename Function>
Function resolve(HMODULE library, const char* name) {
  FARPROC proc = GetProcAddress(library, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

Win32DeviceIo::Win32DeviceIo() : library_(LoadLibraryA("SetupApi.dll")) {
  if (library_ == nullptr) return;
  getClassDevs_ = resolve<decltype(getClassDevs_)>(library_, "SetupDiGetClassDevsA");
  enumDeviceInterfaces_ =
      resolve<decltype(enumDeviceInterfaces_)>(library_, "SetupDiEnumDeviceInterfaces");
  getDeviceInterfaceDetail_ =
      resolve<decltype(getDeviceInterfaceDetail_)>(library_, "SetupDiGetDeviceInterfaceDetailA");
  destroyDeviceInfoList_ =
      resolve<decltype(destroyDeviceInfoList_)>(library_, "SetupDiDestroyDeviceInfoList");
}

Win32DeviceIo::~Win32DeviceIo() {
  if (library_ != nullptr) FreeLibrary(library_);
}

bool Win32DeviceIo::setupApiLoaded() const {
  return getClassDevs_ != nullptr && enumDeviceInterfaces_ != nullptr &&
         getDeviceInterfaceDetail_ != nullptr && destroyDeviceInfoList_ != nullptr;
}

HDEVINFO Win32DeviceIo::getClassDevs(const GUID* classGuid, PCSTR enumerator, HWND parent,
                                     DWORD flags) {
  if (!setupApiLoaded()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return getClassDevs_(classGuid, enumerator, parent, flags);
}

BOOL Win32DeviceIo::enumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA device,
                                         const GUID* interfaceClass, DWORD memberIndex,
                                         PSP_DEVICE_INTERFACE_DATA data) {
  if (!setupApiLoaded()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return enumDeviceInterfaces_(set, device, interfaceClass, memberIndex, data);
}

BOOL Win32DeviceIo::getDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                             PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail,
                                             DWORD detailSize, PDWORD requiredSize,
                                             PSP_DEVINFO_DATA device) {
  if (!setupApiLoaded()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return getDeviceInterfaceDetail_(set, data, detail, detailSize, requiredSize, device);
}

BOOL Win32DeviceIo::destroyDeviceInfoList(HDEVINFO set) {
  if (!setupApiLoaded()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return destroyDeviceInfoList_(set);
}

HANDLE Win32DeviceIo::createFile(LPCSTR path, DWORD access, DWORD shareMode,
                                 LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                 HANDLE templateFile) {
  return CreateFileA(path, access, shareMode, security, disposition, flags, templateFile);
}

BOOL Win32DeviceIo::closeHandle(HANDLE handle) {
  return CloseHandle(handle);
}

BOOL Win32DeviceIo::deviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                                    DWORD outSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) {
  return DeviceIoControl(device, code, in, inSize, out, outSize, bytesReturned, overlapped);
}

BOOL Win32DeviceIo::getOverlappedResult(HANDLE device, LPOVERLAPPED overlapped,
                                        LPDWORD bytesTransferred, BOOL wait) {
  return GetOverlappedResult(device, overlapped, bytesTransferred, wait);
}

BOOL Win32DeviceIo::cancelIo(HANDLE device) {
  return CancelIo(device);
}

DWORD Win32DeviceIo::lastError() {
  return GetLastError();
}

}  // namespace voltaro::platform::windows
