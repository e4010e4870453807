// A colour as the native tests print it in their messages: 0x and its eight hexadecimal digits.
#pragma once

#include "host/win32.h"

#include <stdio.h>

#include <string>

inline std::string Hex(COLORREF color)
{
    char text[16];
    snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
    return text;
}
