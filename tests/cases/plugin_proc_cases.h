// The plug-in procedure's answers as the editor sees them: constant answers, the name and version asked
// for in buffers of every size, and the bitmap for each toolbar's flags. Plain arrays without the C++
// library, so that the native tests and the Wine test program run the same cases.
#pragma once

#include "resources/strings.h"

#include <stddef.h>

// A wParam with every bit set, whatever WPARAM's width.
const unsigned long long EVERY_BIT = ~0ull;

// Whether value is a wParam of that many bytes: every bit set, or a number that fits.
inline bool IsWparam(unsigned long long value, size_t bytes)
{
    return value == EVERY_BIT || bytes >= sizeof value || value >> (8 * bytes) == 0;
}

// Messages around and in the table that answers a constant, and the answer; nothing is written, whatever
// wParam (each of CONSTANT_ANSWER_WPARAMS) and lParam (a buffer or 0) are.
struct ConstantAnswerCase {
    unsigned msg;
    long long answer;
};

const ConstantAnswerCase CONSTANT_ANSWER_CASES[] = {
    {0x8FF, 0},      // below the plug-in procedure's messages
    {0x900, 0},      // no Properties button
    {0x901, 0},      // no properties shown
    {0x903, 0},      // no name in UTF-16: the editor asks for the ANSI one
    {0x905, 0},      // no version in UTF-16
    {0x906, 1},      // takes part in its uninstall
    {0x909, 0},      // the transparent colour: black
    {0x90A, 0},      // past the table
    {0, 0},
    {0x400, 0},
    {0xFFFF, 0},
    {0xFFFFFFFF, 0},
};

const unsigned long long CONSTANT_ANSWER_WPARAMS[] = {0, 1, 80, EVERY_BIT};

// The texts asked for by PIP_GET_NAME (0x902) and PIP_GET_VERSION (0x904); the answer is always the text's
// length + 1, the size a whole copy needs.
struct TextRequest {
    unsigned msg;
    const char* text;
};

const TextRequest TEXT_REQUESTS[] = {{0x902, "Huebird"}, {0x904, STRING_VERSION}};

// The version text's length in bytes: ASCII, the same in every code page.
const int VERSION_LENGTH = sizeof STRING_VERSION - 1;

// A text request into a buffer of a capacity: the text's first kept bytes are written, then a NUL.
const int NOTHING_WRITTEN = -1; // not even the NUL
struct TextRequestCase {
    unsigned msg;
    unsigned long long capacity; // wParam
    bool destination;            // a buffer in lParam, else 0: the size alone
    int kept;
};

const TextRequestCase TEXT_REQUEST_CASES[] = {
    {0x902, 0, true, NOTHING_WRITTEN},
    {0x902, 1, true, 0},              // only the NUL
    {0x902, 2, true, 1},
    {0x902, 7, true, 6},              // one short: cut, still terminated
    {0x902, 8, true, 7},              // exact fit
    {0x902, 80, true, 7},             // room to spare, left untouched
    {0x902, EVERY_BIT, true, 7},      // beyond int's range: the text and its NUL, no more
    {0x902, 0x100000000ull, true, 7}, // low 32 bits 0, on 64-bit Windows: still a large capacity
    {0x902, 80, false, NOTHING_WRITTEN},
    {0x904, 0, true, NOTHING_WRITTEN},
    {0x904, 1, true, 0},
    {0x904, 2, true, 1},
    {0x904, VERSION_LENGTH, true, VERSION_LENGTH - 1},
    {0x904, VERSION_LENGTH + 1, true, VERSION_LENGTH},
    {0x904, 80, true, VERSION_LENGTH},
    {0x904, EVERY_BIT, true, VERSION_LENGTH},
    {0x904, 0x100000000ull, true, VERSION_LENGTH},
    {0x904, 80, false, NOTHING_WRITTEN},
};

// PIP_GET_BITMAP (0x908): the bitmap for the toolbar's flags. 0x1 large, 0x10 256 colours, 0x20 true colour,
// which wins over 256 colours; other bits are ignored.
struct BitmapChoiceCase {
    unsigned long long flags;
    long long bitmap;
};

const BitmapChoiceCase BITMAP_CHOICE_CASES[] = {
    {0x0, 101},  {0x1, 102},  {0x10, 103}, {0x11, 104}, {0x20, 105},    {0x21, 106},        {0x30, 105},
    {0x31, 106}, {0x40, 101}, {0x41, 102}, {0x50, 103}, {0x60, 105}, {0xFFCE, 101}, {EVERY_BIT, 106},
};
