// Colour values: codes, components and names, each refused with a reason.
#include "editor/arguments/color_value.h"

#include "editor/arguments/escaping.h"

#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

const char BLANKS[] = " \t";

// The sixteen basic colour names of web pages and their colours.
const struct {
    const char* name;
    ColorValue color;
} COLOR_NAMES[] = {
    {"black", RgbValue(0, 0, 0)},       {"silver", RgbValue(192, 192, 192)}, {"gray", RgbValue(128, 128, 128)},
    {"white", RgbValue(255, 255, 255)}, {"maroon", RgbValue(128, 0, 0)},     {"red", RgbValue(255, 0, 0)},
    {"purple", RgbValue(128, 0, 128)},  {"fuchsia", RgbValue(255, 0, 255)},  {"green", RgbValue(0, 128, 0)},
    {"lime", RgbValue(0, 255, 0)},      {"olive", RgbValue(128, 128, 0)},    {"yellow", RgbValue(255, 255, 0)},
    {"navy", RgbValue(0, 0, 128)},      {"blue", RgbValue(0, 0, 255)},       {"teal", RgbValue(0, 128, 128)},
    {"aqua", RgbValue(0, 255, 255)},
};

// What a colour may be, for the message about one that is none.
std::string NamesHint()
{
    std::string hint = "give #RRGGBB, R,G,B or one of ";
    for (const auto& entry : COLOR_NAMES)
        hint += (&entry == COLOR_NAMES ? "" : ", ") + std::string(entry.name);
    return hint;
}

// Splits red, green and blue at commas, or at blanks when there is no comma.
std::vector<std::string> Components(const std::string& text)
{
    bool commas = text.find(',') != std::string::npos;
    std::vector<std::string> parts;
    for (size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = std::min(commas ? text.find(',', start) : text.find_first_of(BLANKS, start), text.size());
        std::string part = Trimmed(text.substr(start, end - start));
        if (commas || !part.empty())
            parts.push_back(part);
    }
    return parts;
}

} // namespace

std::string Trimmed(const std::string& text)
{
    size_t start = text.find_first_not_of(BLANKS);
    return start == std::string::npos ? "" : text.substr(start, text.find_last_not_of(BLANKS) + 1 - start);
}

std::string LowerCase(const std::string& text)
{
    // ASCII only: the C library's tolower follows the locale (in Turkish, I does not lower to i).
    std::string lower = text;
    for (char& ch : lower)
        ch = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    return lower;
}

std::string ParseNumber(const std::string& text, int low, int high, int* number)
{
    if (text.empty())
        return "a number is missing";
    if (text.find_first_not_of("0123456789") != std::string::npos)
        return QuotedValue(text) + " is not a number";
    // Too many digits for strtoull give its largest value, which is outside the range as well.
    unsigned long long value = strtoull(text.c_str(), nullptr, 10);
    if (value < static_cast<unsigned long long>(low) || value > static_cast<unsigned long long>(high))
        return EscapedText(text, true) + " is outside " + std::to_string(low) + "-" + std::to_string(high);
    *number = static_cast<int>(value);
    return "";
}

std::string ParseColorValue(const std::string& text, ColorValue* color)
{
    std::string value = Trimmed(text);
    if (value.empty())
        return "the colour is empty; " + NamesHint();
    if (value[0] == '#') {
        if (value.size() != 7)
            return QuotedValue(value) + " is not #RRGGBB: it needs exactly six hexadecimal digits";
        size_t bad = value.find_first_not_of("0123456789abcdefABCDEF", 1);
        if (bad != std::string::npos)
            return QuotedValue(value) + " is not #RRGGBB: " + QuotedValue(value.substr(bad, 1)) +
                   " is not a hexadecimal digit";
        unsigned long code = strtoul(value.c_str() + 1, nullptr, 16);
        *color = RgbValue(code >> 16, code >> 8 & 0xFF, code & 0xFF);
        return "";
    }
    if ((value[0] >= '0' && value[0] <= '9') || value.find(',') != std::string::npos) {
        std::vector<std::string> parts = Components(value);
        if (parts.size() != 3)
            return QuotedValue(value) + " is not R,G,B: it needs three numbers, red, green and blue";
        int rgb[3];
        for (int i = 0; i < 3; i++) {
            std::string why = ParseNumber(parts[i], 0, 255, &rgb[i]);
            if (!why.empty())
                return why + " in " + QuotedValue(value);
        }
        *color = RgbValue(rgb[0], rgb[1], rgb[2]);
        return "";
    }
    std::string name = LowerCase(value);
    for (const auto& entry : COLOR_NAMES) {
        if (name == entry.name) {
            *color = entry.color;
            return "";
        }
    }
    return QuotedValue(value) + " is no colour; " + NamesHint();
}

std::string ParseCustomValue(const std::string& text, CustomColorSetting* setting)
{
    size_t equals = text.find('=');
    if (equals == std::string::npos)
        return QuotedValue(text) + " is not SLOT=COLOR, with SLOT from 1 to " + std::to_string(CUSTOM_COLOR_SLOTS);
    int slot;
    std::string why = ParseNumber(Trimmed(text.substr(0, equals)), 1, CUSTOM_COLOR_SLOTS, &slot);
    if (!why.empty())
        return "slot " + why;
    ColorValue color;
    why = ParseColorValue(text.substr(equals + 1), &color);
    if (why.empty())
        *setting = {slot - 1, color};
    return why;
}
