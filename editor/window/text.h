// Text in the window's encodings: UTF-16 inside, the ANSI code page with the plug-in, UTF-8 on the command
// line and in files; and printf-style formatting.
#pragma once

#include <windows.h>

#include <string>

std::wstring FromAnsi(const std::string& ansi);
std::string ToAnsi(const std::wstring& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// How many bytes the character at text takes in the ANSI code page, as the system's lead bytes say.
size_t AnsiCharacterSize(const char* text, size_t remaining);

// printf-style formatting into a wide string.
std::wstring Format(const wchar_t* format, ...);
