// The plug-in host: the plug-in's exports called, and their answers shown and kept.
#include "plugin_host.h"

#include "text.h"
#include "text_forms.h"
#include "transcript.h"
#include "view_events.h"

#include <algorithm>
#include <vector>

namespace {

Plugin Hosted;     // the process's plug-in; empty once uninstalled
PluginFacts Said;  // what the plug-in said of itself when last asked

// Asks for the text into a buffer of exactly capacity characters, followed by guard characters filled with a
// mark, to see whether the plug-in writes beyond it. The text ends at the first NUL within the capacity.
template <typename Char>
std::basic_string<Char> AskIntoGuardedBuffer(HWND view, UINT message, size_t capacity, bool* overrun)
{
    const size_t GUARD = 16;
    const Char MARK = static_cast<Char>(0x5A);
    std::vector<Char> buffer(capacity + GUARD, MARK);
    buffer[0] = Char();
    Hosted.plugInProc(view, message, capacity, reinterpret_cast<LPARAM>(buffer.data()));
    for (size_t i = capacity; i < buffer.size(); i++)
        *overrun |= buffer[i] != MARK;
    return std::basic_string<Char>(buffer.data(), std::find(buffer.data(), buffer.data() + capacity, Char()));
}

// One text asked in its UTF-16 form, then in its ANSI form when the plug-in has none in UTF-16: each asked
// for its size first, then into a buffer of that size. Sizes past 4096 are taken as the plug-in's fault.
std::wstring AskText(HWND view, const wchar_t* what, UINT utf16Message, UINT ansiMessage)
{
    LRESULT size = Hosted.plugInProc(view, utf16Message, 0, 0);
    std::wstring line = Format(L"  plug-in: %ls: 0x%X (UTF-16) answers %ld", what, utf16Message, static_cast<long>(size));
    bool utf16 = size != 0, overrun = false;
    if (!utf16) {
        size = Hosted.plugInProc(view, ansiMessage, 0, 0);
        line += Format(L", 0x%X (ANSI) answers %ld", ansiMessage, static_cast<long>(size));
    }
    std::wstring text;
    if (size > 0 && size <= 4096) {
        UINT message = utf16 ? utf16Message : ansiMessage;
        text = utf16 ? AskIntoGuardedBuffer<wchar_t>(view, message, size, &overrun)
                     : FromAnsi(AskIntoGuardedBuffer<char>(view, message, size, &overrun));
    }
    Say(line + L": " + Quoted(text) + (overrun ? L", written past the capacity given" : L""));
    return text;
}

bool AskYesNo(HWND view, UINT message, const wchar_t* meaning)
{
    LRESULT answer = Hosted.plugInProc(view, message, 0, 0);
    Say(Format(L"  plug-in: 0x%X (%ls) answers %ld", message, meaning, static_cast<long>(answer)));
    return answer != 0;
}

} // namespace

void HostPlugin(const Plugin& plugin)
{
    Hosted = plugin;
}

bool PluginLoaded()
{
    return Hosted.module != nullptr;
}

const wchar_t* PluginPath()
{
    return Hosted.path;
}

void AskPluginFacts(HWND view)
{
    Said.name = AskText(view, L"name", PIP_GET_NAME_UTF16, PIP_GET_NAME);
    Said.version = AskText(view, L"version", PIP_GET_VERSION_UTF16, PIP_GET_VERSION);
    Said.properties = AskYesNo(view, PIP_QUERY_PROPERTIES, L"has properties");
    Said.uninstall = AskYesNo(view, PIP_QUERY_UNINSTALL, L"takes part in its uninstall");
}

const PluginFacts& Facts()
{
    return Said;
}

void SendEvent(HWND view, int number, UINT event, LPARAM param)
{
    if (!Hosted.module)
        return;
    std::wstring window = number ? Format(L"view %d", number) : std::wstring(L"null");
    Say(Format(L"  events: OnEvents(%ls, 0x%X %hs, %ld)", window.c_str(), event, EventName(event),
               static_cast<long>(param)));
    Hosted.onEvents(view, event, param);
}

bool QueryCommand(HWND view, bool* checked)
{
    BOOL check = FALSE;
    bool enabled = Hosted.module && Hosted.queryStatus(view, &check);
    *checked = Hosted.module && check;
    return enabled;
}

void RunPluginCommand(HWND view)
{
    if (Hosted.module)
        Hosted.onCommand(view);
}

void ShowPluginProperties(HWND view)
{
    if (Hosted.module && Said.properties)
        Hosted.plugInProc(view, PIP_SHOW_PROPERTIES, 0, 0);
}

bool UninstallPlugin(HWND view)
{
    if (!Hosted.module)
        return false;
    Said.uninstall = AskYesNo(view, PIP_QUERY_UNINSTALL, L"takes part in its uninstall");
    if (!Said.uninstall) {
        Say(L"  editor: the plug-in is removed without being asked");
    } else {
        LRESULT agreed = Hosted.plugInProc(view, PIP_CONFIRM_UNINSTALL, 0, 0);
        Say(Format(L"  plug-in: 0x%X (confirm uninstall) answers %ld: ", PIP_CONFIRM_UNINSTALL,
                   static_cast<long>(agreed)) + (agreed == 1 ? L"the plug-in is removed" : L"the plug-in stays"));
        if (agreed != 1)
            return false;
    }
    FreePlugin();
    return true;
}

void FreePlugin()
{
    if (!Hosted.module)
        return;
    SendEvent(nullptr, 0, EVENT_CLOSE, 0);
    UnloadPlugin(&Hosted);
}

UINT PluginResourceId(PluginResource resource)
{
    if (!Hosted.module)
        return 0;
    return resource == MENU_TEXT ? Hosted.getMenuTextId()
           : resource == STATUS_MESSAGE ? Hosted.getStatusMessageId() : Hosted.getBitmapId();
}

std::wstring PluginString(UINT id)
{
    // With a zero size LoadStringW hands out a pointer to the resource's text itself, which has no NUL.
    const wchar_t* text = nullptr;
    int length = Hosted.module ? LoadStringW(Hosted.module, id, reinterpret_cast<LPWSTR>(&text), 0) : 0;
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}

HBITMAP LoadPluginBitmap(HWND view, WPARAM flags, PluginBitmap* bitmap)
{
    *bitmap = PluginBitmap();
    if (!Hosted.module)
        return nullptr;
    bitmap->number = static_cast<UINT>(Hosted.plugInProc(view, PIP_GET_BITMAP, flags, 0));
    HRSRC resource = FindResourceW(Hosted.module, MAKEINTRESOURCEW(bitmap->number), RT_BITMAP);
    HGLOBAL loaded = resource ? LoadResource(Hosted.module, resource) : nullptr;
    const BITMAPINFOHEADER* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (header && SizeofResource(Hosted.module, resource) >= sizeof *header) {
        bitmap->width = header->biWidth;
        bitmap->height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
        bitmap->bits = header->biBitCount;
        bitmap->colors = static_cast<int>(header->biClrUsed);
    }
    return static_cast<HBITMAP>(LoadImageW(Hosted.module, MAKEINTRESOURCEW(bitmap->number), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
}
