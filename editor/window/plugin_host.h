// The one plug-in host: the only code that calls the plug-in's exports, and what the plug-in said of itself.
// Each call is shown in the transcript.
#pragma once

#include "plugin_loader.h"

#include <string>

// What the plug-in says of itself through PlugInProc.
struct PluginFacts {
    std::wstring name, version;
    bool properties = false; // PIP_QUERY_PROPERTIES answered non-zero: Properties is enabled
    bool uninstall = false;  // PIP_QUERY_UNINSTALL answered non-zero: Uninstall asks PIP_CONFIRM_UNINSTALL
};

// Takes the process's plug-in, which every window presents.
void HostPlugin(const Plugin& plugin);
bool PluginLoaded();
const wchar_t* PluginPath();

// Asks the plug-in for its facts, printing each answer; texts in UTF-16 first, in ANSI when that answers 0.
void AskPluginFacts(HWND view);
// What the plug-in said when last asked.
const PluginFacts& Facts();

// Calls OnEvents with the view, numbered for the transcript (the null window: 0), and prints the call.
void SendEvent(HWND view, int number, UINT event, LPARAM param);
// The command's state from QueryStatus with the view: enabled by its result, checked by the BOOL it writes.
bool QueryCommand(HWND view, bool* checked);
void RunPluginCommand(HWND view);
void ShowPluginProperties(HWND view);
// Plug-ins > Uninstall: a plug-in that takes part is asked (it asks the user); any other goes at once.
// True when the plug-in was removed.
bool UninstallPlugin(HWND view);
// Tells the plug-in that it may be freed (EVENT_CLOSE with the null window), then frees it.
void FreePlugin();

// What the plug-in names for the editor's menu, status bar and toolbar.
enum PluginResource { MENU_TEXT, STATUS_MESSAGE, DEFAULT_BITMAP };
UINT PluginResourceId(PluginResource resource);
// A string of the plug-in's string table; empty when it has none by that number.
std::wstring PluginString(UINT id);
// The bitmap that PIP_GET_BITMAP names for these flags, loaded (null if it cannot be), with its number and
// the format its own header gives (width 0 when there is no such resource).
struct PluginBitmap {
    UINT number = 0;
    int width = 0, height = 0, bits = 0, colors = 0;
};
HBITMAP LoadPluginBitmap(HWND view, WPARAM flags, PluginBitmap* bitmap);
