// Colour values: codes, components and names, each refused with a reason.
#include "editor/arguments/color_value.h"

#include "editor/arguments/escaping.h"

#include <vector>

namespace {

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

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

int HexDigit(char ch)
{
    return ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10 : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
}

bool SameIgnoringCase(const std::string& text, const char* name)
{
    size_t i = 0;
    for (; i < text.size() && name[i]; i++) {
        char ch = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (ch != name[i])
            return false;
    }
    return i == text.size() && !name[i];
}

// What a colour may be, for the message about one that is none.
std::string NamesHint()
{
    std::string hint = "give #RRGGBB, R,G,B or one of ";
    for (const auto& entry : COLOR_NAMES)
        hint += std::string(entry.name) + (&entry == &COLOR_NAMES[15] ? "" : ", ");
    return hint;
}

// Splits red, green and blue at commas, or at blanks when there is no comma.
std::vector<std::string> Components(const std::string& text)
{
    std::vector<std::string> parts;
    bool commas = text.find(',') != std::string::npos;
    size_t start = 0;
    for (;;) {
        size_t end = start;
        while (end < text.size() && (commas ? text[end] != ',' : !IsBlank(text[end])))
            end++;
        std::string part = Trimmed(text.substr(start, end - start));
        if (commas || !part.empty())
            parts.push_back(part);
        if (end == text.size())
            return parts;
        start = end + 1;
    }
}

} // namespace

std::string Trimmed(const std::string& text)
{
    size_t start = 0, end = text.size();
    while (start < end && IsBlank(text[start]))
        start++;
    while (end > start && IsBlank(text[end - 1]))
        end--;
    return text.substr(start, end - start);
}

std::string ParseNumber(const std::string& text, int low, int high, int* number)
{
    if (text.empty())
        return "a number is missing";
    long long value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return QuotedValue(text) + " is not a number";
        if (value <= high)
            value = value * 10 + (ch - '0');
    }
    if (value < low || value > high)
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
        int digits[6];
        for (size_t i = 0; i < 6; i++) {
            digits[i] = HexDigit(value[i + 1]);
            if (digits[i] < 0)
                return QuotedValue(value) + " is not #RRGGBB: " + QuotedValue(value.substr(i + 1, 1)) +
                       " is not a hexadecimal digit";
        }
        *color = RgbValue(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
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
    for (const auto& entry : COLOR_NAMES) {
        if (SameIgnoringCase(value, entry.name)) {
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
    if (!why.empty())
        return why;
    setting->slot = slot - 1;
    setting->color = color;
    return "";
}
