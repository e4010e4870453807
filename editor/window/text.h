// Text in the window's encodings, and the transcript that it prints.
//
// UTF-16 inside, the ANSI code page with the plug-in, UTF-8 on pipes and in files.
#pragma once

#include <windows.h>

#include <string>

std::wstring FromAnsi(const std::string& ansi);
std::string ToAnsi(const std::wstring& text);
std::string ToUtf8(const std::wstring& text);

// How many of the ANSI text's first bytes fit in capacity bytes without cutting a double-byte character.
size_t WholeCharacterBytes(const std::string& ansi, size_t capacity);

// The text in double quotes, with line breaks, tabs, quotes and backslashes escaped.
std::wstring Quoted(const std::wstring& text);

// A colour as #RRGGBB (red R, green G, blue B).
std::wstring ColorText(COLORREF color);

// printf-style formatting into a wide string.
std::wstring Format(const wchar_t* format, ...);

// Prints one line of the transcript on stdout: to a console as UTF-16, to a pipe or file as UTF-8.
void Say(const std::wstring& line);
// Prints a one-line error on stderr, after the program's name.
void Complain(const std::wstring& message);
