// Loading the plug-in and asking it for its texts and pictures, as the editor does.
#include "plugin.h"

#include "text.h"

#include <string.h>

#include <vector>

template <typename Proc> static bool FindExport(HMODULE module, const char* name, Proc* proc, std::wstring* error)
{
    FARPROC found = GetProcAddress(module, name);
    if (!found) {
        *error = L"has no export " + FromAnsi(name);
        return false;
    }
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(found));
    return true;
}

bool LoadPlugin(const std::wstring& path, Plugin* plugin, std::wstring* error)
{
    Plugin loaded;
    loaded.path = path;
    loaded.module = LoadLibraryW(path.c_str());
    if (!loaded.module) {
        *error = Format(L"cannot load %ls (error %lu)", path.c_str(), GetLastError());
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
        *error = path + L" " + missing;
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

std::wstring PluginString(const Plugin& plugin, UINT id)
{
    // With a zero size LoadStringW hands out a pointer to the resource's text itself, which has no NUL.
    const wchar_t* text = nullptr;
    int length = LoadStringW(plugin.module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}

std::wstring StatusBarPart(const std::wstring& status)
{
    return status.substr(0, status.find(L'\n'));
}

std::wstring TooltipPart(const std::wstring& status)
{
    size_t feed = status.find(L'\n');
    return feed == std::wstring::npos ? std::wstring() : status.substr(feed + 1);
}

PluginTextAnswer PluginText(const Plugin& plugin, HWND editor, UINT message)
{
    // Sizes beyond this are taken as a fault of the plug-in: the editor asks for no more.
    const LRESULT MOST = 4096;
    // Bytes past the capacity, filled with a mark, to see whether the plug-in writes beyond it.
    const size_t GUARD = 16;
    const char MARK = '\x5A';

    PluginTextAnswer answer;
    answer.size = plugin.plugInProc(editor, message, 0, 0);
    if (answer.size <= 0 || answer.size > MOST)
        return answer;
    size_t capacity = static_cast<size_t>(answer.size);
    std::vector<char> buffer(capacity + GUARD, MARK);
    buffer[0] = '\0';
    plugin.plugInProc(editor, message, capacity, reinterpret_cast<LPARAM>(buffer.data()));
    for (size_t i = capacity; i < buffer.size(); i++)
        answer.overrun |= buffer[i] != MARK;
    answer.text = FromAnsi(std::string(buffer.data(), strnlen(buffer.data(), capacity)));
    return answer;
}

WPARAM BitmapFlags(bool large, int colors)
{
    WPARAM flags = large ? BMP_LARGE : 0;
    if (colors == 256)
        flags |= BMP_256COLOR;
    else if (colors == 0)
        flags |= BMP_TRUECOLOR;
    return flags;
}
