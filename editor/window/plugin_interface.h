// The editor's side of the plug-in interface: the exports it looks up, and the numbers it sends and answers.
#pragma once

#include <windows.h>

// The seven exports, found by these undecorated names.
typedef void(WINAPI* OnCommandProc)(HWND editor);
typedef BOOL(WINAPI* QueryStatusProc)(HWND editor, BOOL* checked);
typedef void(WINAPI* OnEventsProc)(HWND editor, UINT events, LPARAM param);
typedef UINT(WINAPI* GetMenuTextIdProc)();
typedef UINT(WINAPI* GetStatusMessageIdProc)();
typedef UINT(WINAPI* GetBitmapIdProc)();
typedef LRESULT(WINAPI* PlugInProcProc)(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);

// Messages that a plug-in sends to the editor window.
const UINT MSG_REPLAY_PARAM = WM_USER + 0x402;  // wParam: an event parameter the plug-in sends back
const UINT MSG_GET_SELECTION = WM_USER + 0x403; // wParam: capacity in bytes; lParam: buffer for the selection
const UINT MSG_INSERT_TEXT = WM_USER + 0x420;   // lParam: NUL-terminated ANSI text to put in the selection's place

// Event bits that the editor passes to OnEvents.
const UINT EVENT_REPLAY_PARAM = 0x40; // this window became active
const UINT EVENT_SAVE_PARAM = 0x400;  // the selection moved; the parameter says where (see EventParam)

// Messages that the editor sends to PlugInProc.
const UINT PIP_GET_NAME = 0x902;          // wParam: capacity; lParam: buffer or 0; result: length + 1
const UINT PIP_GET_VERSION = 0x904;       // as PIP_GET_NAME
const UINT PIP_QUERY_UNINSTALL = 0x906;   // result non-zero: the plug-in may be uninstalled
const UINT PIP_CONFIRM_UNINSTALL = 0x907; // the plug-in asks the user; result non-zero: go ahead
const UINT PIP_GET_BITMAP = 0x908;        // wParam: BMP_ flags; result: a bitmap resource number

// What the toolbar needs, as PIP_GET_BITMAP flags.
const WPARAM BMP_LARGE = 0x1;      // 24 x 24 pictures rather than 16 x 16
const WPARAM BMP_256COLOR = 0x10;  // a 256-colour toolbar
const WPARAM BMP_TRUECOLOR = 0x20; // a true-colour toolbar
