// Conversions between the window's encodings, and the transcript's output.
#include "text.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

std::wstring FromAnsi(const std::string& ansi)
{
    if (ansi.empty())
        return std::wstring();
    int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], size);
    return text;
}

static std::string ToCodePage(UINT codePage, const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::string ToAnsi(const std::wstring& text)
{
    return ToCodePage(CP_ACP, text);
}

std::string ToUtf8(const std::wstring& text)
{
    return ToCodePage(CP_UTF8, text);
}

size_t WholeCharacterBytes(const std::string& ansi, size_t capacity)
{
    size_t count = 0;
    while (count < ansi.size()) {
        size_t next = count + (IsDBCSLeadByte(static_cast<BYTE>(ansi[count])) ? 2 : 1);
        if (next > capacity || next > ansi.size())
            break;
        count = next;
    }
    return count;
}

std::wstring Quoted(const std::wstring& text)
{
    std::wstring quoted = L"\"";
    for (wchar_t ch : text) {
        switch (ch) {
        case L'\r': quoted += L"\\r"; break;
        case L'\n': quoted += L"\\n"; break;
        case L'\t': quoted += L"\\t"; break;
        case L'"': quoted += L"\\\""; break;
        case L'\\': quoted += L"\\\\"; break;
        default: quoted += ch;
        }
    }
    return quoted + L"\"";
}

std::wstring ColorText(COLORREF color)
{
    return Format(L"#%02X%02X%02X (red %d, green %d, blue %d)", GetRValue(color), GetGValue(color), GetBValue(color),
                  GetRValue(color), GetGValue(color), GetBValue(color));
}

std::wstring Format(const wchar_t* format, ...)
{
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        int length = _vsnwprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (length >= 0 && static_cast<size_t>(length) < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

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
