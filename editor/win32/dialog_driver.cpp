// Drives the colour dialog and the message box of Windows from a test or a scripted editor.
#include "dialog_driver.h"

// The static control that holds a message box's text, and the colour dialog's red, green and blue edits.
static const int MESSAGE_BOX_TEXT_ID = 0xFFFF;
static const int RGB_EDITS[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};

// The dialog that a finder last returned: the running watch does not count it as unexpected.
static HWND ExpectedDialog;

// The next visible top-level window of this thread after `after` (null: the first), of className (null: any).
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
    UINT parts[3];
    for (int i = 0; i < 3; i++) {
        // A missing edit leaves number FALSE, as one that holds no number does.
        BOOL number = FALSE;
        parts[i] = GetDlgItemInt(dialog, RGB_EDITS[i], &number, FALSE);
        if (!number || parts[i] > 255)
            return FALSE;
    }
    *color = RGB(parts[0], parts[1], parts[2]);
    return TRUE;
}

BOOL SetColorDialogRgb(HWND dialog, COLORREF color)
{
    for (int i = 0; i < 3; i++) {
        // The dialog takes each edit's new number as the user types it (on the edit's update notice).
        if (!SetDlgItemInt(dialog, RGB_EDITS[i], (color >> (8 * i)) & 0xFF, FALSE))
            return FALSE;
    }
    return TRUE;
}

void ReadMessageBox(HWND box, MessageBoxContent* content)
{
    content->text[0] = content->caption[0] = L'\0';
    GetDlgItemTextW(box, MESSAGE_BOX_TEXT_ID, content->text, 256);
    GetWindowTextW(box, content->caption, 256);
}

BOOL GiveUpWaiting(int* ticks)
{
    return ++*ticks >= DIALOG_PATIENCE_TICKS;
}

BOOL PressDialogButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    return button && PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
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

// The window as class "...", caption "...", text "..." in UTF-8, for test logs and transcripts alike.
static void DescribeWindow(HWND hwnd, char* description, int size)
{
    WCHAR className[64] = L"", caption[256] = L"", text[512] = L"", whole[900];
    GetClassNameW(hwnd, className, 64);
    GetWindowTextW(hwnd, caption, 256);
    GetDlgItemTextW(hwnd, MESSAGE_BOX_TEXT_ID, text, 512);
    wsprintfW(whole, L"class \"%s\", caption \"%s\", text \"%s\"", className, caption, text);
    if (!WideCharToMultiByte(CP_UTF8, 0, whole, -1, description, size, nullptr, nullptr))
        description[size - 1] = '\0'; // cut short: what fitted stays
}

// Closes each unexpected window as it is found, and keeps the first one's description. Menus and tooltips
// come and go with the user's pointer and keys; windows of the owner's class are the caller's own.
static void CloseUnexpectedWindows(HWND owner)
{
    WCHAR ownerClass[64] = L"";
    GetClassNameW(owner, ownerClass, 64);
    HWND found = nullptr;
    for (int closed = 0; closed < 8 && (found = NextThreadWindow(found, nullptr)) != nullptr;) {
        WCHAR className[64] = L"";
        GetClassNameW(found, className, 64);
        if (found == owner || found == ExpectedDialog || !className[0] || lstrcmpW(className, L"#32768") == 0 ||
            lstrcmpW(className, L"tooltips_class32") == 0 || lstrcmpW(className, ownerClass) == 0)
            continue;
        if (UnexpectedCount++ == 0)
            DescribeWindow(found, UnexpectedDescription, sizeof UnexpectedDescription);
        // A modal dialog's loop ends once EndDialog has marked it, and the window is gone right after.
        if (lstrcmpW(className, L"#32770") == 0)
            EndDialog(found, IDCANCEL);
        else
            DestroyWindow(found);
        // Hidden by EndDialog or destroyed, so the next search, from the first window again, passes it.
        if (IsWindow(found) && IsWindowVisible(found))
            ShowWindow(found, SW_HIDE);
        closed++;
        found = nullptr;
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
