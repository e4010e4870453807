// Conversions between the window's encodings by the system's code pages.
#include "text.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

static std::wstring FromCodePage(UINT codePage, const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    int length = static_cast<int>(bytes.size());
    int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, &text[0], size);
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

std::wstring FromAnsi(const std::string& ansi)
{
    return FromCodePage(CP_ACP, ansi);
}

std::wstring FromUtf8(const std::string& bytes)
{
    return FromCodePage(CP_UTF8, bytes);
}

std::string ToAnsi(const std::wstring& text)
{
    return ToCodePage(CP_ACP, text);
}

std::string ToUtf8(const std::wstring& text)
{
    return ToCodePage(CP_UTF8, text);
}

size_t AnsiCharacterSize(const char* text, size_t)
{
    return IsDBCSLeadByte(static_cast<BYTE>(text[0])) ? 2 : 1;
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
