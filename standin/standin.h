// The stand-in platform's seam: what a test or a stand-in editor puts behind windows and the colour dialog.
#pragma once

#include "standin/windows.h"

// Creates a window whose messages go to proc; data is kept for StandinWindowData. Returns null when the
// stand-in's windows are used up.
HWND StandinCreateWindow(WNDPROC proc, void* data);
void StandinDestroyWindow(HWND hwnd);
void* StandinWindowData(HWND hwnd);

// The colour dialog behind ChooseColorA: it receives the record and returns non-zero to confirm the colour
// in rgbResult, zero to cancel. With none set, ChooseColorA fails and returns zero.
typedef BOOL (*StandinColorDialog)(LPCHOOSECOLORA record);
void StandinSetColorDialog(StandinColorDialog dialog);

// A module stands for its string table, which LoadStringA and LoadStringW read.
struct StandinString {
    UINT id;
    LPCSTR text; // UTF-8, the stand-in's ANSI code page
};

// The plug-in's own module, whose string tables are resources/strings.h. A native loader passes it to
// DllMain(module, DLL_PROCESS_ATTACH, nullptr), as Windows passes the library's handle.
HINSTANCE StandinPluginModule();

// The user-interface language, a Windows language identifier, by which LoadString picks the plug-in's
// table as Windows does: Japanese for any Japanese language, English for every other. Japanese until set.
const WORD STANDIN_JAPANESE = 0x411;
void StandinSetUiLanguage(WORD language);

// A module whose string table is the count entries at strings (kept, not copied). Returns null when the
// stand-in's modules are used up.
HINSTANCE StandinCreateModule(const StandinString* strings, int count);
void StandinDestroyModule(HINSTANCE module);

// What MessageBoxW was last asked to show, and how often it was called since the last reset.
struct StandinMessageBox {
    int count;
    HWND owner;
    WCHAR text[256];    // cut to 255 units
    WCHAR caption[256]; // cut to 255 units
    UINT style;
};

// The answer that every MessageBoxW gives from now on: IDYES, IDNO..., or 0 to make it fail as when
// Windows cannot show the box. After a reset, or with none set, it is 0.
void StandinSetMessageBoxAnswer(int answer);
const StandinMessageBox* StandinLastMessageBox();
// Forgets the calls and sets the answer back to 0.
void StandinResetMessageBox();
