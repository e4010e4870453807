// Loading a plug-in DLL and finding its exports, with load failures explained.
#include "plugin_loader.h"

#include "load_error.h"

namespace {

// Appends to a NUL-terminated error message, cut to fit; narrow parts are ASCII.
struct Message {
    wchar_t* out;
    size_t size;
    size_t length;
};

void Add(Message* message, const wchar_t* part)
{
    for (; *part && message->length + 1 < message->size; part++)
        message->out[message->length++] = *part;
    if (message->size > 0)
        message->out[message->length] = L'\0';
}

void Add(Message* message, const char* ascii)
{
    wchar_t part[2] = L"";
    for (; *ascii; ascii++) {
        part[0] = static_cast<unsigned char>(*ascii);
        Add(message, part);
    }
}

// Finds an export by name, as the function type the editor declares for it.
template <typename Proc> bool FindExport(HMODULE module, const char* name, Proc* proc, const char** missing)
{
    FARPROC found = GetProcAddress(module, name);
    if (!found) {
        *missing = name;
        return false;
    }
    // Through the generic function pointer type, which any function pointer converts to and from.
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(found));
    return true;
}

// The bits of the DLL at path from its headers; 0 when it cannot be read or is no Windows image.
int FileImageBits(const wchar_t* path)
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

} // namespace

bool LoadPlugin(const wchar_t* path, Plugin* plugin, wchar_t* error, size_t errorSize)
{
    Message message = {error, errorSize, 0};
    Add(&message, L"");
    Plugin loaded;
    size_t pathLength = 0;
    while (path[pathLength])
        pathLength++;
    if (pathLength >= MAX_PATH) {
        Add(&message, "cannot load a plug-in from a path of more than 259 characters: ");
        Add(&message, path);
        return false;
    }
    for (size_t i = 0; i <= pathLength; i++)
        loaded.path[i] = path[i];
    loaded.module = LoadLibraryW(path);
    if (!loaded.module) {
        DWORD code = GetLastError();
        char reason[400];
        LoadErrorReason(code, FileImageBits(path), static_cast<int>(sizeof(void*) * 8), reason, sizeof reason);
        Add(&message, "cannot load ");
        Add(&message, path);
        Add(&message, ": ");
        Add(&message, reason);
        return false;
    }
    const char* missing = "";
    if (!FindExport(loaded.module, "OnCommand", &loaded.onCommand, &missing) ||
        !FindExport(loaded.module, "QueryStatus", &loaded.queryStatus, &missing) ||
        !FindExport(loaded.module, "OnEvents", &loaded.onEvents, &missing) ||
        !FindExport(loaded.module, "GetMenuTextID", &loaded.getMenuTextId, &missing) ||
        !FindExport(loaded.module, "GetStatusMessageID", &loaded.getStatusMessageId, &missing) ||
        !FindExport(loaded.module, "GetBitmapID", &loaded.getBitmapId, &missing) ||
        !FindExport(loaded.module, "PlugInProc", &loaded.plugInProc, &missing)) {
        Add(&message, "cannot use ");
        Add(&message, path);
        Add(&message, " as a plug-in: it has no export ");
        Add(&message, missing);
        FreeLibrary(loaded.module);
        return false;
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
