// The Windows types and calls that the plug-in uses: the system's headers on Windows, the stand-in elsewhere.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commdlg.h>
#else
#include "standin/windows.h"
#endif
