// Drives the dialogs of Windows that the plug-in opens, as a user would: the colour dialog and message box.
#pragma once

#include "host/win32.h"

#include <colordlg.h>

// A visible dialog of the calling thread owned by owner, with the colour dialog's red, green and blue edits
// or with a message box's text; null when there is none. The watch counts what they return as expected.
HWND FindColorDialog(HWND owner);
HWND FindMessageBox(HWND owner);

// The colour dialog's red, green and blue edits, read (FALSE unless each holds a number from 0 to 255) or
// typed into as the user would, which makes them the dialog's current colour.
BOOL ReadColorDialogRgb(HWND dialog, COLORREF* color);
BOOL SetColorDialogRgb(HWND dialog, COLORREF color);

// A message box's text and caption in UTF-16, as the box holds them whatever the code page; NUL-terminated
// (cut to fit).
struct MessageBoxContent {
    WCHAR text[256];
    WCHAR caption[256];
};
void ReadMessageBox(HWND box, MessageBoxContent* content);

// Ticks that a dialog gets to appear; GiveUpWaiting counts one more and says when they are spent.
const int DIALOG_PATIENCE_TICKS = 200;
BOOL GiveUpWaiting(int* ticks);

// Posts a click of button id (IDOK, IDYES...) for the dialog's own message loop; FALSE without such a button.
BOOL PressDialogButton(HWND dialog, int id);

// A watch calls its handler on every tick of a thread timer, which any message loop dispatches, until it
// returns TRUE. Until stopped, it also closes (dialogs as if cancelled) the thread's visible top-level windows
// that nobody expected: any but the owner, its class, menus, tooltips and what the finders returned.
typedef BOOL (*DialogWatchHandler)(HWND owner, void* context);
// FALSE if a watch is already running or no timer is left.
BOOL StartDialogWatch(HWND owner, DialogWatchHandler handler, void* context, UINT intervalMs);
void StopDialogWatch();
// How many unexpected windows the last watch closed; the first as class "...", caption "...", text "..."
// in UTF-8, NUL-terminated within size bytes.
int UnexpectedWindowsClosed(char* description, int size);
