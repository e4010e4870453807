// The console's editor windows: what each holds, and its answers to the plug-in's messages.
#pragma once

#include "host/win32.h"

#include <string>

// The editor behind one stand-in window: its number, its selection, and whether the command entered text.
struct ConsoleEditor {
    int number;
    std::string selection;
    bool entered;
};

// The window procedure of a window whose data is a ConsoleEditor: the selection, in whole characters of the
// terminal's code page, and the text to enter, each shown on stdout as the editor sees it.
LRESULT CALLBACK ConsoleEditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
