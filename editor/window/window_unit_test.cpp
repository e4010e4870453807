// Tests of huebird-window's parts that need Windows but no editor window: its ANSI conversions and its answer
// to the selection request on the table that the console's tests run too (ansi), and the dialog watch's
// closing of windows that nobody awaits (watch). Usage: window_unit_test ansi|watch
#include "dialog_driver.h"
#include "editor_answers.h"
#include "selection_test_cases.h"
#include "text.h"
#include "transcript.h"

#include <string.h>

#include <string>

namespace {

int Failures = 0; // checks that failed in this run

void Fail(const std::wstring& message)
{
    Failures++;
    Say(L"FAILED: " + message);
}

// Bytes as \xNN, for messages about ANSI text.
std::wstring Bytes(const std::string& bytes)
{
    std::wstring text;
    for (unsigned char byte : bytes)
        text += Format(L"\\x%02X", byte);
    return text;
}

// The window's answer to a case's selection, by the system's lead bytes.
size_t WindowAnswer(const SelectionCase& c, char* buffer, size_t* handedOver)
{
    return AnswerGetSelection(c.text, strlen(c.text), AnsiCharacterSize, buffer, c.capacity, handedOver);
}

void FailLine(const char* line)
{
    Fail(Format(L"%hs", line));
}

void TestAnsi()
{
    if (GetACP() != 932) {
        Fail(Format(L"expected the ANSI code page 932, got %u", GetACP()));
        return;
    }
    // 色 is 0x90 0x46 in code page 932.
    if (ToAnsi(L"#色") != "#\x90\x46" || FromAnsi("#\x90\x46") != L"#色")
        Fail(L"expected #色 and #\\x90\\x46 to convert into each other, got " + Bytes(ToAnsi(L"#色")) + L" and " +
             FromAnsi("#\x90\x46"));

    // What MSG_GET_SELECTION hands over by the system's lead bytes: whole characters, then a NUL if there is
    // room, between guard bytes.
    CheckSelectionCases(WindowAnswer, SHIFT_JIS, FailLine);
}

// A watch's handler that awaits nothing: every window but the owner's kind is unexpected.
BOOL AwaitNothing(HWND, void*)
{
    return FALSE;
}

HWND OpenWindow(const wchar_t* className, const wchar_t* title, DWORD style)
{
    return CreateWindowExW(0, className, title, style | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void TestWatch()
{
    WNDCLASSW ownerClass = {};
    ownerClass.lpfnWndProc = DefWindowProcW;
    ownerClass.hInstance = GetModuleHandleW(nullptr);
    ownerClass.lpszClassName = L"WatchTestOwner";
    RegisterClassW(&ownerClass);
    HWND owner = OpenWindow(L"WatchTestOwner", L"owner", WS_OVERLAPPEDWINDOW);
    HWND sibling = OpenWindow(L"WatchTestOwner", L"another window of the owner's kind", WS_OVERLAPPEDWINDOW);
    if (!StartDialogWatch(owner, AwaitNothing, nullptr, 20)) {
        Fail(L"expected the watch to start");
        return;
    }
    if (StartDialogWatch(owner, AwaitNothing, nullptr, 20))
        Fail(L"expected a second watch to be refused while one runs");
    // A modal message box returns only once the watch has ended it, as if cancelled.
    int answer = MessageBoxW(owner, L"Unexpected question", L"Surprise", MB_OKCANCEL);
    HWND stray = OpenWindow(L"STATIC", L"stray", WS_POPUP);
    for (DWORD start = GetTickCount(); IsWindow(stray) && GetTickCount() - start < 5000;) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        else
            Sleep(10);
    }
    StopDialogWatch();
    char first[512];
    int closed = UnexpectedWindowsClosed(first, sizeof first);
    const char expected[] = "class \"#32770\", caption \"Surprise\", text \"Unexpected question\"";
    if (answer != IDCANCEL || closed != 2 || strcmp(first, expected) != 0)
        Fail(Format(L"expected the message box cancelled and 2 windows closed, the first %hs; got answer %d, %d "
                    L"closed, the first %hs", expected, answer, closed, first));
    if (IsWindow(stray) || !IsWindow(owner) || !IsWindow(sibling))
        Fail(L"expected the stray window destroyed and the owner's kind kept");
    DestroyWindow(sibling);
    DestroyWindow(owner);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring group = argc == 2 ? argv[1] : L"";
    if (group != L"ansi" && group != L"watch") {
        Complain(L"usage: window_unit_test ansi|watch");
        return 2;
    }
    if (group == L"ansi")
        TestAnsi();
    else
        TestWatch();
    return Failures == 0 ? 0 : 1;
}
