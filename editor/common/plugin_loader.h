// Loading a plug-in DLL as the editor does: the library by path, its seven exports by name.
#pragma once

#include "plugin_abi.h"

#include <string>

// A loaded plug-in: its library and its exports. Empty (module null) when none is loaded.
struct Plugin {
    HMODULE module = nullptr;
    std::wstring path;
    OnCommandProc onCommand = nullptr;
    QueryStatusProc queryStatus = nullptr;
    OnEventsProc onEvents = nullptr;
    GetMenuTextIdProc getMenuTextId = nullptr;
    GetStatusMessageIdProc getStatusMessageId = nullptr;
    GetBitmapIdProc getBitmapId = nullptr;
    PlugInProcProc plugInProc = nullptr;
};

// Loads the library at path and finds every export. On failure loads nothing and says why in error, in one
// line that names the path: a library that cannot load, or one without an export the editor needs.
bool LoadPlugin(const std::wstring& path, Plugin* plugin, std::wstring* error);
// Frees the library; plugin is empty afterwards.
void UnloadPlugin(Plugin* plugin);
