// Text in the window's encodings: UTF-16 inside, the ANSI code page with the plug-in, UTF-8 in files.
#pragma once

#include <windows.h>

#include "text_forms.h"

#include <string>

std::wstring FromAnsi(const std::string& ansi);
std::string ToAnsi(const std::wstring& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// How many of the ANSI text's first bytes fit in capacity bytes without cutting a double-byte character.
size_t WholeCharacterBytes(const std::string& ansi, size_t capacity);

// printf-style formatting into a wide string.
std::wstring Format(const wchar_t* format, ...);
