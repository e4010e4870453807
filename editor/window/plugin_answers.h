// The editor's dealings with the process's plug-in: its calls into the plug-in (events, status, the command,
// the plug-in procedure) and its answers to the messages that the plug-in sends to a view.
#pragma once

#include "editor_window.h"
#include "plugin.h"

#include <string>

// The process's plug-in, which every window presents.
void SetPlugin(const Plugin& plugin);
const Plugin& CurrentPlugin();
bool PluginLoaded();

// What the plug-in says of itself through PlugInProc.
struct PluginFacts {
    std::wstring name, version;
    bool properties = false; // PIP_QUERY_PROPERTIES answered non-zero: Properties is enabled
    bool uninstall = false;  // PIP_QUERY_UNINSTALL answered non-zero: Uninstall asks PIP_CONFIRM_UNINSTALL
};
// Asks the plug-in, printing each answer: its name (UTF-16 form first, the ANSI one when that answers 0),
// its version the same way, whether it has properties and whether it takes part in its uninstall.
void AskPluginFacts(HWND view);
// What the plug-in said when last asked.
const PluginFacts& Facts();

// Calls OnEvents with the window's view, or the null window for a null editor, and prints the call.
void SendEvent(const Editor* editor, UINT event, LPARAM param);
// The command's state from QueryStatus with the view: enabled by its result, checked by the BOOL it writes.
bool QueryCommand(const Editor* editor, bool* checked);

// The view's answer to a message in the editor's range (MSG_EDITOR_FIRST to MSG_EDITOR_LAST).
LRESULT AnswerPluginMessage(Editor* editor, UINT message, WPARAM wParam, LPARAM lParam);

// The Plug-ins menu's items: the command (if QueryStatus enables it), Properties, About and Uninstall.
void RunCommand(Editor* editor);
void ShowProperties(Editor* editor);
void ShowAbout(Editor* editor);
void Uninstall(Editor* editor);

// Tells the plug-in that it may be freed (EVENT_CLOSE with the null window), then frees it.
void FreePlugin();
