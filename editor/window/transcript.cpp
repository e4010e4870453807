// The transcript's output: UTF-16 to a console, UTF-8 elsewhere.
#include "transcript.h"

#include "text.h"

// Writes to a console in UTF-16, which it shows whatever its code page; anything else gets UTF-8 bytes.
static void WriteLine(DWORD which, const std::wstring& line)
{
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    std::wstring text = line + L"\n";
    DWORD mode, written;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        std::string bytes = ToUtf8(text);
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

void Say(const std::wstring& line)
{
    WriteLine(STD_OUTPUT_HANDLE, line);
}

void Complain(const std::wstring& message)
{
    WriteLine(STD_ERROR_HANDLE, L"huebird-window: " + message);
}
