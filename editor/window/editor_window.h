// The stand-in editor's windows: document, menu, plug-ins toolbar and status bar, presenting the one plug-in.
//
// Every window presents the plug-in that the process has loaded and answers the messages that it sends.
// What the editor makes of the plug-in's answers and when it calls it:
// - QueryStatus: its result says whether the command is enabled; the BOOL it writes, whether the command's
//   menu item and toolbar button show checked. It is asked when the Plug-ins menu opens, when the toolbar
//   is built, when the window becomes active and after each run of the command.
// - OnEvents(EVENT_FIRST) whenever the start of a document's selection moves, with EventParam:
//   the window's number in the high 16 bits and where the selection starts in the low 16 bits.
// - OnEvents(EVENT_MODIFIED_CHANGED) whenever a window becomes active. The parameter that comes back in
//   MSG_UPDATE_TOOLBAR is shown in the status bar and, when it differs from the last one, in the transcript.
// - PIP_QUERY_UNINSTALL decides whether the Uninstall item is enabled; PIP_CONFIRM_UNINSTALL whether the
//   plug-in is unloaded, which takes its menu item and toolbar button from every window.
#pragma once

#include "plugin.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

// Menu and toolbar commands; the script sends them as the user's clicks would.
enum EditorCommand {
    ID_NEW_WINDOW = 100,
    ID_CLOSE_WINDOW,
    ID_EXIT,
    ID_VIEW_SMALL = 110,
    ID_VIEW_LARGE,
    ID_VIEW_16_COLORS,
    ID_VIEW_256_COLORS,
    ID_VIEW_TRUE_COLOR,
    ID_PLUGIN_COMMAND = 200,
    ID_PLUGIN_ABOUT,
    ID_PLUGIN_UNINSTALL,
};

// One editor window. The process's windows are numbered from 1 in the order they open.
struct Editor {
    int number = 0;
    HWND frame = nullptr;
    HWND document = nullptr;
    HWND toolbar = nullptr;
    HWND status = nullptr;
    HMENU pluginMenu = nullptr;

    // The toolbar's pictures: 16 x 16 or 24 x 24, and 16, 256 or 0 (true) colours.
    bool large = false;
    int colors = 16;
    HIMAGELIST images = nullptr;
    // The bitmap the plug-in named for them and the format it came in (0 when none could be loaded).
    UINT bitmapNumber = 0;
    int bitmapWidth = 0, bitmapHeight = 0, bitmapBits = 0, bitmapColors = 0;

    // Where the selection started when the plug-in was last told, and the parameter it sent back last.
    DWORD selectionStart = 0xFFFFFFFF;
    bool replayed = false;
    LPARAM replayParam = 0;

    // Counts of the plug-in's requests, so that a script can tell what a run did.
    int selectionRequests = 0;
    int insertions = 0;

    std::wstring tooltip; // kept for the tooltip control, which reads it after the notice returns
    WNDPROC documentProc = nullptr;
};

// Registers the window class and the common controls; once, before any window opens.
bool StartEditors(HINSTANCE instance);

// The process's plug-in, which every window presents. Setting it before the first window opens.
void SetPlugin(const Plugin& plugin);
const Plugin& CurrentPlugin();
bool PluginLoaded();

// Opens the next window (as File > New window does) and shows it; null if it cannot be created.
Editor* OpenEditor();
// The window with this number, or null.
Editor* FindEditor(int number);
int EditorCount();
void CloseEditors();

// The document: its text (line breaks as typed, \r\n), and the selection within it.
void SetDocument(Editor* editor, const std::wstring& text);
std::wstring DocumentText(const Editor* editor);
// Selects the first place where text stands; an empty text puts the caret at the end. False if absent.
bool SelectText(Editor* editor, const std::wstring& text);
std::wstring SelectedText(const Editor* editor);

// The parameter that goes with EVENT_FIRST for a selection starting at start.
LPARAM EventParam(int number, DWORD start);

// Prints what the window presents of the plug-in: texts, state, and the toolbar picture in every mode.
void PrintPresentation(Editor* editor);

// The area of the screen that a window covers, together with the pop-up menus the thread shows.
RECT WindowArea(HWND window, bool withMenus);
