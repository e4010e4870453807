// The plug-in interface as the editor sees it: the exports it looks up, and the numbers it sends and answers.
// Apart from the plug-in's own host/editor.h, so that a wrong number on either side shows in the tests.
#pragma once

// The system's Windows headers, or the stand-in platform's in the native tree.
#include "host/win32.h"

// The seven exports, found by these undecorated names. The editor passes each the view window.
typedef void(WINAPI* OnCommandProc)(HWND view);
typedef BOOL(WINAPI* QueryStatusProc)(HWND view, BOOL* checked);
typedef void(WINAPI* OnEventsProc)(HWND view, UINT events, LPARAM param);
typedef UINT(WINAPI* GetMenuTextIdProc)();
typedef UINT(WINAPI* GetStatusMessageIdProc)();
typedef UINT(WINAPI* GetBitmapIdProc)();
typedef LRESULT(WINAPI* PlugInProcProc)(HWND view, UINT message, WPARAM wParam, LPARAM lParam);

// The ID that the editor gives the command of the first plug-in it loads; later ones count up.
const UINT FIRST_PLUGIN_COMMAND = 5632;

// Messages that a plug-in sends to the view window.
const UINT MSG_QUERY_STATUS = 0x801;  // wParam: a command ID; lParam: BOOL* for "checked"; result: enabled
const UINT MSG_UPDATE_TOOLBAR = 0x802; // wParam: a command ID, whose status the editor asks again and redraws
const UINT MSG_GET_SELECTION = 0x803; // wParam: buffer size in bytes; lParam: buffer; result: a whole copy's size
const UINT MSG_INSERT_TEXT = 0x820;   // wParam: INSERT_ mode; lParam: NUL-terminated ANSI text
// The first and last numbers of the messages to the editor, for telling them from the view's own.
const UINT MSG_EDITOR_FIRST = 0x800;
const UINT MSG_EDITOR_LAST = 0xBFF;

// Modes of MSG_INSERT_TEXT in its wParam's low bits.
const WPARAM INSERT_AS_SET = 0;       // as the user's Edit > Overwrite setting says
const WPARAM INSERT_INSERT = 1;       // insert
const WPARAM INSERT_OVERWRITE = 2;    // overwrite

// Event bits that the editor passes to OnEvents, one event a call.
const UINT EVENT_SELECTION_CHANGED = 0x10;
const UINT EVENT_CARET_MOVED = 0x20;
const UINT EVENT_MODIFIED_CHANGED = 0x40;
const UINT EVENT_TEXT_ALTERED = 0x200;
const UINT EVENT_FIRST = 0x400;          // once, right after loading; parameter: the command ID
const UINT EVENT_CLOSE = 0x800;          // right before the plug-in may be freed; window null
const UINT EVENT_FOCUS_LOST = 0x1000;
const UINT EVENT_FOCUS_GAINED = 0x2000;
const UINT EVENT_WINDOW_OPENED = 0x10000; // parameter: the command ID in the low word
const UINT EVENT_WINDOW_CLOSING = 0x20000;

// Messages that the editor sends to PlugInProc.
const UINT PIP_QUERY_PROPERTIES = 0x900; // result non-zero: Properties is enabled
const UINT PIP_SHOW_PROPERTIES = 0x901;
const UINT PIP_GET_NAME = 0x902;         // wParam: capacity; lParam: buffer or 0; result: length + 1, 0 for none
const UINT PIP_GET_NAME_UTF16 = 0x903;   // as PIP_GET_NAME, in UTF-16 characters
const UINT PIP_GET_VERSION = 0x904;      // as PIP_GET_NAME
const UINT PIP_GET_VERSION_UTF16 = 0x905; // as PIP_GET_NAME_UTF16
const UINT PIP_QUERY_UNINSTALL = 0x906;  // result non-zero: the plug-in takes part in its uninstall
const UINT PIP_CONFIRM_UNINSTALL = 0x907; // the plug-in asks the user; 1: the editor removes it, 0: it stays
const UINT PIP_GET_BITMAP = 0x908;       // wParam: BMP_ flags; result: a bitmap resource number

// What the toolbar needs, as PIP_GET_BITMAP flags.
const WPARAM BMP_LARGE = 0x1;      // 24 x 24 pictures rather than 16 x 16
const WPARAM BMP_256COLOR = 0x10;  // a 256-colour toolbar
const WPARAM BMP_TRUECOLOR = 0x20; // a true-colour toolbar
