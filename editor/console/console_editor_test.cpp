// The console editor's answers to the plug-in's selection and insertion requests, on the table every
// stand-in's tests run, in each character set a terminal may have.
#include "console_editor.h"
#include "plugin_abi.h"
#include "selection_test_cases.h"
#include "terminal.h"

#include "standin/standin.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

namespace {

// The console's answer, through its window, in a terminal of the case's character set.
size_t ConsoleAnswer(const SelectionCase& c, char* buffer, size_t*)
{
    SetTerminalCharset(c.charset);
    ConsoleEditor editor = {1, c.text, false};
    HWND window = StandinCreateWindow(ConsoleEditorProc, &editor);
    LRESULT answer = SendMessageA(window, MSG_GET_SELECTION, c.capacity, reinterpret_cast<LPARAM>(buffer));
    StandinDestroyWindow(window);
    return static_cast<size_t>(answer);
}

void Fail(const char* line)
{
    ADD_FAILURE() << line;
}

TEST(ConsoleEditor, HandsOverTheSelectionAsTheWindowDoes)
{
    CheckSelectionCases(ConsoleAnswer, nullptr, Fail);
}

TEST(ConsoleEditor, EntersTheTextUpToItsNulAndCountsIt)
{
    const struct {
        const char* bytes; // what the plug-in hands over: at most 8 of them read
        const char* shown; // what the console says it enters
    } cases[] = {
        {"lime\0#00ff00", "  editor: enters \"lime\"\n"},
        {"#00ff00", "  editor: enters \"#00ff00\"\n"},
        {"", "  editor: enters \"\"\n"},
        {"\xE8\xB5\xA4\x90\x46", "  editor: enters \"\\xE8\\xB5\\xA4\\x90F\"\n"},
        {"#00ff00ff", "  editor: enters \"#00ff00f\"\n"}, // no NUL in the 8 bytes read
    };
    SetTerminalCharset(SINGLE_BYTE);
    for (const auto& c : cases) {
        ConsoleEditor editor = {1, "", false};
        HWND window = StandinCreateWindow(ConsoleEditorProc, &editor);
        testing::internal::CaptureStdout();
        LRESULT answer = SendMessageA(window, MSG_INSERT_TEXT, 0, reinterpret_cast<LPARAM>(c.bytes));
        fflush(stdout);
        std::string output = testing::internal::GetCapturedStdout();
        StandinDestroyWindow(window);
        EXPECT_EQ(c.shown, output);
        EXPECT_EQ(1, answer) << c.shown;
        EXPECT_TRUE(editor.entered) << c.shown;
    }
}

} // namespace
