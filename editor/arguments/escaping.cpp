// Escaping of command-line text for one-line messages, by the editor side's UTF-8 rule.
#include "editor/arguments/escaping.h"

#include "code_pages.h"

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0, size; i < text.size(); i += size) {
        size = Utf8CharacterSize(&text[i], text.size() - i);
        if (size == 1 && static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    }
    return true;
}

std::string EscapedText(const std::string& text, bool keepUtf8)
{
    const char HEX[] = "0123456789ABCDEF";
    std::string escaped;
    for (size_t i = 0, size; i < text.size(); i += size) {
        size = keepUtf8 ? Utf8CharacterSize(&text[i], text.size() - i) : 1;
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (size > 1)
            escaped.append(text, i, size);
        else if (byte == '\\' || byte == '"')
            escaped += {'\\', text[i]};
        else if (byte >= 0x20 && byte < 0x7F)
            escaped += text[i];
        else
            escaped += {'\\', 'x', HEX[byte >> 4], HEX[byte & 0xF]};
    }
    return escaped;
}

std::string QuotedValue(const std::string& text)
{
    return "\"" + EscapedText(text, true) + "\"";
}
