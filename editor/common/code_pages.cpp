// The lead and trail bytes of code page 932 and UTF-8.
#include "code_pages.h"

size_t Cp932CharacterSize(const char* text, size_t)
{
    unsigned char lead = static_cast<unsigned char>(text[0]);
    return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
}

size_t Utf8CharacterSize(const char* text, size_t remaining)
{
    unsigned char lead = static_cast<unsigned char>(text[0]);
    size_t follow = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2 : lead >= 0xF0 && lead <= 0xF4 ? 3 : 0;
    if (follow >= remaining)
        return 1;
    unsigned long code = lead & (0x3F >> follow);
    for (size_t i = 1; i <= follow; i++) {
        unsigned char next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 1;
        code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no characters.
    const unsigned long smallest[4] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 1;
    return follow + 1;
}

size_t SingleByteCharacterSize(const char*, size_t)
{
    return 1;
}
