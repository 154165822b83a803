// The Win32 headers of the Windows backends, in the order they need.
//
// batclass.h hides its user-mode records behind a check for windows.h's own
// guard, so windows.h must come first; setupapi.h follows windows.h too.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first, then the device headers; WIN32_LEAN_AND_MEAN leaves out
// winioctl.h, which holds the request codes.
#include <batclass.h>
#include <setupapi.h>
#include <winioctl.h>
