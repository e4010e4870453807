// The console editor's answers, by the host's contract, through the one implementation of the editor side.
#include "console_editor.h"

#include "editor_answers.h"
#include "plugin_abi.h"
#include "terminal.h"

#include "standin/standin.h"

#include <stdio.h>

LRESULT CALLBACK ConsoleEditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ConsoleEditor* editor = static_cast<ConsoleEditor*>(StandinWindowData(hwnd));
    if (msg == MSG_GET_SELECTION) {
        size_t count = 0;
        size_t answer = AnswerGetSelection(editor->selection.data(), editor->selection.size(), TerminalCodePage,
                                           reinterpret_cast<char*>(lParam), wParam, &count);
        std::string shown = count > 0 ? ": " + ForTerminal(editor->selection.substr(0, count)) : "";
        printf("  editor: asked for the selection into %lu bytes, hands over %lu%s\n",
               static_cast<unsigned long>(wParam), static_cast<unsigned long>(count), shown.c_str());
        return static_cast<LRESULT>(answer);
    }
    if (msg == MSG_INSERT_TEXT) {
        // The plug-in's texts fit its 8-byte buffer; reading stops there all the same.
        const char* text = reinterpret_cast<const char*>(lParam);
        bool terminated;
        size_t length = InsertedTextLength(text, 8, &terminated);
        printf("  editor: enters %s\n", ForTerminal(std::string(text ? text : "", length)).c_str());
        editor->entered = true;
        return 1;
    }
    printf("  editor: message 0x%X, wParam %lu\n", msg, static_cast<unsigned long>(wParam));
    return 0;
}
