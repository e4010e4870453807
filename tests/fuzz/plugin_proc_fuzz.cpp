// Fuzz target: the plug-in procedure with arbitrary messages, capacities and destinations.
#include "host/editor.h"
#include "host/exports.h"
#include "host/huebird.h"
#include "resources/strings.h"
#include "standin/standin.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Reads the fuzzer's bytes as fields, with zeros once they run out.
struct Input {
    const uint8_t* data;
    size_t size;

    template <typename T>
    T Take()
    {
        T value = 0;
        size_t count = size < sizeof value ? size : sizeof value;
        memcpy(&value, data, count);
        data += count;
        size -= count;
        return value;
    }
};

// The messages worth trying most: the whole table and its neighbours.
const UINT MESSAGES[] = {0x8FF, 0x900, 0x901, PIP_GET_NAME, 0x903, PIP_GET_VERSION, 0x905, 0x906,
                         PIP_CONFIRM_UNINSTALL, PIP_GET_BITMAP, 0x909, 0x90A, 0};

// The answers that the stand-in's message box may give; 0 is a box that fails.
const int ANSWERS[] = {IDYES, IDNO, IDCANCEL, IDOK, 0};

void Fail(const char* what, UINT msg, WPARAM wParam, bool withDestination, LRESULT result)
{
    fprintf(stderr, "%s (message 0x%X, wParam 0x%zX, %s, result %ld)\n", what, msg, static_cast<size_t>(wParam),
            withDestination ? "with a destination" : "no destination", static_cast<long>(result));
    abort();
}

// A text request: the destination is an allocation of exactly the bytes the plug-in may write, the
// capacity but never more than the text and its NUL, so AddressSanitizer catches any write beyond them.
void CheckTextRequest(UINT msg, WPARAM capacity, bool withDestination)
{
    const char* expected = msg == PIP_GET_NAME ? STRING_PLUGIN_NAME : STRING_VERSION;
    const size_t length = strlen(expected);
    const size_t writable = capacity < length + 1 ? static_cast<size_t>(capacity) : length + 1;

    // AddressSanitizer lets a program write one byte into malloc(0), so a capacity of 0 gets the end of a
    // one-byte block instead.
    char* block = withDestination ? static_cast<char*>(malloc(writable > 0 ? writable : 1)) : nullptr;
    char* destination = block && writable == 0 ? block + 1 : block;
    if (destination)
        memset(destination, 0x7F, writable);
    LRESULT result = PlugInProc(nullptr, msg, capacity, reinterpret_cast<LPARAM>(destination));

    if (result != static_cast<LRESULT>(length + 1))
        Fail("a text request does not answer the text's length + 1", msg, capacity, withDestination, result);
    if (destination && writable > 0) {
        // The text cut to capacity - 1 bytes, and its NUL.
        if (memcmp(destination, expected, writable - 1) != 0 || destination[writable - 1] != '\0')
            Fail("a text request wrote other than the text cut to the capacity", msg, capacity, true, result);
    }
    free(block);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    DllMain(StandinPluginModule(), DLL_PROCESS_ATTACH, nullptr);
    return 0;
}

// Each call is read from the input as: a message choice (a listed message, or the next four bytes as any
// number), flags (destination or none, message-box answer), then wParam and lParam, eight bytes each.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input input = {data, size};
    while (input.size > 0) {
        uint8_t choice = input.Take<uint8_t>();
        UINT msg = choice < sizeof MESSAGES / sizeof MESSAGES[0] ? MESSAGES[choice] : input.Take<uint32_t>();
        uint8_t flags = input.Take<uint8_t>();
        WPARAM wParam = input.Take<uint64_t>();
        LPARAM lParam = input.Take<int64_t>();
        bool withDestination = flags & 1;

        if (msg == PIP_GET_NAME || msg == PIP_GET_VERSION) {
            // Capacities near the texts' lengths matter most; the top bit of the flags lets any through.
            CheckTextRequest(msg, flags & 0x80 ? wParam : wParam % 32, withDestination);
            continue;
        }

        // Any other message must not touch lParam, whatever it holds: a wild pointer is given.
        StandinSetMessageBoxAnswer(ANSWERS[(flags >> 1) % (sizeof ANSWERS / sizeof ANSWERS[0])]);
        LRESULT result = PlugInProc(nullptr, msg, wParam, lParam);
        if (msg == PIP_CONFIRM_UNINSTALL) {
            LRESULT expected = (flags >> 1) % (sizeof ANSWERS / sizeof ANSWERS[0]) == 0 ? 1 : 0;
            if (result != expected)
                Fail("the uninstall question answers other than 1 for Yes, 0 otherwise", msg, wParam, false, result);
        } else if (msg == PIP_GET_BITMAP) {
            if (result < 101 || result > 106)
                Fail("a bitmap request answers no bitmap number", msg, wParam, false, result);
        } else if (result != (msg == 0x906 ? 1 : 0)) {
            Fail("a message without a request answers other than its constant", msg, wParam, false, result);
        }
    }
    return 0;
}
