// The editor's plug-in ABI as this plug-in uses it: messages to the editor, event bits, plug-in-procedure
// messages and their flags.
#pragma once

#include "host/win32.h"

// Messages that the plug-in sends to the editor window (the user-message base 0x400 plus an offset).
const UINT MSG_REPLAY_PARAM = WM_USER + 0x402;  // wParam: the saved event parameter; lParam: 0
const UINT MSG_GET_SELECTION = WM_USER + 0x403; // wParam: buffer size; lParam: zero-filled buffer
const UINT MSG_INSERT_TEXT = WM_USER + 0x420;   // wParam: 0; lParam: NUL-terminated text to enter

// Event bits that the editor passes to OnEvents; the plug-in reacts to these two only.
const UINT EVENT_REPLAY_PARAM = 0x40;
const UINT EVENT_SAVE_PARAM = 0x400;

// Messages that the editor sends to PlugInProc. The plug-in has no properties dialog and no texts in UTF-16,
// and names no transparent colour: those questions get constant answers.
const UINT PIP_QUERY_PROPERTIES = 0x900;      // answer 0: no Properties button
const UINT PIP_SHOW_PROPERTIES = 0x901;       // answer 0: nothing shown
const UINT PIP_GET_NAME = 0x902;              // wParam: capacity, NUL included; lParam: destination or 0
const UINT PIP_GET_NAME_UTF16 = 0x903;        // answer 0: no UTF-16 name; the editor asks PIP_GET_NAME
const UINT PIP_GET_VERSION = 0x904;           // as PIP_GET_NAME
const UINT PIP_GET_VERSION_UTF16 = 0x905;     // answer 0: no UTF-16 version; the editor asks PIP_GET_VERSION
const UINT PIP_QUERY_UNINSTALL = 0x906;       // answer 1: the plug-in may be uninstalled
const UINT PIP_CONFIRM_UNINSTALL = 0x907;     // answer 1 when the user agrees, else 0
const UINT PIP_GET_BITMAP = 0x908;            // wParam: BMP_ flags; answer: a bitmap number
const UINT PIP_GET_TRANSPARENT_COLOR = 0x909; // answer 0, the COLORREF of black

// Request flags of PIP_GET_BITMAP; other bits are ignored. True colour wins over 256 colours.
const WPARAM BMP_LARGE = 0x1;      // 24 x 24 rather than 16 x 16
const WPARAM BMP_256COLOR = 0x10;  // a 256-colour picture
const WPARAM BMP_TRUECOLOR = 0x20; // a true-colour picture
