// Drives the colour dialog and the message box of Windows from a test or a scripted editor.
#include "dialog_driver.h"

#include <colordlg.h>

// The static control that holds a message box's text.
static const int MESSAGE_BOX_TEXT_ID = 0xFFFF;

// The dialog that a finder last returned: the running watch does not count it as unexpected.
static HWND ExpectedDialog;

// The next visible top-level window of the calling thread after `after` (null: the first), of the class
// given (null: any).
static HWND NextThreadWindow(HWND after, const char* className)
{
    while ((after = FindWindowExA(nullptr, after, className, nullptr)) != nullptr) {
        if (IsWindowVisible(after) && GetWindowThreadProcessId(after, nullptr) == GetCurrentThreadId())
            return after;
    }
    return nullptr;
}

static HWND FindDialogWith(HWND owner, int requiredControl)
{
    for (HWND dialog = nullptr; (dialog = NextThreadWindow(dialog, "#32770")) != nullptr;) {
        if (GetWindow(dialog, GW_OWNER) == owner && GetDlgItem(dialog, requiredControl))
            return dialog;
    }
    return nullptr;
}

static HWND Expect(HWND dialog)
{
    if (dialog)
        ExpectedDialog = dialog;
    return dialog;
}

HWND FindColorDialog(HWND owner)
{
    HWND dialog = FindDialogWith(owner, COLOR_RED);
    return Expect(dialog && GetDlgItem(dialog, COLOR_GREEN) && GetDlgItem(dialog, COLOR_BLUE) ? dialog : nullptr);
}

HWND FindMessageBox(HWND owner)
{
    return Expect(FindDialogWith(owner, MESSAGE_BOX_TEXT_ID));
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

void ReadMessageBox(HWND box, MessageBoxContent* content)
{
    content->text[0] = content->caption[0] = '\0';
    GetDlgItemTextA(box, MESSAGE_BOX_TEXT_ID, content->text, sizeof content->text);
    GetWindowTextA(box, content->caption, sizeof content->caption);
}

BOOL GiveUpWaiting(int* ticks)
{
    return ++*ticks >= DIALOG_PATIENCE_TICKS;
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
// TRUE once the handler has returned TRUE: the watch then only closes unexpected windows.
static BOOL WatchHandlerDone;

// How many unexpected windows the watch closed, and the first one's description in UTF-8.
static int UnexpectedCount;
static char UnexpectedDescription[512];

// The UTF-16 text as UTF-8 within the description's room, for test logs and transcripts alike.
static void AppendUtf8(char* description, int size, const WCHAR* text)
{
    int used = lstrlenA(description);
    int written = WideCharToMultiByte(CP_UTF8, 0, text, -1, description + used, size - used, nullptr, nullptr);
    if (!written)
        description[size - 1] = '\0'; // cut short: what fitted stays
}

static void DescribeWindow(HWND hwnd, char* description, int size)
{
    WCHAR className[64] = L"", caption[256] = L"", text[512] = L"";
    GetClassNameW(hwnd, className, 64);
    GetWindowTextW(hwnd, caption, 256);
    GetDlgItemTextW(hwnd, MESSAGE_BOX_TEXT_ID, text, 512);
    const WCHAR* parts[6] = {L"class \"", className, L"\", caption \"", caption, L"\", text \"", text};
    description[0] = '\0';
    for (const WCHAR* part : parts)
        AppendUtf8(description, size, part);
    AppendUtf8(description, size, L"\"");
}

// Menus and tooltips come and go with the user's pointer and keys; other windows of the owner's class are
// the caller's own, such as further editor windows.
static BOOL IsUnexpected(HWND hwnd, HWND owner)
{
    WCHAR className[64] = L"", ownerClass[64] = L"";
    GetClassNameW(hwnd, className, 64);
    GetClassNameW(owner, ownerClass, 64);
    return hwnd != owner && hwnd != ExpectedDialog && className[0] && lstrcmpW(className, L"#32768") != 0 &&
           lstrcmpW(className, L"tooltips_class32") != 0 && lstrcmpW(className, ownerClass) != 0;
}

// Closes each unexpected window as it is found, and keeps the first one's description.
static void CloseUnexpectedWindows(HWND owner)
{
    for (int closed = 0; closed < 8; closed++) {
        HWND found = NextThreadWindow(nullptr, nullptr);
        while (found && !IsUnexpected(found, owner))
            found = NextThreadWindow(found, nullptr);
        if (!found)
            return;
        if (UnexpectedCount++ == 0)
            DescribeWindow(found, UnexpectedDescription, sizeof UnexpectedDescription);
        char className[8] = "";
        GetClassNameA(found, className, sizeof className);
        // A modal dialog's loop ends once EndDialog has marked it, and the window is gone right after.
        if (lstrcmpA(className, "#32770") == 0)
            EndDialog(found, IDCANCEL);
        else
            DestroyWindow(found);
        // Hidden by EndDialog or destroyed, so the next search does not find it again.
        if (IsWindow(found) && IsWindowVisible(found))
            ShowWindow(found, SW_HIDE);
    }
}

static void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (WatchBusy || !WatchTimer)
        return;
    WatchBusy = TRUE;
    if (!WatchHandlerDone)
        WatchHandlerDone = WatchHandler(WatchOwner, WatchContext);
    // After the handler, so that a dialog it has just found counts as expected.
    CloseUnexpectedWindows(WatchOwner);
    WatchBusy = FALSE;
}

BOOL StartDialogWatch(HWND owner, DialogWatchHandler handler, void* context, UINT intervalMs)
{
    if (WatchTimer)
        return FALSE;
    WatchOwner = owner;
    WatchHandler = handler;
    WatchContext = context;
    WatchHandlerDone = FALSE;
    ExpectedDialog = nullptr;
    UnexpectedCount = 0;
    UnexpectedDescription[0] = '\0';
    WatchTimer = SetTimer(nullptr, 0, intervalMs, WatchTick);
    return WatchTimer != 0;
}

void StopDialogWatch()
{
    if (WatchTimer)
        KillTimer(nullptr, WatchTimer);
    WatchTimer = 0;
}

int UnexpectedWindowsClosed(char* description, int size)
{
    if (size > 0)
        lstrcpynA(description, UnexpectedDescription, size);
    return UnexpectedCount;
}

BOOL ClickCustomColorCell(HWND dialog, int slot)
{
    HWND area = GetDlgItem(dialog, COLOR_CUSTOM1);
    if (!area || slot < 0 || slot >= 16)
        return FALSE;
    // The dialog takes clicks on the area itself, in its own client coordinates: the middle of the cell.
    RECT rect;
    GetWindowRect(area, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    int x = rect.left + (rect.right - rect.left) * (2 * (slot % 8) + 1) / 16;
    int y = rect.top + (rect.bottom - rect.top) * (2 * (slot / 8) + 1) / 4;
    return PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)) &&
           PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int CustomColorCellOfAdd(int adds)
{
    int position = adds % 16;
    return position % 2 * 8 + position / 2;
}
