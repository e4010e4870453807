// Loading a plug-in DLL and finding its exports, with load failures explained.
#include "plugin_loader.h"

#include "load_error.h"

#include <vector>

namespace {

std::wstring Widen(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Finds an export by name, as the function type the editor declares for it.
template <typename Proc> bool FindExport(HMODULE module, const char* name, Proc* proc, std::wstring* missing)
{
    FARPROC found = GetProcAddress(module, name);
    if (!found) {
        *missing = Widen(name);
        return false;
    }
    // Through the generic function pointer type, which any function pointer converts to and from.
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(found));
    return true;
}

// The bits of the DLL at path from its headers; 0 when it cannot be read or is no Windows image.
int FileImageBits(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<unsigned char> head(4096);
    DWORD read = 0;
    BOOL ok = ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
    CloseHandle(file);
    return ok ? ImageBits(head.data(), read) : 0;
}

} // namespace

bool LoadPlugin(const std::wstring& path, Plugin* plugin, std::wstring* error)
{
    Plugin loaded;
    loaded.path = path;
    loaded.module = LoadLibraryW(path.c_str());
    if (!loaded.module) {
        DWORD code = GetLastError();
        *error = L"cannot load " + path + L": " +
                 Widen(LoadErrorReason(code, FileImageBits(path), static_cast<int>(sizeof(void*) * 8)));
        return false;
    }
    std::wstring missing;
    if (!FindExport(loaded.module, "OnCommand", &loaded.onCommand, &missing) ||
        !FindExport(loaded.module, "QueryStatus", &loaded.queryStatus, &missing) ||
        !FindExport(loaded.module, "OnEvents", &loaded.onEvents, &missing) ||
        !FindExport(loaded.module, "GetMenuTextID", &loaded.getMenuTextId, &missing) ||
        !FindExport(loaded.module, "GetStatusMessageID", &loaded.getStatusMessageId, &missing) ||
        !FindExport(loaded.module, "GetBitmapID", &loaded.getBitmapId, &missing) ||
        !FindExport(loaded.module, "PlugInProc", &loaded.plugInProc, &missing)) {
        *error = L"cannot use " + path + L" as a plug-in: it has no export " + missing;
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
