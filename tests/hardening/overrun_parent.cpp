// Runs a test DLL's overrun in a child process and judges how the child ended, by the exit code that Windows
// gives (GetExitCodeProcess): "overrun_parent DLL fails-fast" requires the stack cookie's fail-fast status
// 0xC0000409, "overrun_parent DLL does-not-fail-fast" anything else. The child is this program again,
// "overrun_parent child DLL". It starts as the Wine test program does, on the system's C runtime.
#include "host/win32.h"

// How the child ends when it does not fail fast: the function returned, a handler saw a fault, no DLL.
static const DWORD CHILD_RETURNED = 1;
static const DWORD CHILD_FAULTED = 2;
static const DWORD CHILD_NO_DLL = 3;
static const DWORD STACK_BUFFER_OVERRUN = 0xC0000409;

static void Print(const char* text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, lstrlenA(text), &written, nullptr);
}

// Ends the child at once on any fault, before the system's handling of an unhandled one (a debugger, a
// dialog) can hold it: the fail-fast path never comes here.
static LONG CALLBACK EndOnFault(EXCEPTION_POINTERS* pointers)
{
    if ((pointers->ExceptionRecord->ExceptionCode & 0xC0000000) == 0xC0000000)
        TerminateProcess(GetCurrentProcess(), CHILD_FAULTED);
    return EXCEPTION_CONTINUE_SEARCH;
}

static DWORD RunChild(const char* dll)
{
    HMODULE module = LoadLibraryA(dll);
    FARPROC found = module ? GetProcAddress(module, "Overrun") : nullptr;
    if (found == nullptr)
        return CHILD_NO_DLL;
    int (*overrun)(const char*, int) = reinterpret_cast<int (*)(const char*, int)>(reinterpret_cast<void*>(found));
    AddVectoredExceptionHandler(1, EndOnFault);
    // Past the buffer, its cookie, the saved registers and the return address.
    static const char bytes[] = "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
    overrun(bytes, sizeof bytes);
    return CHILD_RETURNED;
}

static DWORD RunParent(const char* dll, const char* expectation)
{
    bool failFast = lstrcmpA(expectation, "fails-fast") == 0;
    if (!failFast && lstrcmpA(expectation, "does-not-fail-fast") != 0) {
        Print("overrun_parent: usage: overrun_parent DLL fails-fast|does-not-fail-fast\n");
        return 2;
    }
    char self[MAX_PATH];
    char line[3 * MAX_PATH];
    if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0 ||
        wsprintfA(line, "\"%s\" child \"%s\"", self, dll) <= 0) {
        Print("overrun_parent: FAIL: cannot name this program for the child\n");
        return 1;
    }
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    PROCESS_INFORMATION child;
    if (!CreateProcessA(self, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
        Print("overrun_parent: FAIL: cannot start the child\n");
        return 1;
    }
    DWORD code = 0;
    WaitForSingleObject(child.hProcess, INFINITE);
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    const char* how = code == CHILD_RETURNED ? " (the overrun returned)"
                      : code == CHILD_FAULTED ? " (a fault, seen by an exception handler)"
                      : code == CHILD_NO_DLL  ? " (no DLL with an Overrun function)"
                      : code == STACK_BUFFER_OVERRUN ? " (the stack cookie's fail-fast)"
                                                     : "";
    char message[3 * MAX_PATH];
    bool passed = failFast ? code == STACK_BUFFER_OVERRUN : code != STACK_BUFFER_OVERRUN && code != CHILD_NO_DLL;
    wsprintfA(message, "overrun_parent: %s: %s: the child ended with 0x%08X%s, expected %s\n", passed ? "ok" : "FAIL",
              dll, code, how, failFast ? "0xC0000409" : "anything but 0xC0000409 from its overrun");
    Print(message);
    return passed ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc == 3 && lstrcmpA(argv[1], "child") == 0)
        return static_cast<int>(RunChild(argv[2]));
    if (argc != 3) {
        Print("overrun_parent: usage: overrun_parent DLL fails-fast|does-not-fail-fast\n");
        return 2;
    }
    return static_cast<int>(RunParent(argv[1], argv[2]));
}
