// The stand-in editor's windows: a frame with its menu, plug-ins toolbar and status bar around the view, the
// edit control that shows the document.
//
// The view is the window the plug-in deals with: every export gets it, and it answers the plug-in's
// messages (plugin_answers.h). What the editor tells the plug-in of the view, as OnEvents calls: text
// altered, modified state changed, selection changed, caret moved (after each change, one event a call),
// focus gained and lost; when a frame opens and when it is being closed.
#pragma once

#include "plugin_loader.h"
#include "view_events.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// Menu commands; the script sends them as the user's clicks would. The plug-in's command has the ID the
// editor gives it, FIRST_PLUGIN_COMMAND.
enum EditorCommand {
    ID_FILE_NEW_WINDOW = 100,
    ID_FILE_SAVE,
    ID_FILE_CLOSE_WINDOW,
    ID_FILE_EXIT,
    ID_EDIT_OVERWRITE = 105,
    ID_VIEW_SMALL = 110,
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
    HWND frame = nullptr;
    HWND view = nullptr;
    HWND toolbar = nullptr;
    HWND status = nullptr;
    HMENU editMenu = nullptr;
    HMENU pluginMenu = nullptr;
    WNDPROC viewProc = nullptr; // the edit control's own procedure, under the editor's

    // The toolbar's pictures: 16 x 16 or 24 x 24, and 16, 256 or 0 (true) colours.
    bool large = false;
    int colors = 16;
    HIMAGELIST images = nullptr;
    // The bitmap the plug-in named for them and the format it came in (0 when none could be loaded).
    UINT bitmapNumber = 0;
    int bitmapWidth = 0, bitmapHeight = 0, bitmapBits = 0, bitmapColors = 0;

    unsigned long textVersion = 0; // counts the view's text alterations
    std::wstring lastText;         // the view's text at the last alteration: a notice that changed nothing is none
    bool modified = false;         // the document altered since it was opened or last saved
    ViewState told;          // the view as the plug-in was last told of it
    bool settingUp = false;  // the script sets the document up: no events, and it stays unmodified
    bool telling = false;    // events are being sent: a look at the view from within them waits
    bool closing = false;    // the frame is being closed: no events any more
    int insertions = 0;      // texts the plug-in had entered, so that a script can tell what a run did
    std::wstring failure;    // why the editor could not do what the plug-in asked; empty when it could
    std::wstring tooltip;    // kept for the tooltip control, which reads it after the notice returns
};

// Registers the window class and the common controls; once, before any window opens.
bool StartEditors(HINSTANCE instance);

// Opens the next window (as File > New window does) and shows it; null if it cannot be created. The first
// window to open also gives the plug-in its first event and asks it for what the Plug-ins menu shows.
Editor* OpenEditor();
// The window with this number, or null.
Editor* FindEditor(int number);
int EditorCount();
// The open windows, in the order they opened.
std::vector<Editor*> AllEditors();
void CloseEditors();

// Builds the Plug-ins menu and the toolbar of every window afresh, after the plug-in came or went.
void RebuildPluginControls();
// Asks the plug-in for the command's state and shows it on the toolbar button and menu item.
void RefreshCommand(Editor* editor);
// The command's toolbar button and menu item drawn in the state given.
void ShowCommandState(Editor* editor, bool enabled, bool checked);
// The toolbar's picture size and depth, as the View menu sets them.
void SetToolbarMode(Editor* editor, bool large, int colors);

// Tells the plug-in of what changed in the view since it was last told.
void TellViewChanges(Editor* editor);

// The document: its text (line breaks \r\n), and the selection within it.
// Opening a document sets its text, all selected and unmodified, without events; false if the view did not
// take it whole (it then holds what it held before).
bool OpenDocument(Editor* editor, const std::wstring& text);
std::wstring DocumentText(const Editor* editor);
// Puts text and selection back as they were, without events; the modified state stays.
void RestoreDocument(Editor* editor, const std::wstring& text, DWORD start, DWORD end);
// Selects the first place where text stands; an empty text puts the caret at the end. False if absent.
bool SelectText(Editor* editor, const std::wstring& text);
std::wstring SelectedText(const Editor* editor);
void GetSelection(const Editor* editor, DWORD* start, DWORD* end);
// Types text at the caret, key by key, as the user would.
void TypeText(Editor* editor, const std::wstring& text);
// File > Save: the document counts as saved, unmodified; nothing is written.
void SaveDocument(Editor* editor);
// Edit > Overwrite, on or off.
void SetOverwrite(bool on);
// The most characters the view holds.
void SetDocumentLimit(Editor* editor, UINT characters);

// The user's Edit > Overwrite setting, one for the whole editor (default off: insert).
bool OverwriteOn();

// The area of the screen that a window covers, together with the pop-up menus the thread shows.
RECT WindowArea(HWND window, bool withMenus);
