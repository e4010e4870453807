// Colour text: the sixteen colour names and the #RRGGBB code, decoded from selected text and encoded for entry.
#include "color/notation.h"

#include <stdio.h>

// No two entries share a colour and no name is a prefix of another, so the order decides nothing; it is
// kept as the usual order of the sixteen basic web colours.
const NamedColor NamedColors[NAMED_COLOR_COUNT] = {
    {"black", RGB(0, 0, 0)},       {"silver", RGB(192, 192, 192)}, {"gray", RGB(128, 128, 128)},
    {"white", RGB(255, 255, 255)}, {"maroon", RGB(128, 0, 0)},     {"red", RGB(255, 0, 0)},
    {"purple", RGB(128, 0, 128)},  {"fuchsia", RGB(255, 0, 255)},  {"green", RGB(0, 128, 0)},
    {"lime", RGB(0, 255, 0)},      {"olive", RGB(128, 128, 0)},    {"yellow", RGB(255, 255, 0)},
    {"navy", RGB(0, 0, 128)},      {"blue", RGB(0, 0, 255)},       {"teal", RGB(0, 128, 128)},
    {"aqua", RGB(0, 255, 255)},
};

// The value of a hexadecimal digit, or -1. Not static, though nothing outside this file calls it: static, the
// compilers lay out the decoder differently, and the library's bytes would change with no gain.
int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

// Reads the six digits after the '#' at positions 1 to 6, all of them even where the text ends earlier:
// a NUL is no digit, and the whole buffer is there to read.
static BOOL ParseHexCode(const char* text, COLORREF* color)
{
    int digits[6];
    for (int i = 0; i < 6; i++) {
        digits[i] = HexDigitValue(text[1 + i]);
        if (digits[i] < 0)
            return FALSE;
    }
    *color = RGB(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
    return TRUE;
}

// TRUE if the text begins with name, ignoring the case of ASCII letters. Stops at the first difference,
// so it reads no further than the name is long, and no further than a shorter text's NUL.
static BOOL TextStartsWithName(const char* text, LPCSTR name)
{
    for (int i = 0; name[i] != '\0'; i++) {
        char ch = text[i];
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != name[i])
            return FALSE;
    }
    return TRUE;
}

BOOL ParseColorText(const char* text, COLORREF* color)
{
    if (text[0] == '#')
        return ParseHexCode(text, color);
    for (const NamedColor& entry : NamedColors) {
        if (TextStartsWithName(text, entry.name)) {
            *color = entry.color;
            return TRUE;
        }
    }
    return FALSE;
}

LPCSTR FormatColorText(COLORREF color, char* buffer, ColorTextForm* form)
{
    // Compared on all 32 bits: a value with a non-zero top byte is no named colour.
    for (const NamedColor& entry : NamedColors) {
        if (entry.color == color) {
            *form = COLOR_TEXT_NAME;
            return entry.name;
        }
    }
    snprintf(buffer, COLOR_TEXT_SIZE, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    buffer[COLOR_TEXT_SIZE - 1] = '\0';
    *form = COLOR_TEXT_HEX;
    return buffer;
}
