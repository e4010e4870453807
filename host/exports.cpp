// The library's entry function and the small exports: resource numbers, command state and editor events.
#include "host/exports.h"

#include "host/editor.h"
#include "host/huebird.h"
#include "resources/resource_ids.h"

// The library's own handle, for loading its strings; set when the library is attached to the process.
HINSTANCE ModuleInstance;

// The parameter of the last event that carried EVENT_SAVE_PARAM; 0 until one comes.
LPARAM SavedEventParam;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        ModuleInstance = instance;
    return TRUE;
}

UINT WINAPI GetMenuTextID()
{
    return IDS_MENU_TEXT;
}

UINT WINAPI GetStatusMessageID()
{
    return IDS_STATUS_MESSAGE;
}

UINT WINAPI GetBitmapID()
{
    return IDB_SMALL_16COLOR;
}

// The command is never shown checked.
BOOL WINAPI QueryStatus(HWND hwnd, LPBOOL checked)
{
    (void)hwnd;
    *checked = FALSE;
    return TRUE;
}

void WINAPI OnEvents(HWND hwnd, UINT events, LPARAM param)
{
    // Saved first, so an event that carries both bits sends back its own parameter.
    if (events & EVENT_SAVE_PARAM)
        SavedEventParam = param;
    if (events & EVENT_REPLAY_PARAM)
        SendMessageA(hwnd, MSG_REPLAY_PARAM, static_cast<WPARAM>(SavedEventParam), 0);
}
