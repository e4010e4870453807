// Loading a plug-in DLL and finding its exports, with load failures explained.
#include "plugin_loader.h"

#include "load_error.h"

#include <string.h>

// The error message is put together from its parts, without a format: Debian's Wine on ARM64 misreads a
// va_list handed to its C runtime.

// Appends part to the NUL-terminated text in error (of size characters), cut to fit.
static void Append(wchar_t* error, size_t size, const wchar_t* part)
{
    size_t length = wcslen(error);
    while (*part && length + 1 < size)
        error[length++] = *part++;
    error[length] = L'\0';
}

// Appends an ASCII part, widened.
static void AppendNarrow(wchar_t* error, size_t size, const char* part)
{
    wchar_t wide[400];
    if (!MultiByteToWideChar(CP_ACP, 0, part, -1, wide, sizeof wide / sizeof *wide))
        wide[0] = L'\0';
    Append(error, size, wide);
}

// The message of a failed load, its parts in turn, the last one narrow; false, for the failure to return.
static bool Report(wchar_t* error, size_t size, const wchar_t* before, const wchar_t* path, const wchar_t* middle,
                   const char* narrow = "")
{
    if (size == 0)
        return false;
    error[0] = L'\0';
    Append(error, size, before);
    Append(error, size, path);
    Append(error, size, middle);
    AppendNarrow(error, size, narrow);
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

// The machine of the DLL at path from its headers; 0 when it cannot be read or is no Windows image.
static unsigned FileImageMachine(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    static unsigned char head[4096]; // not on the stack: a frame of a page would need a stack probe
    DWORD read = 0;
    BOOL ok = ReadFile(file, head, sizeof head, &read, nullptr);
    CloseHandle(file);
    return ok ? ImageMachine(head, read) : 0;
}

bool LoadPlugin(const wchar_t* path, Plugin* plugin, wchar_t* error, size_t errorSize)
{
    if (errorSize > 0)
        error[0] = L'\0';
    Plugin loaded;
    size_t pathLength = wcslen(path);
    if (pathLength >= MAX_PATH)
        return Report(error, errorSize, L"cannot load a plug-in from a path of more than 259 characters: ", path, L"");
    memcpy(loaded.path, path, (pathLength + 1) * sizeof *path);
    loaded.module = LoadLibraryW(path);
    if (!loaded.module) {
        DWORD code = GetLastError();
        char reason[400];
        // This program's machine from its own headers, which the system maps in the module's first page.
        const unsigned char* program = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
        LoadErrorReason(code, FileImageMachine(path), ImageMachine(program, 0x1000), reason, sizeof reason);
        return Report(error, errorSize, L"cannot load ", path, L": ", reason);
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
        return Report(error, errorSize, L"cannot use ", path, L" as a plug-in: it has no export ", missing);
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
