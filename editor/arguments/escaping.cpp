// Escaping of command-line text for one-line messages, by the editor side's UTF-8 rule.
#include "editor/arguments/escaping.h"

#include "code_pages.h"

#include <stdio.h>

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        size_t size = Utf8CharacterSize(&text[i], text.size() - i);
        if (size == 1 && static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
        i += size;
    }
    return true;
}

std::string EscapedText(const std::string& text, bool keepUtf8)
{
    std::string escaped;
    for (size_t i = 0; i < text.size(); i++) {
        char ch = text[i];
        unsigned char byte = static_cast<unsigned char>(ch);
        size_t size = keepUtf8 ? Utf8CharacterSize(&text[i], text.size() - i) : 1;
        if (size > 1) {
            escaped.append(text, i, size);
            i += size - 1;
        } else if (ch == '\\' || ch == '"') {
            escaped += '\\';
            escaped += ch;
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += ch;
        } else {
            char code[8];
            snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        }
    }
    return escaped;
}

std::string QuotedValue(const std::string& text)
{
    return "\"" + EscapedText(text, true) + "\"";
}
