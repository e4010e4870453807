// Loading a plug-in DLL as the editor does: the library by path, its seven exports by name.
#pragma once

#include "plugin_abi.h"

// A loaded plug-in: its library, the path it was loaded from and its exports; module null when none is.
struct Plugin {
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = L"";
    OnCommandProc onCommand = nullptr;
    QueryStatusProc queryStatus = nullptr;
    OnEventsProc onEvents = nullptr;
    GetMenuTextIdProc getMenuTextId = nullptr;
    GetStatusMessageIdProc getStatusMessageId = nullptr;
    GetBitmapIdProc getBitmapId = nullptr;
    PlugInProcProc plugInProc = nullptr;
};

// Room for any error of LoadPlugin, path included.
const size_t PLUGIN_ERROR_SIZE = MAX_PATH + 400;

// Loads the library at path and finds every export. On failure loads nothing and says why in error, in one
// line that names the path, NUL-terminated and cut to fit within errorSize characters.
bool LoadPlugin(const wchar_t* path, Plugin* plugin, wchar_t* error, size_t errorSize);
// Frees the library; plugin is empty afterwards.
void UnloadPlugin(Plugin* plugin);
