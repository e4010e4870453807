// Text in the forms the editor keeps and shows it: line breaks of the view, quoting in the transcript.
#pragma once

// COLORREF: the system's Windows headers, or the stand-in platform's in the native tree.
#include "host/win32.h"

#include <string>

// The text with each line break (\r\n, \n or \r alone) as the view keeps them, \r\n.
std::wstring ViewLineBreaks(const std::wstring& text);

// The text in double quotes, with line breaks, tabs, quotes and backslashes escaped.
std::wstring Quoted(const std::wstring& text);

// A document's text for the transcript: quoted whole when short, else its length and both ends quoted.
std::wstring DocumentSummary(const std::wstring& text);

// A colour as #RRGGBB (red R, green G, blue B).
std::wstring ColorText(COLORREF color);
