// The console editor's answers to the plug-in's selection request, on the table every stand-in's tests run.
#include "console_editor.h"
#include "plugin_abi.h"
#include "selection_test_cases.h"
#include "terminal.h"

#include "standin/standin.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

TEST(ConsoleEditor, HandsOverTheSelectionAsTheWindowDoes)
{
    const size_t GUARD = 8;
    for (const SelectionCase& c : SELECTION_CASES) {
        SetTerminalCharset(c.charset);
        ConsoleEditor editor = {1, c.text, false};
        HWND window = StandinCreateWindow(ConsoleEditorProc, &editor);
        std::string area(GUARD + c.capacity + GUARD, '\xA5');
        LRESULT answer = SendMessageA(window, MSG_GET_SELECTION, c.capacity, reinterpret_cast<LPARAM>(&area[GUARD]));
        StandinDestroyWindow(window);
        std::string expected = std::string(GUARD, '\xA5') + std::string(c.text, c.handedOver) +
                               (c.handedOver < c.capacity ? std::string(1, '\0') : "");
        expected.resize(area.size(), '\xA5');
        EXPECT_EQ(static_cast<LRESULT>(strlen(c.text) + 1), answer) << c.charset << " \"" << c.text << "\"";
        EXPECT_EQ(expected, area) << c.charset << " \"" << c.text << "\" into " << c.capacity;
    }
}

TEST(ConsoleEditor, EntersTheTextUpToItsNulAndCountsIt)
{
    ConsoleEditor editor = {1, "", false};
    HWND window = StandinCreateWindow(ConsoleEditorProc, &editor);
    SendMessageA(window, MSG_INSERT_TEXT, 0, reinterpret_cast<LPARAM>("lime"));
    EXPECT_TRUE(editor.entered);
    StandinDestroyWindow(window);
}

} // namespace
