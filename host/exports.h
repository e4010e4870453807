// The library's entry function and the module-wide state of the exports.
#pragma once

#include "host/win32.h"

// The library's own handle, under which the plug-in loads its strings; null until the library is attached.
extern HINSTANCE ModuleInstance;

// The parameter of the last OnEvents call that carried EVENT_SAVE_PARAM, from whichever editor window.
extern LPARAM SavedEventParam;

extern "C" {
// Records the instance handle on DLL_PROCESS_ATTACH; nothing else, for any reason. Always TRUE.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
}
