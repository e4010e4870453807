// The plug-in's exported entry points, as the editor finds them by name.
#pragma once

#include "host/win32.h"

extern "C" {
void WINAPI OnCommand(HWND hwnd);
}
