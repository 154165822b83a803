// The Win32 calls of the battery driver, one virtual function each, with the
// system's own signatures. Win32DeviceIo makes the real calls; tests put a
// double in their place that replays answers recorded from Windows, so the
// driver's request handling runs without a battery.
#pragma once

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {

class DeviceIoSeam {
 public:
  virtual ~DeviceIoSeam() = default;

  // SetupAPI (resolved at run time from "SetupApi.dll" by the real seam).
  virtual HDEVINFO getClassDevs(const GUID* classGuid, PCSTR enumerator, HWND parent,
                                DWORD flags) = 0;
  virtual BOOL enumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA device,
                                    const GUID* interfaceClass, DWORD memberIndex,
                                    PSP_DEVICE_INTERFACE_DATA data) = 0;
  virtual BOOL getDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                        PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                        PDWORD requiredSize, PSP_DEVINFO_DATA device) = 0;
  virtual BOOL destroyDeviceInfoList(HDEVINFO set) = 0;

  // Files and device requests (kernel32).
  virtual HANDLE createFile(LPCSTR path, DWORD access, DWORD shareMode,
                            LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                            HANDLE templateFile) = 0;
  virtual BOOL closeHandle(HANDLE handle) = 0;
  virtual BOOL deviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                               DWORD outSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) = 0;
  virtual BOOL getOverlappedResult(HANDLE device, LPOVERLAPPED overlapped, LPDWORD bytesTransferred,
                                   BOOL wait) = 0;
  virtual BOOL cancelIo(HANDLE device) = 0;

  // GetLastError after the previous call of this seam.
  virtual DWORD lastError() = 0;
};

}  // namespace voltaro::platform::windows
