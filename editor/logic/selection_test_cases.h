// Selections handed over at the buffer's edge: one table, and one loop over it, that the tests of every
// stand-in editor run with their own answer, so that the console and the window are seen to answer the same.
#pragma once

#include <stddef.h>
#include <stdio.h>
#include <string.h>

struct SelectionCase {
    const char* charset; // the text's character set, as the C library names it
    const char* text;    // the selection's bytes
    size_t capacity;     // the plug-in's buffer
    size_t handedOver;   // the bytes copied: whole characters; a NUL follows when there is room
};

// The character sets of the table: code page 932, UTF-8, and the one-byte set of LC_ALL=C.
const char SHIFT_JIS[] = "SHIFT_JIS";
const char UTF_8[] = "UTF-8";
const char SINGLE_BYTE[] = "ANSI_X3.4-1968";

const SelectionCase SELECTION_CASES[] = {
    {SHIFT_JIS, "", 8, 0},
    {SHIFT_JIS, "lime", 8, 4},
    {SHIFT_JIS, "#00ff00", 8, 7},
    {SHIFT_JIS, "fuchsias", 8, 8},          // no room for the NUL
    {SHIFT_JIS, "#00ff00ff", 8, 8},         // cut, whole characters all
    {SHIFT_JIS, "a", 1, 1},                 // one byte into one: no room for the NUL
    {SHIFT_JIS, "ab", 1, 1},
    {SHIFT_JIS, "\x90\x46\x82\xCD#00ff00", 8, 8}, // 色は#00ff00: two double-byte characters first
    {SHIFT_JIS, "abcdefg\x90\x46", 8, 7},   // abcdefg色: 色 would be cut in half
    {SHIFT_JIS, "abcdef\x90\x46", 8, 8},    // abcdef色: 色 just fits
    {SHIFT_JIS, "\x90\x46", 1, 0},
    {SHIFT_JIS, "\x90\x46", 2, 2},
    {SHIFT_JIS, "lime", 0, 0},
    {SHIFT_JIS, "\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9", 8, 8}, // ｱｲｳｴｵｶｷｸｹ: single-byte katakana
    {SHIFT_JIS, "ab\xE0", 8, 2},            // a lead byte without its trail
    {SHIFT_JIS, "abcdef\x81\x81", 8, 8},    // a trail byte that is also a lead byte, at the edge: one character
    {SHIFT_JIS, "abcdefg\x81\x81", 8, 7},   // the same character cut in half
    {SHIFT_JIS, "\x81\x81\x81", 8, 2},      // the third byte leads a character that the text lacks
    {UTF_8, "\xE8\xB5\xA4", 8, 3},          // 赤
    {UTF_8, "abcde\xE8\xB5\xA4", 8, 8},     // abcde赤: 赤 just fits
    {UTF_8, "abcdef\xE8\xB5\xA4", 8, 6},    // abcdef赤: 赤 would be cut
    {UTF_8, "\xE3\x81\x82", 2, 0},          // あ into 2 bytes
    {UTF_8, "a\xE8\xB5", 8, 3},             // no valid sequence: each byte on its own
    {UTF_8, "a\xE8\xB5\xA4", 1, 1},
    {SINGLE_BYTE, "abcdefg\x90\x46", 8, 8}, // every byte a character
    {SINGLE_BYTE, "\xE8\xB5\xA4", 2, 2},
    {SINGLE_BYTE, "ab\xE0", 8, 3},
    {SINGLE_BYTE, "a", 1, 1},
};

// What a stand-in answers to the selection request for one case, into buffer of c.capacity bytes. It sets
// *handedOver to the bytes it copied where it tells them, and leaves it alone where it does not.
typedef size_t (*SelectionAnswer)(const SelectionCase& c, char* buffer, size_t* handedOver);

// Runs the table's cases of one character set (every case for null) through answer, each into a buffer
// between guard bytes, and hands fail a line for each case answered wrongly (or when no case ran): what
// was expected and what came back. Returns the number of such lines.
inline int CheckSelectionCases(SelectionAnswer answer, const char* charset, void (*fail)(const char* line))
{
    const size_t GUARD = 8, MOST = 16;
    const unsigned char GUARD_BYTE = 0xA5;
    const size_t NOT_TOLD = ~static_cast<size_t>(0);
    int failures = 0, ran = 0;
    char line[512];
    for (const SelectionCase& c : SELECTION_CASES) {
        if (charset && strcmp(c.charset, charset) != 0)
            continue;
        ran++;
        unsigned char area[GUARD + MOST + GUARD], expected[GUARD + MOST + GUARD];
        const size_t size = GUARD + c.capacity + GUARD;
        memset(area, GUARD_BYTE, sizeof area);
        memset(expected, GUARD_BYTE, sizeof expected);
        memcpy(expected + GUARD, c.text, c.handedOver);
        if (c.handedOver < c.capacity)
            expected[GUARD + c.handedOver] = '\0';
        const size_t length = strlen(c.text);
        size_t handedOver = NOT_TOLD;
        size_t got = c.capacity <= MOST ? answer(c, reinterpret_cast<char*>(area + GUARD), &handedOver) : 0;
        if (c.capacity <= MOST && got == length + 1 && memcmp(area, expected, size) == 0 &&
            (handedOver == NOT_TOLD || handedOver == c.handedOver))
            continue;
        failures++;
        // The text, and then each area with its guards, as hexadecimal bytes.
        int at = snprintf(line, sizeof line, "%s \"", c.charset);
        for (size_t i = 0; i < length && i < 16; i++)
            at += snprintf(line + at, sizeof line - at, "\\x%02X", static_cast<unsigned char>(c.text[i]));
        at += snprintf(line + at, sizeof line - at, "\" into %u bytes: expected", static_cast<unsigned>(c.capacity));
        for (size_t i = 0; i < size; i++)
            at += snprintf(line + at, sizeof line - at, " %02X", expected[i]);
        at += snprintf(line + at, sizeof line - at, " answering %u, %u handed over; got",
                       static_cast<unsigned>(length + 1), static_cast<unsigned>(c.handedOver));
        for (size_t i = 0; i < size; i++)
            at += snprintf(line + at, sizeof line - at, " %02X", area[i]);
        at += snprintf(line + at, sizeof line - at, " answering %u", static_cast<unsigned>(got));
        if (handedOver != NOT_TOLD)
            snprintf(line + at, sizeof line - at, ", %u handed over", static_cast<unsigned>(handedOver));
        fail(line);
    }
    if (ran == 0) {
        snprintf(line, sizeof line, "no selection case of the character set %s", charset);
        fail(line);
        failures++;
    }
    return failures;
}
