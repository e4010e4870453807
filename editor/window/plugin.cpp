// Asking the loaded plug-in for its texts and pictures, as the editor does.
#include "plugin.h"

#include "text.h"

#include <string.h>
#include <wchar.h>

#include <vector>

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

PluginTextAnswer PluginText(const Plugin& plugin, HWND view, UINT message, bool utf16)
{
    // Sizes beyond this are taken as a fault of the plug-in: the editor asks for no more.
    const LRESULT MOST = 4096;
    // Characters past the capacity, filled with a mark, to see whether the plug-in writes beyond it.
    const size_t GUARD = 16;
    const wchar_t MARK = 0x5A5A;

    PluginTextAnswer answer;
    answer.size = plugin.plugInProc(view, message, 0, 0);
    if (answer.size <= 0 || answer.size > MOST)
        return answer;
    size_t capacity = static_cast<size_t>(answer.size);
    if (utf16) {
        std::vector<wchar_t> buffer(capacity + GUARD, MARK);
        buffer[0] = L'\0';
        plugin.plugInProc(view, message, capacity, reinterpret_cast<LPARAM>(buffer.data()));
        for (size_t i = capacity; i < buffer.size(); i++)
            answer.overrun |= buffer[i] != MARK;
        answer.text.assign(buffer.data(), wcsnlen(buffer.data(), capacity));
        return answer;
    }
    std::vector<char> buffer(capacity + GUARD, static_cast<char>(MARK));
    buffer[0] = '\0';
    plugin.plugInProc(view, message, capacity, reinterpret_cast<LPARAM>(buffer.data()));
    for (size_t i = capacity; i < buffer.size(); i++)
        answer.overrun |= buffer[i] != static_cast<char>(MARK);
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
