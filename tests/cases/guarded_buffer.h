// A destination buffer between guard bytes, for the plug-in's text answers. Plain C++ without the library,
// so that the native tests and the Wine test program check what the plug-in writes alike.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

// Bytes of guard on each side of a destination, and the value that they and the unwritten bytes hold.
const size_t GUARD = 16;
const unsigned char GUARD_BYTE = 0xA5;

// The largest destination; a larger capacity is cut to it, which only the text and its NUL may fill.
const size_t MOST_CAPACITY = 80;

// A destination of a given capacity between guard bytes; every byte starts as a guard byte, so what the
// plug-in must not write, inside the capacity or around it, is checked alike.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t wanted) : capacity(wanted < MOST_CAPACITY ? wanted : MOST_CAPACITY)
    {
        memset(area, GUARD_BYTE, sizeof area);
    }

    // The destination's address, as a message's lParam carries it.
    intptr_t Dest() { return reinterpret_cast<intptr_t>(&area[GUARD]); }

    // True when the destination begins with exactly the count bytes of written (NUL included) and nothing
    // else changed; otherwise hands the first byte that differs to report->Differs(offset from the
    // destination, capacity, expected, actual) and is false.
    template <typename Report> bool Holds(const char* written, size_t count, Report* report) const
    {
        for (size_t i = 0; i < GUARD + capacity + GUARD; i++) {
            long offset = static_cast<long>(i) - static_cast<long>(GUARD);
            bool inWritten = offset >= 0 && static_cast<size_t>(offset) < count;
            unsigned expected = static_cast<unsigned char>(inWritten ? written[offset] : GUARD_BYTE);
            unsigned actual = area[i];
            if (expected != actual) {
                report->Differs(offset, capacity, expected, actual);
                return false;
            }
        }
        return true;
    }

    size_t capacity;
    unsigned char area[GUARD + MOST_CAPACITY + GUARD];
};
