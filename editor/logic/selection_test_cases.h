// Selections handed over at the buffer's edge: one table that the tests of every stand-in editor run, so
// that the console and the window are seen to answer the same.
#pragma once

#include <stddef.h>

struct SelectionCase {
    const char* charset; // the text's character set: "SHIFT_JIS" (code page 932) or "UTF-8"
    const char* text;    // the selection's bytes
    size_t capacity;     // the plug-in's buffer
    size_t handedOver;   // the bytes copied: whole characters; a NUL follows when there is room
};

const SelectionCase SELECTION_CASES[] = {
    {"SHIFT_JIS", "", 8, 0},
    {"SHIFT_JIS", "lime", 8, 4},
    {"SHIFT_JIS", "#00ff00", 8, 7},
    {"SHIFT_JIS", "fuchsias", 8, 8},          // no room for the NUL
    {"SHIFT_JIS", "#00ff00ff", 8, 8},         // cut, whole characters all
    {"SHIFT_JIS", "\x90\x46\x82\xCD#00ff00", 8, 8}, // 色は#00ff00: two double-byte characters first
    {"SHIFT_JIS", "abcdefg\x90\x46", 8, 7},   // abcdefg色: 色 would be cut in half
    {"SHIFT_JIS", "abcdef\x90\x46", 8, 8},    // abcdef色: 色 just fits
    {"SHIFT_JIS", "\x90\x46", 1, 0},
    {"SHIFT_JIS", "\x90\x46", 2, 2},
    {"SHIFT_JIS", "lime", 0, 0},
    {"SHIFT_JIS", "\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9", 8, 8}, // ｱｲｳｴｵｶｷｸｹ: single-byte katakana
    {"SHIFT_JIS", "ab\xE0", 8, 2},            // a lead byte without its trail
    {"UTF-8", "\xE8\xB5\xA4", 8, 3},          // 赤
    {"UTF-8", "abcde\xE8\xB5\xA4", 8, 8},     // abcde赤: 赤 just fits
    {"UTF-8", "abcdef\xE8\xB5\xA4", 8, 6},    // abcdef赤: 赤 would be cut
    {"UTF-8", "\xE3\x81\x82", 2, 0},          // あ into 2 bytes
    {"UTF-8", "a\xE8\xB5", 8, 3},             // no valid sequence: each byte on its own
};
