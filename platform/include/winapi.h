// The one header the application includes for the Win32 API: the real
// <windows.h> on Windows, our own subset everywhere else.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// OLE after windows.h, which it builds on.
#include <ole2.h>
#else
#include "lw/windows.h"
#endif
