// The plug-in's resources: its strings in both tables, and its six toolbar bitmaps with the palette of the
// 16-colour ones. Plain arrays without the C++ library, so that the tests of the committed files and of the
// compiled script, and the Wine test program on the loaded DLL, check the same.
#pragma once

#include "resources/strings.h"

// Strings 1 to 5 of block 1 (numbers 0 to 15); the others are empty. The English table is ASCII, so the
// same in every code page and in UTF-16.
struct StringCase {
    unsigned id;
    const char* japaneseCp932; // the Japanese text's bytes in code page 932
    const char16_t* japanese;
    const char* english;
};

const StringCase STRING_CASES[] = {
    {1, "\x90\x46\x82\xF0\x91\x49\x91\xF0\x82\xB5\x31\x36\x90\x69\x90\x94\x82\xC5\x93\xFC\x97\xCD\x82\xB7\x82\xE9",
     u"色を選択し16進数で入力する", "Choose a color and enter it in hexadecimal"},
    {2,
     "\x90\x46\x82\xF0\x91\x49\x91\xF0\x82\xB5\x31\x36\x90\x69\x90\x94\x82\xC5\x93\xFC\x97\xCD\x0A\x31\x36\x90"
     "\x69\x90\x94\x90\x46\x93\xFC\x97\xCD",
     u"色を選択し16進数で入力\n16進数色入力", "Choose a color and enter it in hexadecimal\nHex color"},
    {3,
     "\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x82\xB5\x82\xC4\x82\xE0\x82\xE6\x82\xEB"
     "\x82\xB5\x82\xA2\x82\xC5\x82\xB7\x82\xA9\x81\x48",
     u"アンインストールしてもよろしいですか？", "Are you sure you want to uninstall?"},
    {4, "Huebird", u"Huebird", "Huebird"},
    {5, STRING_VERSION, u"" STRING_VERSION, STRING_VERSION}, // ASCII: its one source is the string table's
};

// The bitmaps, in Japanese only: resource number, committed file, width and height, and header fields.
struct BitmapCase {
    unsigned id;
    const char* file;
    unsigned size;
    unsigned bitsPerPixel;
    unsigned colorsUsed;
    unsigned imageSize;
};

const BitmapCase BITMAP_CASES[] = {
    {101, "small_16color.bmp", 16, 8, 16, 256},   {102, "large_16color.bmp", 24, 8, 16, 576},
    {103, "small_256color.bmp", 16, 8, 256, 256}, {104, "large_256color.bmp", 24, 8, 256, 576},
    {105, "small_truecolor.bmp", 16, 24, 0, 768}, {106, "large_truecolor.bmp", 24, 24, 0, 1728},
};

// The palette of the 16-colour bitmaps, the classic sixteen in order, as red, green, blue.
const unsigned char PALETTE_16[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};
