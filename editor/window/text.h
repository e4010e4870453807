// Text in the window's encodings: UTF-16 inside, the ANSI code page with the plug-in, UTF-8 in files.
#pragma once

#include <windows.h>

#include <string>

std::wstring FromAnsi(const std::string& ansi);
std::string ToAnsi(const std::wstring& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// How many of the ANSI text's first bytes fit in capacity bytes without cutting a double-byte character.
size_t WholeCharacterBytes(const std::string& ansi, size_t capacity);

// The text with each line break (\r\n, \n or \r alone) as the view keeps them, \r\n.
std::wstring ViewLineBreaks(const std::wstring& text);

// A document's text for the transcript: quoted whole when short, else its length and both ends quoted.
std::wstring DocumentSummary(const std::wstring& text);

// The text in double quotes, with line breaks, tabs, quotes and backslashes escaped.
std::wstring Quoted(const std::wstring& text);

// A colour as #RRGGBB (red R, green G, blue B).
std::wstring ColorText(COLORREF color);

// printf-style formatting into a wide string.
std::wstring Format(const wchar_t* format, ...);
