// The plug-in's exported entry points, as the editor finds them by name.
#pragma once

#include "host/win32.h"

extern "C" {
void WINAPI OnCommand(HWND hwnd);
BOOL WINAPI QueryStatus(HWND hwnd, LPBOOL checked);
void WINAPI OnEvents(HWND hwnd, UINT events, LPARAM param);
UINT WINAPI GetMenuTextID();
UINT WINAPI GetStatusMessageID();
UINT WINAPI GetBitmapID();
LRESULT WINAPI PlugInProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}
