// The real Win32 calls behind DeviceIoSeam. SetupAPI is loaded at run time
// from "SetupApi.dll", so the program starts even where the library is
// missing; then the device set cannot be created and no battery is found.
#pragma once

#include "platform/windows/device_io_seam.h"

namespace voltaro::platform::windows {

class Win32DeviceIo final : public DeviceIoSeam {
 public:
  Win32DeviceIo();
  ~Win32DeviceIo() override;
  Win32DeviceIo(const Win32DeviceIo&) = delete;
  Win32DeviceIo& operator=(const Win32DeviceIo&) = delete;

  // True when the library and its four functions were found.
  bool setupApiLoaded() const;

  HDEVINFO getClassDevs(const GUID* classGuid, PCSTR enumerator, HWND parent, DWORD flags) override;
  BOOL enumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA device, const GUID* interfaceClass,
                            DWORD memberIndex, PSP_DEVICE_INTERFACE_DATA data) override;
  BOOL getDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                PDWORD requiredSize, PSP_DEVINFO_DATA device) override;
  BOOL destroyDeviceInfoList(HDEVINFO set) override;

  HANDLE createFile(LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                    DWORD disposition, DWORD flags, HANDLE templateFile) override;
  BOOL closeHandle(HANDLE handle) override;
  BOOL deviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                       DWORD outSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) override;
  BOOL getOverlappedResult(HANDLE device, LPOVERLAPPED overlapped, LPDWORD bytesTransferred,
                           BOOL wait) override;
  BOOL cancelIo(HANDLE device) override;
  DWORD lastError() override;

 private:
  HMODULE library_ = nullptr;
  decltype(&SetupDiGetClassDevsA) getClassDevs_ = nullptr;
  decltype(&SetupDiEnumDeviceInterfaces) enumDeviceInterfaces_ = nullptr;
  decltype(&SetupDiGetDeviceInterfaceDetailA) getDeviceInterfaceDetail_ = nullptr;
  decltype(&SetupDiDestroyDeviceInfoList) destroyDeviceInfoList_ = nullptr;
};

}  // namespace voltaro::platform::windows
