// A plug-in that is not Huebird, for the window's tests: other resource numbers and answers, a name only in
// UTF-16, and a command that sends the editor what Huebird never does.
#include "plugin_abi.h"

extern "C" {

// Asks for its own status, updates a command that does not exist, sends a number the editor does not know,
// and overwrites with a text of its own.
void WINAPI OnCommand(HWND view)
{
    BOOL checked = FALSE;
    SendMessageA(view, MSG_QUERY_STATUS, FIRST_PLUGIN_COMMAND, reinterpret_cast<LPARAM>(&checked));
    SendMessageA(view, MSG_UPDATE_TOOLBAR, 77, 0);
    SendMessageA(view, 0x8FF, 1, 2);
    SendMessageA(view, MSG_INSERT_TEXT, INSERT_OVERWRITE, reinterpret_cast<LPARAM>("XY"));
}

// Enabled and checked.
BOOL WINAPI QueryStatus(HWND, BOOL* checked)
{
    *checked = TRUE;
    return TRUE;
}

// On a change of the modified state, asks for an update of a command ID that is not its own.
void WINAPI OnEvents(HWND view, UINT events, LPARAM)
{
    if (events & EVENT_MODIFIED_CHANGED)
        SendMessageA(view, MSG_UPDATE_TOOLBAR, FIRST_PLUGIN_COMMAND + 1, 0);
}

// Strings and a bitmap that the module does not have.
UINT WINAPI GetMenuTextID()
{
    return 7;
}

UINT WINAPI GetStatusMessageID()
{
    return 8;
}

UINT WINAPI GetBitmapID()
{
    return 300;
}

// The name in UTF-16 only, the version in ANSI only; properties but no part in its uninstall.
LRESULT WINAPI PlugInProc(HWND, UINT message, WPARAM capacity, LPARAM buffer)
{
    switch (message) {
    case PIP_QUERY_PROPERTIES: return 1;
    case PIP_GET_NAME_UTF16:
        if (buffer && capacity >= 6)
            lstrcpyW(reinterpret_cast<wchar_t*>(buffer), L"Other");
        return 6;
    case PIP_GET_VERSION:
        if (buffer && capacity >= 3)
            lstrcpyA(reinterpret_cast<char*>(buffer), "v9");
        return 3;
    case PIP_GET_BITMAP: return 300;
    default: return 0;
    }
}
}
