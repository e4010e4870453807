// The view's line breaks, and text and colours as the transcript shows them.
#include "text_forms.h"

#include <wchar.h>

std::wstring ViewLineBreaks(const std::wstring& text)
{
    std::wstring converted;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != L'\r' && text[i] != L'\n')
            converted += text[i];
        else if (text[i] == L'\n' || i + 1 == text.size() || text[i + 1] != L'\n')
            converted += L"\r\n"; // a \r before a \n leaves the break to the \n
    }
    return converted;
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

std::wstring DocumentSummary(const std::wstring& text)
{
    // Long enough for the examples' documents; longer ones would flood the transcript.
    const size_t WHOLE = 120, END = 30;
    if (text.size() <= WHOLE)
        return Quoted(text);
    return L"of " + std::to_wstring(text.size()) + L" characters, " + Quoted(text.substr(0, END)) + L" ... " +
           Quoted(text.substr(text.size() - END));
}

std::wstring ColorText(COLORREF color)
{
    wchar_t text[64];
    swprintf(text, sizeof text / sizeof text[0], L"#%02X%02X%02X (red %d, green %d, blue %d)", GetRValue(color),
             GetGValue(color), GetBValue(color), GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}
