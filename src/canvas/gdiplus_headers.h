// The system headers of the GDI+ canvas, in the order GDI+ needs them.
#pragma once

#include <algorithm>

#include <windows.h>

// windows.h leaves these out of lean builds; GDI+ needs them first.
#include <objidl.h>
#include <propidl.h>

#include <gdiplus.h>
