// Colour text: the sixteen colour names and the #RRGGBB code, decoded from selected text and encoded for entry.
#pragma once

#include "host/win32.h"

// Bytes in a colour text buffer: at most seven characters and the NUL.
const int COLOR_TEXT_SIZE = 8;

// Entries in NamedColors.
const int NAMED_COLOR_COUNT = 16;

// One colour name: lower-case ASCII, at most seven characters.
struct NamedColor {
    LPCSTR name;
    COLORREF color;
};

extern const NamedColor NamedColors[NAMED_COLOR_COUNT];

// What FormatColorText produced: a name from NamedColors or a #RRGGBB code in the caller's buffer.
enum ColorTextForm {
    COLOR_TEXT_NAME,
    COLOR_TEXT_HEX,
};

// Decodes the COLOR_TEXT_SIZE-byte buffer at text, reading at most its first seven bytes. On success writes
// the colour and returns TRUE; otherwise leaves *color alone and returns FALSE.
BOOL ParseColorText(const char* text, COLORREF* color);

// Returns the text to enter for color: a name from NamedColors, or buffer (COLOR_TEXT_SIZE bytes) holding
// a #RRGGBB code. *form says which.
LPCSTR FormatColorText(COLORREF color, char* buffer, ColorTextForm* form);
