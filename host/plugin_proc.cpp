// The plug-in procedure: the plug-in's name and version, its toolbar bitmap, and the uninstall question.
#include "host/editor.h"
#include "host/exports.h"
#include "host/huebird.h"
#include "resources/resource_ids.h"

// Room for a string that the plug-in loads itself: at most 79 bytes of ANSI text, or 79 UTF-16 units, and the NUL.
static const int STRING_BUFFER_SIZE = 80;

// Loads string id from the module into text (STRING_BUFFER_SIZE bytes, given empty) and returns its length
// in bytes. A string that fails to load reads as empty, whatever LoadStringA left in the buffer.
static int LoadPluginString(UINT id, char* text)
{
    if (LoadStringA(ModuleInstance, id, text, STRING_BUFFER_SIZE) <= 0)
        text[0] = '\0';
    return lstrlenA(text);
}

// Copies string id to destination, if there is one, within capacity bytes with the NUL; answers the
// length + 1 however small the capacity, so the editor can first ask for the size it needs.
static LRESULT AnswerTextRequest(UINT id, WPARAM capacity, LPARAM destination)
{
    char text[STRING_BUFFER_SIZE] = {};
    int length = LoadPluginString(id, text);
    if (destination != 0 && capacity != 0) {
        // Never more than the text and its NUL, so a capacity beyond int's range cannot reach lstrcpynA.
        int count = capacity < static_cast<WPARAM>(length + 1) ? static_cast<int>(capacity) : length + 1;
        lstrcpynA(reinterpret_cast<LPSTR>(destination), text, count);
    }
    return length + 1;
}

// Asks the user whether the plug-in may be uninstalled; 1 only for Yes. In UTF-16, since the display
// language picks the text, and the ANSI code page may not hold it (Japanese texts on a Western code page).
static LRESULT ConfirmUninstall(HWND hwnd)
{
    // LoadStringW terminates what it copies, so the buffer needs no clearing.
    WCHAR question[STRING_BUFFER_SIZE];
    // Without its text there is no question to ask: no empty box, and no consent.
    if (LoadStringW(ModuleInstance, IDS_CONFIRM_UNINSTALL, question, STRING_BUFFER_SIZE) <= 0)
        return 0;
    return MessageBoxW(hwnd, question, L"EmEditor", MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

// The bitmap for a toolbar of the size and colour depth that the flags ask for.
static UINT BitmapForFlags(WPARAM flags)
{
    BOOL large = (flags & BMP_LARGE) != 0;
    if (flags & BMP_TRUECOLOR)
        return large ? IDB_LARGE_TRUECOLOR : IDB_SMALL_TRUECOLOR;
    if (flags & BMP_256COLOR)
        return large ? IDB_LARGE_256COLOR : IDB_SMALL_256COLOR;
    return large ? IDB_LARGE_16COLOR : IDB_SMALL_16COLOR;
}

LRESULT WINAPI PlugInProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case PIP_GET_NAME:
        return AnswerTextRequest(IDS_PLUGIN_NAME, wParam, lParam);
    case PIP_GET_VERSION:
        return AnswerTextRequest(IDS_VERSION, wParam, lParam);
    case PIP_QUERY_UNINSTALL:
        return 1;
    case PIP_CONFIRM_UNINSTALL:
        return ConfirmUninstall(hwnd);
    case PIP_GET_BITMAP:
        return BitmapForFlags(wParam);
    default:
        // PIP_QUERY_PROPERTIES, PIP_SHOW_PROPERTIES, PIP_GET_NAME_UTF16, PIP_GET_VERSION_UTF16,
        // PIP_GET_TRANSPARENT_COLOR and every number outside the table.
        return 0;
    }
}
