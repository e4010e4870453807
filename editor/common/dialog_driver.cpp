// Drives the colour dialog and the message box of Windows from a test or a scripted editor.
#include "dialog_driver.h"

#include <colordlg.h>

// The static control that holds a message box's text.
static const int MESSAGE_BOX_TEXT_ID = 0xFFFF;

struct OwnedDialogSearch {
    HWND owner;
    int requiredControl; // 0 for any dialog
    HWND found;
};

static BOOL CALLBACK CheckOwnedDialog(HWND hwnd, LPARAM lParam)
{
    OwnedDialogSearch* search = reinterpret_cast<OwnedDialogSearch*>(lParam);
    char className[16];
    if (GetWindow(hwnd, GW_OWNER) != search->owner || !IsWindowVisible(hwnd))
        return TRUE;
    if (!GetClassNameA(hwnd, className, sizeof className) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    if (search->requiredControl && !GetDlgItem(hwnd, search->requiredControl))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

static HWND FindDialogWith(HWND owner, int requiredControl)
{
    OwnedDialogSearch search = {owner, requiredControl, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), CheckOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOwnedDialog(HWND owner)
{
    return FindDialogWith(owner, 0);
}

HWND FindColorDialog(HWND owner)
{
    HWND dialog = FindDialogWith(owner, COLOR_RED);
    return dialog && GetDlgItem(dialog, COLOR_GREEN) && GetDlgItem(dialog, COLOR_BLUE) ? dialog : nullptr;
}

HWND FindMessageBox(HWND owner)
{
    return FindDialogWith(owner, MESSAGE_BOX_TEXT_ID);
}

BOOL ReadColorDialogRgb(HWND dialog, COLORREF* color)
{
    const int ids[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    UINT parts[3];
    for (int i = 0; i < 3; i++) {
        BOOL number = FALSE;
        if (!GetDlgItem(dialog, ids[i]))
            return FALSE;
        parts[i] = GetDlgItemInt(dialog, ids[i], &number, FALSE);
        if (!number || parts[i] > 255)
            return FALSE;
    }
    *color = RGB(parts[0], parts[1], parts[2]);
    return TRUE;
}

BOOL SetColorDialogRgb(HWND dialog, COLORREF color)
{
    const int ids[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    const UINT parts[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    for (int i = 0; i < 3; i++) {
        // The dialog takes each edit's new number as the user types it (on the edit's update notice).
        if (!SetDlgItemInt(dialog, ids[i], parts[i], FALSE))
            return FALSE;
    }
    return TRUE;
}

int ReadMessageBoxText(HWND box, char* text, int size)
{
    return GetDlgItemTextA(box, MESSAGE_BOX_TEXT_ID, text, size);
}

int ReadMessageBoxCaption(HWND box, char* caption, int size)
{
    return GetWindowTextA(box, caption, size);
}

BOOL PressDialogButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button)
        return FALSE;
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The running watch: its timer (0 when none runs), the window it was started for, and what it calls.
static UINT_PTR WatchTimer;
static HWND WatchOwner;
static DialogWatchHandler WatchHandler;
static void* WatchContext;

// TRUE while the handler runs, so a message loop inside it does not start another tick.
static BOOL WatchBusy;

static void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (WatchBusy || !WatchTimer)
        return;
    WatchBusy = TRUE;
    BOOL done = WatchHandler(WatchOwner, WatchContext);
    WatchBusy = FALSE;
    if (done)
        StopDialogWatch();
}

BOOL StartDialogWatch(HWND owner, DialogWatchHandler handler, void* context, UINT intervalMs)
{
    if (WatchTimer)
        return FALSE;
    WatchOwner = owner;
    WatchHandler = handler;
    WatchContext = context;
    WatchTimer = SetTimer(nullptr, 0, intervalMs, WatchTick);
    return WatchTimer != 0;
}

void StopDialogWatch()
{
    if (WatchTimer)
        KillTimer(nullptr, WatchTimer);
    WatchTimer = 0;
}
