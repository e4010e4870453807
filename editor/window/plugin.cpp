// Asking the loaded plug-in for its texts and pictures, as the editor does.
#include "plugin.h"

#include "text.h"

#include <algorithm>
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

namespace {

// Asks for the text into a buffer of exactly capacity characters, followed by guard characters filled with a
// mark, to see whether the plug-in writes beyond it. The text ends at the first NUL within the capacity.
template <typename Char>
std::basic_string<Char> AskIntoGuardedBuffer(const Plugin& plugin, HWND view, UINT message, size_t capacity,
                                             bool* overrun)
{
    const size_t GUARD = 16;
    const Char MARK = static_cast<Char>(0x5A);
    std::vector<Char> buffer(capacity + GUARD, MARK);
    buffer[0] = Char();
    plugin.plugInProc(view, message, capacity, reinterpret_cast<LPARAM>(buffer.data()));
    for (size_t i = capacity; i < buffer.size(); i++)
        *overrun |= buffer[i] != MARK;
    return std::basic_string<Char>(buffer.data(), std::find(buffer.data(), buffer.data() + capacity, Char()));
}

} // namespace

PluginTextAnswer PluginText(const Plugin& plugin, HWND view, UINT message, bool utf16)
{
    // Sizes beyond this are taken as a fault of the plug-in: the editor asks for no more.
    const LRESULT MOST = 4096;

    PluginTextAnswer answer;
    answer.size = plugin.plugInProc(view, message, 0, 0);
    if (answer.size <= 0 || answer.size > MOST)
        return answer;
    size_t capacity = static_cast<size_t>(answer.size);
    answer.text = utf16 ? AskIntoGuardedBuffer<wchar_t>(plugin, view, message, capacity, &answer.overrun)
                        : FromAnsi(AskIntoGuardedBuffer<char>(plugin, view, message, capacity, &answer.overrun));
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
