// Colours and numbers as the stand-in editors read them: #RRGGBB, R,G,B, the sixteen colour names, slots.
// Apart from the plug-in's decoder, so that a fault in either shows in the tests.
#pragma once

#include <stdint.h>

#include <string>

// A colour as the colour dialog keeps it (a COLORREF): red in the low byte, then green, then blue.
typedef uint32_t ColorValue;
inline ColorValue RgbValue(unsigned red, unsigned green, unsigned blue)
{
    return red | green << 8 | blue << 16;
}

// Custom-colour slots of the colour dialog, numbered from 1 on the command line.
const int CUSTOM_COLOR_SLOTS = 16;

// A custom colour that the user defines in the dialog.
struct CustomColorSetting {
    int slot; // 0 to CUSTOM_COLOR_SLOTS - 1
    ColorValue color;
};

// A decimal number from low to high, digits only. Returns why it is refused, or "".
std::string ParseNumber(const std::string& text, int low, int high, int* number);

// #RRGGBB (either case), R,G,B from 0 to 255 (or blank-separated), or a colour name in any case, blanks
// around ignored. Returns "" and writes *color, else says why and leaves *color alone.
std::string ParseColorValue(const std::string& text, ColorValue* color);

// A custom colour as SLOT=COLOR, SLOT from 1 to CUSTOM_COLOR_SLOTS. Returns "" and writes *setting, else says
// why and leaves *setting alone.
std::string ParseCustomValue(const std::string& text, CustomColorSetting* setting);

// text without the blanks (spaces, tabs) around it.
std::string Trimmed(const std::string& text);
// text with ASCII capitals made small.
std::string LowerCase(const std::string& text);
