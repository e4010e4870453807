// How many bytes a character takes in the code pages the stand-in editors hand text over in.
#pragma once

#include <stddef.h>

// How many bytes the character that starts at text takes, of the remaining ones (at least 1): a code page.
typedef size_t (*CharacterSize)(const char* text, size_t remaining);

// Code page 932: bytes 0x81 to 0x9F and 0xE0 to 0xFC lead a two-byte character.
size_t Cp932CharacterSize(const char* text, size_t remaining);
// UTF-8: a valid sequence is one character; any other byte stands alone.
size_t Utf8CharacterSize(const char* text, size_t remaining);
// One byte a character.
size_t SingleByteCharacterSize(const char* text, size_t remaining);
