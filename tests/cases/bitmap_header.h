// The information header of a toolbar bitmap, and the 16-colour palette after it, checked against its case:
// one check for the committed files and for the bitmaps the loaded DLL holds. Plain C++ without the library.
#pragma once

#include "resource_cases.h"

#include <stddef.h>

// The field that differs first, what the case expects and what the bitmap holds.
struct BitmapDifference {
    const char* field;
    unsigned long expected;
    unsigned long actual;
};

// Little-endian 32-bit field at offset.
inline unsigned long BitmapField32(const unsigned char* bytes, size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | static_cast<unsigned long>(bytes[offset + 2]) << 16 |
           static_cast<unsigned long>(bytes[offset + 3]) << 24;
}

// True when the size bytes at info (a bitmap resource, or a BMP file after its 14-byte file header) are a
// bottom-up, uncompressed picture of the case's size, depth and colours at 72 pixels per inch, with the
// classic sixteen as the 16-colour palette; otherwise *difference names the first field that differs.
inline bool BitmapInfoMatches(const unsigned char* info, size_t size, const BitmapCase& row,
                              BitmapDifference* difference)
{
    const unsigned long whole = 40 + 4 * row.colorsUsed + row.imageSize;
    if (size != whole) {
        *difference = {"bytes", whole, static_cast<unsigned long>(size)};
        return false;
    }
    const struct {
        const char* field;
        size_t offset;
        size_t bytes;
        unsigned long expected;
    } fields[] = {
        {"header size", 0, 4, 40},
        {"width", 4, 4, row.size},
        {"height, positive for bottom-up rows", 8, 4, row.size},
        {"planes", 12, 2, 1},
        {"bits per pixel", 14, 2, row.bitsPerPixel},
        {"compression", 16, 4, 0},
        {"image size", 20, 4, row.imageSize},
        {"horizontal pixels per metre", 24, 4, 2835},
        {"vertical pixels per metre", 28, 4, 2835},
        {"colours used", 32, 4, row.colorsUsed},
        {"important colours", 36, 4, 0},
    };
    for (const auto& f : fields) {
        unsigned long actual = BitmapField32(info, f.offset);
        if (f.bytes == 2)
            actual &= 0xFFFF;
        if (actual != f.expected) {
            *difference = {f.field, f.expected, actual};
            return false;
        }
    }
    if (row.colorsUsed != 16)
        return true;
    // Blue, green, red and a zero byte per entry.
    for (size_t i = 0; i < 16; i++) {
        const unsigned long expected = PALETTE_16[i][2] | PALETTE_16[i][1] << 8 | PALETTE_16[i][0] << 16;
        const unsigned long actual = BitmapField32(info, 40 + 4 * i);
        if (actual != expected) {
            *difference = {"palette entry (0x00RRGGBB) in order", expected, actual};
            return false;
        }
    }
    return true;
}
