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
