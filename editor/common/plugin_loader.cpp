// Loading a plug-in DLL and finding its exports, with load failures explained.
#include "plugin_loader.h"

#include "load_error.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

// The error message, formatted by the system C runtime and cut to fit; false, for a failed load to return.
static bool Report(wchar_t* error, size_t size, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    if (size > 0) {
        _vsnwprintf(error, size - 1, format, args);
        error[size - 1] = L'\0';
    }
    va_end(args);
    return false;
}

// Finds an export by name, as the function type the editor declares for it.
template <typename Proc> static bool FindExport(HMODULE module, const char* name, Proc* proc, const char** missing)
{
    FARPROC found = GetProcAddress(module, name);
    *missing = name;
    // Through the generic function pointer type, which any function pointer converts to and from.
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(found));
    return found != nullptr;
}

// The bits of the DLL at path from its headers; 0 when it cannot be read or is no Windows image.
static int FileImageBits(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    static unsigned char head[4096]; // not on the stack: a frame of a page would need a stack probe
    DWORD read = 0;
    BOOL ok = ReadFile(file, head, sizeof head, &read, nullptr);
    CloseHandle(file);
    return ok ? ImageBits(head, read) : 0;
}

bool LoadPlugin(const wchar_t* path, Plugin* plugin, wchar_t* error, size_t errorSize)
{
    Report(error, errorSize, L"");
    Plugin loaded;
    size_t pathLength = wcslen(path);
    if (pathLength >= MAX_PATH)
        return Report(error, errorSize, L"cannot load a plug-in from a path of more than 259 characters: %ls", path);
    memcpy(loaded.path, path, (pathLength + 1) * sizeof *path);
    loaded.module = LoadLibraryW(path);
    if (!loaded.module) {
        DWORD code = GetLastError();
        char reason[400];
        LoadErrorReason(code, FileImageBits(path), static_cast<int>(sizeof(void*) * 8), reason, sizeof reason);
        return Report(error, errorSize, L"cannot load %ls: %hs", path, reason);
    }
    const char* missing = "";
    if (!FindExport(loaded.module, "OnCommand", &loaded.onCommand, &missing) ||
        !FindExport(loaded.module, "QueryStatus", &loaded.queryStatus, &missing) ||
        !FindExport(loaded.module, "OnEvents", &loaded.onEvents, &missing) ||
        !FindExport(loaded.module, "GetMenuTextID", &loaded.getMenuTextId, &missing) ||
        !FindExport(loaded.module, "GetStatusMessageID", &loaded.getStatusMessageId, &missing) ||
        !FindExport(loaded.module, "GetBitmapID", &loaded.getBitmapId, &missing) ||
        !FindExport(loaded.module, "PlugInProc", &loaded.plugInProc, &missing)) {
        FreeLibrary(loaded.module);
        return Report(error, errorSize, L"cannot use %ls as a plug-in: it has no export %hs", path, missing);
    }
    *plugin = loaded;
    return true;
}

void UnloadPlugin(Plugin* plugin)
{
    if (plugin->module)
        FreeLibrary(plugin->module);
    *plugin = Plugin();
}
