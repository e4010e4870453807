// Drives the dialogs of Windows that the plug-in opens, as a user would: the colour dialog and message box.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// A visible dialog of the calling thread owned by owner: one with the colour dialog's red, green and blue
// edits, or one with a message box's text. Null when there is none; what they return the watch expects.
HWND FindColorDialog(HWND owner);
HWND FindMessageBox(HWND owner);

// The colour dialog's red, green and blue edits: read (FALSE when one is missing or holds no number from 0
// to 255), or typed into as the user would, which makes the numbers the dialog's current colour.
BOOL ReadColorDialogRgb(HWND dialog, COLORREF* color);
BOOL SetColorDialogRgb(HWND dialog, COLORREF color);

// A message box's text and caption, NUL-terminated (cut to fit).
struct MessageBoxContent {
    char text[256];
    char caption[256];
};
void ReadMessageBox(HWND box, MessageBoxContent* content);

// Ticks that a dialog gets to appear; GiveUpWaiting counts one more and says when they are spent.
const int DIALOG_PATIENCE_TICKS = 200;
BOOL GiveUpWaiting(int* ticks);

// Posts a click of the button with this id (IDOK, IDYES...), so that it works from within the dialog's own
// message loop. FALSE when the dialog has no such button.
BOOL PressDialogButton(HWND dialog, int id);

// A watch calls its handler every tick, from a thread timer that any message loop of the thread dispatches
// (a dialog's modal loop too), until the handler returns TRUE or the watch stops. One watch at a time.
// Until stopped, it also closes every visible top-level window of the thread that nobody expected (any but
// the owner, windows of its class, menus, tooltips and what the finders returned): dialogs as if cancelled,
// others destroyed, so that the code under test returns and the caller reports it instead of timing out.
typedef BOOL (*DialogWatchHandler)(HWND owner, void* context);
// FALSE if a watch is already running or no timer is left.
BOOL StartDialogWatch(HWND owner, DialogWatchHandler handler, void* context, UINT intervalMs);
void StopDialogWatch();
// How many unexpected windows the last watch closed; the first as class "...", caption "...", text "..."
// in UTF-8, NUL-terminated within size bytes (empty when there was none).
int UnexpectedWindowsClosed(char* description, int size);

// Clicks custom-colour cell slot (0 to 15, eight a row), which makes its colour the dialog's. FALSE when
// the dialog has no custom colours or slot is out of range.
BOOL ClickCustomColorCell(HWND dialog, int slot);

// The cell (0 to 15) that Add to Custom Colors fills on its adds-th press since the dialog opened: column
// by column (0, 8, 1, 9, ...), whatever cell was clicked.
int CustomColorCellOfAdd(int adds);
