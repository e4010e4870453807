// The lead and trail bytes of code page 932 and UTF-8.
#include "code_pages.h"

size_t Cp932CharacterSize(const char* text, size_t)
{
    unsigned char lead = static_cast<unsigned char>(text[0]);
    return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
}

size_t Utf8CharacterSize(const char* text, size_t remaining)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    unsigned char lead = bytes[0];
    size_t follow = lead < 0xC2 || lead > 0xF4 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (follow == 0 || follow >= remaining || bytes[1] < low || bytes[1] > high)
        return 1;
    for (size_t i = 2; i <= follow; i++) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 1;
    }
    return follow + 1;
}

size_t SingleByteCharacterSize(const char*, size_t)
{
    return 1;
}
