// Defines GUID_DEVICE_BATTERY: poclass.h declares it, but mingw-w64's libuuid
// does not hold it. This is the one file that includes <initguid.h> before
// batclass.h; everywhere else the GUID is an external declaration.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// clang-format off
#include <winioctl.h>
#include <initguid.h>
#include <batclass.h>
// clang-format on
