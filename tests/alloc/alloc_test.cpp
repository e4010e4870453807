// Proves that the plug-in's entry points never touch the heap, by counting allocations around each call.
#include "tests/alloc/counting_allocator.h"

#include "color/notation.h"
#include "command/insert_color.h"
#include "host/editor.h"
#include "host/exports.h"
#include "host/huebird.h"
#include "resources/strings.h"
#include "standin/standin.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <new>
#include <string>

namespace {

// Keeps an allocated block out of the optimiser's reach until it is freed.
void* volatile Sink;

// The counter must see each way a program allocates, including allocations made inside the C library,
// and count each exactly once; otherwise a zero below proves nothing.
TEST(AllocationCounter, CountsEachWayOfAllocatingOnce)
{
    struct Case {
        const char* name;
        void (*allocate)();
    };
    const Case cases[] = {
        {"malloc", [] { Sink = malloc(16); free(Sink); }},
        {"calloc", [] { Sink = calloc(4, 4); free(Sink); }},
        {"realloc of null", [] { Sink = realloc(nullptr, 16); free(Sink); }},
        {"posix_memalign", [] { void* block = nullptr; (void)!posix_memalign(&block, 64, 16); Sink = block; free(Sink); }},
        {"aligned_alloc", [] { Sink = aligned_alloc(64, 64); free(Sink); }},
        {"strdup (inside the C library)", [] { Sink = strdup("text"); free(Sink); }},
        {"operator new", [] { int* block = new int(1); Sink = block; delete block; }},
        {"operator new[]", [] { int* block = new int[4]; Sink = block; delete[] block; }},
        {"nothrow operator new", [] { int* block = new (std::nothrow) int(1); Sink = block; delete block; }},
        {"std::string", [] { std::string text(100, 'x'); Sink = &text[0]; }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(1, AllocationsDuring(c.allocate)) << c.name << ": expected one allocation counted";
    EXPECT_EQ(0, AllocationsDuring([] {})) << "an empty action";
}

// What the stand-in editor window saw during one run of the command.
struct EditorLog {
    const char* selection; // what the editor answers to the get-selection message
    int selectionRequests;
    int inserts;
    char inserted[COLOR_TEXT_SIZE]; // the last text entered
    int replays;
    WPARAM replayed; // the last parameter sent back
};

// The log of the window under test; reset by each case.
EditorLog Editor;

// Answers the command's messages into fixed buffers: nothing here allocates.
LRESULT CALLBACK EditorProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_GET_SELECTION) {
        Editor.selectionRequests++;
        strncpy(reinterpret_cast<char*>(lParam), Editor.selection, wParam);
    } else if (msg == MSG_INSERT_TEXT) {
        Editor.inserts++;
        strncpy(Editor.inserted, reinterpret_cast<const char*>(lParam), sizeof Editor.inserted - 1);
    } else if (msg == MSG_REPLAY_PARAM) {
        Editor.replays++;
        Editor.replayed = wParam;
    }
    return 0;
}

BOOL ConfirmUnchanged(LPCHOOSECOLORA)
{
    return TRUE;
}

BOOL Choose123456(LPCHOOSECOLORA record)
{
    record->rgbResult = RGB(0x12, 0x34, 0x56);
    return TRUE;
}

BOOL Cancel(LPCHOOSECOLORA)
{
    return FALSE;
}

TEST(EntryPointsAllocateNothing, OnCommand)
{
    struct Case {
        const char* selection;
        StandinColorDialog dialog; // null: the dialog fails
        const char* expectInserted; // empty: nothing entered
    };
    const Case cases[] = {
        {"#00ff00", ConfirmUnchanged, "lime"},
        {"hello", Choose123456, "#123456"},
        {"navy", Cancel, ""},
        {"", nullptr, ""},
    };
    HWND window = StandinCreateWindow(EditorProc, nullptr);
    ASSERT_NE(nullptr, window);
    for (const Case& c : cases) {
        Editor = EditorLog{c.selection, 0, 0, {}, 0, 0};
        StandinSetColorDialog(c.dialog);
        EXPECT_EQ(0, AllocationsDuring([&] { OnCommand(window); })) << "selection '" << c.selection << "'";
        // The run did what it should, so the count covers a whole command.
        EXPECT_EQ(1, Editor.selectionRequests) << "selection '" << c.selection << "'";
        EXPECT_STREQ(c.expectInserted, Editor.inserted) << "selection '" << c.selection << "'";
    }
    StandinSetColorDialog(nullptr);
    StandinDestroyWindow(window);
}

TEST(EntryPointsAllocateNothing, ColourNotation)
{
    const char* const texts[] = {"#FF8000", "fuchsia", "BlueSky", "#GG0000", "", "\x90\xd4"};
    for (const char* text : texts) {
        char buffer[COLOR_TEXT_SIZE] = {};
        memcpy(buffer, text, strnlen(text, sizeof buffer));
        COLORREF color = 0;
        EXPECT_EQ(0, AllocationsDuring([&] { ParseColorText(buffer, &color); })) << "decoding '" << text << "'";
    }
    const COLORREF colors[] = {RGB(255, 0, 0), RGB(1, 2, 3), 0x01FF0000};
    for (COLORREF color : colors) {
        char buffer[COLOR_TEXT_SIZE];
        ColorTextForm form;
        EXPECT_EQ(0, AllocationsDuring([&] { FormatColorText(color, buffer, &form); }))
            << "encoding 0x" << std::hex << color;
    }
}

TEST(EntryPointsAllocateNothing, ModuleEntryAndSmallExports)
{
    EXPECT_EQ(0, AllocationsDuring([] { DllMain(StandinPluginModule(), DLL_PROCESS_ATTACH, nullptr); }));
    EXPECT_EQ(0, AllocationsDuring([] { DllMain(StandinPluginModule(), DLL_THREAD_ATTACH, nullptr); }));
    UINT ids[3] = {};
    EXPECT_EQ(0, AllocationsDuring([&] {
        ids[0] = GetMenuTextID();
        ids[1] = GetStatusMessageID();
        ids[2] = GetBitmapID();
    }));
    EXPECT_EQ(1u, ids[0]);
    EXPECT_EQ(101u, ids[2]);
    BOOL checked = TRUE;
    EXPECT_EQ(0, AllocationsDuring([&] { QueryStatus(nullptr, &checked); }));
    EXPECT_EQ(FALSE, checked) << "QueryStatus ran";
}

TEST(EntryPointsAllocateNothing, OnEvents)
{
    HWND window = StandinCreateWindow(EditorProc, nullptr);
    ASSERT_NE(nullptr, window);
    Editor = EditorLog{"", 0, 0, {}, 0, 0};
    const UINT events[] = {EVENT_SAVE_PARAM, EVENT_REPLAY_PARAM, EVENT_SAVE_PARAM | EVENT_REPLAY_PARAM, 0x1, 0};
    for (UINT bits : events)
        EXPECT_EQ(0, AllocationsDuring([&] { OnEvents(window, bits, 0x1234); })) << "events 0x" << std::hex << bits;
    EXPECT_EQ(2, Editor.replays) << "the parameter was sent back by both replaying events";
    EXPECT_EQ(0x1234u, Editor.replayed);
    StandinDestroyWindow(window);
}

TEST(EntryPointsAllocateNothing, PlugInProc)
{
    DllMain(StandinPluginModule(), DLL_PROCESS_ATTACH, nullptr);
    StandinSetMessageBoxAnswer(IDYES);
    // Every message of the table and its neighbours, with and without a destination.
    for (UINT msg = 0x8FF; msg <= 0x90A; msg++) {
        for (WPARAM capacity : {WPARAM(0), WPARAM(1), WPARAM(80)}) {
            char destination[80] = {};
            LRESULT result = 0;
            EXPECT_EQ(0, AllocationsDuring([&] {
                result = PlugInProc(nullptr, msg, capacity, reinterpret_cast<LPARAM>(destination));
            })) << "message 0x" << std::hex << msg << ", capacity " << std::dec << capacity;
            if (msg == PIP_GET_NAME && capacity == 80) {
                EXPECT_STREQ(STRING_PLUGIN_NAME, destination) << "the name request ran";
            }
            if (msg == PIP_CONFIRM_UNINSTALL) {
                EXPECT_EQ(1, result) << "the uninstall question ran";
            }
        }
        EXPECT_EQ(0, AllocationsDuring([&] { PlugInProc(nullptr, msg, 0x31, 0); }))
            << "message 0x" << std::hex << msg << " without a destination";
    }
    StandinResetMessageBox();
}

} // namespace
