// Drives the dialogs of Windows that the plug-in opens, as a user would: the colour dialog and message box.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Finding: each looks among the calling thread's visible top-level windows for a dialog owned by owner.
// Returns null when there is none. What a finder returns is expected by the running watch (see below).
// An owned dialog with the red, green and blue edit controls of the colour dialog.
HWND FindColorDialog(HWND owner);
// An owned dialog with a message box's text control.
HWND FindMessageBox(HWND owner);

// The colour dialog's red, green and blue edit controls. Reading fails (FALSE) when a control is missing or
// holds no number from 0 to 255. Setting types the three numbers in, as the user would, and the dialog
// takes them as its current colour.
BOOL ReadColorDialogRgb(HWND dialog, COLORREF* color);
BOOL SetColorDialogRgb(HWND dialog, COLORREF color);

// A message box's text and caption as read, NUL-terminated (cut to fit).
struct MessageBoxContent {
    char text[256];
    char caption[256];
};
void ReadMessageBox(HWND box, MessageBoxContent* content);

// Ticks that a dialog gets to appear before whoever waits for it gives up.
const int DIALOG_PATIENCE_TICKS = 200;
// Counts one more tick without the awaited dialog; TRUE once it is time to give up. Whatever else opened,
// the watch has closed at once as unexpected, so the caller goes on.
BOOL GiveUpWaiting(int* ticks);

// Presses the button with this id (IDOK, IDCANCEL, IDYES, IDNO...) by posting its click to the dialog, so
// it can be called from within the dialog's own message loop. FALSE when the dialog has no such button.
BOOL PressDialogButton(HWND dialog, int id);

// A watch calls its handler on every tick until the handler returns TRUE or the watch is stopped. It runs on
// a thread timer of the calling thread, so whichever message loop runs there dispatches it: in particular
// the modal loop of a dialog that the code under test opens. One watch at a time; a handler must not start
// another.
// Until it is stopped, the watch also closes, on the tick it appears, every visible top-level window of the
// thread that nobody expected: any but the owner, windows of the owner's class, menus, tooltips and the
// dialogs the finders returned. A dialog ends as if cancelled, any other window is destroyed, so that the
// code under test returns and the caller can report it instead of waiting for a timeout.
typedef BOOL (*DialogWatchHandler)(HWND owner, void* context);
// FALSE if a watch is already running or no timer is left.
BOOL StartDialogWatch(HWND owner, DialogWatchHandler handler, void* context, UINT intervalMs);
void StopDialogWatch();
// The unexpected windows that the last watch closed, and the first of them as class "...", caption "...",
// text "..." (a message box's text) in UTF-8, NUL-terminated within size bytes (empty when there was none).
int UnexpectedWindowsClosed(char* description, int size);

// Clicks custom-colour cell slot (0 to 15, eight a row) of the colour dialog, as the user would: the dialog
// then shows that cell's colour (which cell Add to Custom Colors fills is CustomColorCellOfAdd's). FALSE when
// the dialog has no custom-colour area or slot is out of range.
BOOL ClickCustomColorCell(HWND dialog, int slot);

// The custom-colour cell (0 to 15) that the colour dialog's Add to Custom Colors fills when pressed for the
// adds-th time since the dialog opened with no cell clicked: this dialog fills them column by column (cells
// 0, 8, 1, 9, ...), whatever cell was clicked. Clicking a cell and pressing Add therefore rewrites a cell
// with its own colour and moves on to the next.
int CustomColorCellOfAdd(int adds);
