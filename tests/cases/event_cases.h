// OnEvents calls in order and the message each makes the plug-in send, one sequence a behaviour, each
// starting with nothing saved. Plain arrays without the C++ library, so that the native tests and the Wine
// test program run the same cases.
#pragma once

#include <stddef.h>

// The window a call names: the editor's, or another editor window.
enum EventWindow { EDITOR_WINDOW, OTHER_WINDOW };

// One call: its events and parameter (as bits, cut to LPARAM's width), and whether it sends 0x802 to the
// window it names with wParam sent (cut to WPARAM's width) and lParam 0.
struct EventCall {
    EventWindow window;
    unsigned events;
    unsigned long long param;
    bool sends;
    unsigned long long sent;
};

// 0x40 replays the saved parameter; 0x400 saves the call's parameter, before the replay when both are set.
const EventCall REPLAY_BEFORE_ANY_SAVE[] = {{EDITOR_WINDOW, 0x40, 77, true, 0}};

const EventCall SAVE_AND_REPLAY_IN_ONE_CALL[] = {
    {EDITOR_WINDOW, 0x400, 5, false, 0},
    {EDITOR_WINDOW, 0x440, 1234, true, 1234},
    {EDITOR_WINDOW, 0x40, 9, true, 1234},
};

const EventCall SAVE_ALONE_REPLAYED_LATER[] = {
    {EDITOR_WINDOW, 0x400, 42, false, 0},
    {EDITOR_WINDOW, 0x40, 0, true, 42},
    {EDITOR_WINDOW, 0x40, 0, true, 42},
};

const EventCall OTHER_BITS_NEITHER_SAVE_NOR_SEND[] = {
    {EDITOR_WINDOW, 0x400, 3, false, 0},
    {EDITOR_WINDOW, 0x1, 100, false, 0},
    {EDITOR_WINDOW, 0x80, 200, false, 0},
    {EDITOR_WINDOW, 0, 300, false, 0},
    {EDITOR_WINDOW, ~(0x400u | 0x40u), 400, false, 0},
    {EDITOR_WINDOW, 0x40, 0, true, 3},
    {EDITOR_WINDOW, ~0u, 500, true, 500},
};

// The top bit set on either width, and other mixed bits.
const EventCall EVERY_BIT_OF_THE_PARAMETER_KEPT[] = {
    {EDITOR_WINDOW, 0x400, 0x8000000080000000ull, false, 0},
    {EDITOR_WINDOW, 0x40, 0, true, 0x8000000080000000ull},
    {EDITOR_WINDOW, 0x440, 0xFFFFFFFFFFFFEDCBull, true, 0xFFFFFFFFFFFFEDCBull},
    {EDITOR_WINDOW, 0x440, ~0ull, true, ~0ull},
};

// On 64-bit Windows, a parameter whose high half differs from its low half.
const EventCall SAVED_IN_ONE_WINDOW_SENT_TO_THE_ONE_THAT_ASKS[] = {
    {OTHER_WINDOW, 0x400, 0x123456789ABCDEF0ull, false, 0},
    {EDITOR_WINDOW, 0x40, 0, true, 0x123456789ABCDEF0ull},
};

struct EventSequence {
    const char* behaviour;
    const EventCall* calls;
    size_t count;
};

#define EVENT_SEQUENCE(calls, behaviour) {behaviour, calls, sizeof calls / sizeof calls[0]}

// Every sequence, the one before any save first.
const EventSequence EVENT_SEQUENCES[] = {
    EVENT_SEQUENCE(REPLAY_BEFORE_ANY_SAVE, "a replay before any save"),
    EVENT_SEQUENCE(SAVE_AND_REPLAY_IN_ONE_CALL, "save and replay in one call"),
    EVENT_SEQUENCE(SAVE_ALONE_REPLAYED_LATER, "a save alone, replayed later"),
    EVENT_SEQUENCE(OTHER_BITS_NEITHER_SAVE_NOR_SEND, "other bits"),
    EVENT_SEQUENCE(EVERY_BIT_OF_THE_PARAMETER_KEPT, "every bit of the parameter"),
    EVENT_SEQUENCE(SAVED_IN_ONE_WINDOW_SENT_TO_THE_ONE_THAT_ASKS, "saved in one window, asked in another"),
};

#undef EVENT_SEQUENCE
