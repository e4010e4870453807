// The view: the edit control that shows a window's document, and the window the plug-in deals with. It tells
// the plug-in of its changes, one event a call, and answers its messages; it tells its frame through the
// messages below and calls nothing above it.
#pragma once

#include "view_events.h"

#include <windows.h>

#include <string>

// Sent to the frame: the modified state or the Overwrite setting changed (the status bar shows them).
const UINT WM_VIEW_MODE_CHANGED = WM_APP + 1;
// Sent to the frame: the plug-in asked for its command to be redrawn; wParam enabled, lParam checked.
const UINT WM_VIEW_COMMAND_STATE = WM_APP + 2;

struct View {
    int number = 0; // the window's number, which the transcript shows
    HWND hwnd = nullptr, frame = nullptr;
    WNDPROC own = nullptr; // the edit control's own procedure, under the view's

    // The document, and what the plug-in was last told of it.
    unsigned long textVersion = 0; // counts the text's alterations
    std::wstring lastText;         // the text at the last alteration: a change notice that changed nothing is none
    bool modified = false;         // altered since it was opened or last saved
    ViewState told;

    bool settingUp = false; // the script sets the document up: no events, and it stays unmodified
    bool telling = false;   // events are being sent: a look at the view from within them waits
    bool closing = false;   // the window is being closed: no events any more

    // What the plug-in's insertions did: texts entered, and why the last one could not be (empty if it was).
    int insertions = 0;
    std::wstring failure;
};

// Creates the view as the frame's child control id, showing its document in font.
bool CreateView(View* view, HWND frame, int id, HFONT font);
// The frame passes on the edit control's change notice (EN_CHANGE).
void NoteTextChange(View* view);

// Sets the document's text (line breaks \r\n), all selected and unmodified, without events; false, keeping
// what it held, if the view did not take it whole.
bool OpenDocument(View* view, const std::wstring& text);
std::wstring DocumentText(const View* view);
// Selects the first place where text stands; an empty text puts the caret at the end. False if absent.
bool SelectText(View* view, const std::wstring& text);
std::wstring SelectedText(const View* view);
// Types text at the caret, key by key, as the user would.
void TypeText(View* view, const std::wstring& text);
// File > Save: the document counts as saved, unmodified; nothing is written.
void SaveDocument(View* view);
// The most characters the view holds.
void SetDocumentLimit(View* view, UINT characters);

// The user's Edit > Overwrite setting, one for the whole editor (default off: insert).
void SetOverwrite(bool on);
bool OverwriteOn();
