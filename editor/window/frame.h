// The editor's windows: each a frame with its menus, plug-ins toolbar and status bar around its view. The
// frames present the plug-in (its Plug-ins menu item, toolbar button, status text and tooltip) and tell it
// when a window opens and closes.
#pragma once

#include "plugin_host.h"
#include "view.h"

#include <commctrl.h>

#include <vector>

// Menu commands; the script sends them as the user's clicks would. The plug-in's command has the ID the
// editor gives it, FIRST_PLUGIN_COMMAND.
enum EditorCommand {
    ID_FILE_NEW_WINDOW = 100,
    ID_FILE_SAVE,
    ID_FILE_CLOSE_WINDOW,
    ID_FILE_EXIT,
    ID_EDIT_OVERWRITE = 105,
    ID_VIEW_SMALL = 110, // the View menu's commands in the order of ViewMode
    ID_VIEW_LARGE,
    ID_VIEW_16_COLORS,
    ID_VIEW_256_COLORS,
    ID_VIEW_TRUE_COLOR,
    ID_PLUGIN_PROPERTIES = 200,
    ID_PLUGIN_ABOUT,
    ID_PLUGIN_UNINSTALL,
};

// One editor window. The process's windows are numbered from 1 in the order they open.
struct Editor {
    int number = 0;
    HWND frame = nullptr, toolbar = nullptr, status = nullptr;
    HMENU editMenu = nullptr, pluginMenu = nullptr;
    View view;

    // The toolbar's pictures: 24 x 24 when large, else 16 x 16; 16, 256 or true colours by depth 0 to 2; the
    // bitmap the plug-in named for them.
    bool large = false;
    int depth = 0;
    HIMAGELIST images = nullptr;
    PluginBitmap bitmap;
    std::wstring tooltip; // kept for the tooltip control, which reads it after the notice returns
};

// Registers the window class and the common controls; once, before any window opens.
bool StartEditors(HINSTANCE instance);
// Opens the next window (as File > New window does) and shows it; null if it cannot be created. The first
// window to open also gives the plug-in its first event and asks it for what the Plug-ins menu shows.
Editor* OpenEditor();
// The window with this number, or null.
Editor* FindEditor(int number);
// The open windows, in the order they opened.
const std::vector<Editor*>& AllEditors();
void CloseEditors();

// The PIP_GET_BITMAP flags for a toolbar of this size and depth.
WPARAM BitmapFlags(bool large, int depth);
// The area of the screen that a window covers, together with the pop-up menus the thread shows.
RECT WindowArea(HWND window, bool withMenus);
