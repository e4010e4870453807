// Fuzz target: the colour-text decoder on arbitrary selections, and the encoder on every colour value.
#include "color/notation.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// Bytes of a selection that the decoder may read; the eighth byte of its buffer is never to be read.
static const size_t READABLE_BYTES = COLOR_TEXT_SIZE - 1;

static void Fail(const char* what, const uint8_t* selection, COLORREF color)
{
    fprintf(stderr, "%s (colour 0x%08X, selection bytes", what, static_cast<unsigned>(color));
    for (size_t i = 0; i < COLOR_TEXT_SIZE; i++)
        fprintf(stderr, " %02X", selection[i]);
    fprintf(stderr, ")\n");
    abort();
}

// Decodes a text in a buffer of exactly seven bytes: an allocation with the eighth byte cut off, so
// AddressSanitizer reports any read of it.
static BOOL DecodeCut(const void* text, COLORREF* color)
{
    char* cut = static_cast<char*>(malloc(READABLE_BYTES));
    memcpy(cut, text, READABLE_BYTES);
    BOOL found = ParseColorText(cut, color);
    free(cut);
    return found;
}

static bool IsUpperHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F');
}

// Encodes color into a buffer of exactly eight bytes and checks what comes back: 7-bit ASCII of at most
// seven characters and the NUL, either a name from the table or '#' and six upper-case hex digits, that
// decodes to the colour's low three bytes.
static void CheckEncoding(COLORREF color, const uint8_t* selection)
{
    char* buffer = static_cast<char*>(malloc(COLOR_TEXT_SIZE));
    ColorTextForm form;
    LPCSTR text = FormatColorText(color, buffer, &form);

    size_t length = 0;
    while (length < COLOR_TEXT_SIZE && text[length] != '\0') {
        if (static_cast<unsigned char>(text[length]) > 0x7F)
            Fail("encoded text is not 7-bit ASCII", selection, color);
        length++;
    }
    if (length >= COLOR_TEXT_SIZE)
        Fail("encoded text has no NUL within eight bytes", selection, color);

    if (form == COLOR_TEXT_HEX) {
        if (text != buffer)
            Fail("a hexadecimal code is not in the caller's buffer", selection, color);
        if (length != 7 || text[0] != '#')
            Fail("a hexadecimal code is not '#' and six digits", selection, color);
        for (size_t i = 1; i < 7; i++) {
            if (!IsUpperHexDigit(text[i]))
                Fail("a hexadecimal code has a digit that is not upper-case hex", selection, color);
        }
    } else {
        bool inTable = false;
        for (const NamedColor& entry : NamedColors)
            inTable = inTable || (text == entry.name && color == entry.color);
        if (!inTable)
            Fail("a name that is not the table's entry for the colour", selection, color);
    }

    // Decoded again, with the text in its own 8-byte buffer as a selection would be.
    char again[COLOR_TEXT_SIZE] = {};
    memcpy(again, text, length);
    COLORREF decoded = 0;
    if (!DecodeCut(again, &decoded))
        Fail("encoded text does not decode", selection, color);
    if (decoded != (color & 0x00FFFFFF))
        Fail("encoded text decodes to another colour", selection, color);
    free(buffer);
}

// The input is a run of 8-byte selections (the last one padded with zeros). Each is decoded, and each is
// also read as two colour values for the encoder, top bytes included.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (size_t offset = 0; offset < size; offset += COLOR_TEXT_SIZE) {
        uint8_t selection[COLOR_TEXT_SIZE] = {};
        memcpy(selection, data + offset, size - offset < COLOR_TEXT_SIZE ? size - offset : COLOR_TEXT_SIZE);

        COLORREF color = 0;
        if (DecodeCut(selection, &color)) {
            if (color >> 24 != 0)
                Fail("a decoded colour has a non-zero top byte", selection, color);
            CheckEncoding(color, selection);
        }

        for (size_t word = 0; word < COLOR_TEXT_SIZE; word += sizeof(COLORREF)) {
            COLORREF value;
            memcpy(&value, selection + word, sizeof value);
            CheckEncoding(value, selection);
        }
    }
    return 0;
}
