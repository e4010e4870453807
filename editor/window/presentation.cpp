// The scripted --present step: what the window shows of the plug-in, printed, in each toolbar mode.
#include "presentation.h"

#include "text.h"
#include "text_forms.h"
#include "transcript.h"

void PrintPresentation(Editor* editor)
{
    if (!PluginLoaded()) {
        wchar_t item[80] = L"";
        GetMenuStringW(editor->pluginMenu, 0, item, 80, MF_BYPOSITION);
        Say(Format(L"  plug-in: none loaded; Plug-ins menu: %ls; toolbar buttons: %d", Quoted(item).c_str(),
                   static_cast<int>(SendMessageW(editor->toolbar, TB_BUTTONCOUNT, 0, 0))));
        return;
    }
    // The plug-in procedure's answers, asked again as the plug-in settings would.
    AskPluginFacts(editor->view.hwnd);

    // What the Plug-ins menu shows once opened.
    SendMessageW(editor->frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editor->pluginMenu), 3);
    wchar_t item[256] = L"";
    GetMenuStringW(editor->pluginMenu, FIRST_PLUGIN_COMMAND, item, 256, MF_BYCOMMAND);
    UINT state = GetMenuState(editor->pluginMenu, FIRST_PLUGIN_COMMAND, MF_BYCOMMAND);
    Say(Format(L"  menu item %u: %ls (string %u), %ls, %ls", FIRST_PLUGIN_COMMAND, Quoted(item).c_str(),
               PluginResourceId(MENU_TEXT), state & MF_GRAYED ? L"disabled" : L"enabled",
               state & MF_CHECKED ? L"checked" : L"not checked"));
    const struct {
        UINT id;
        const wchar_t* name;
    } OTHERS[] = {{ID_PLUGIN_PROPERTIES, L"properties"}, {ID_PLUGIN_UNINSTALL, L"uninstall"}};
    for (const auto& other : OTHERS) {
        GetMenuStringW(editor->pluginMenu, other.id, item, 256, MF_BYCOMMAND);
        UINT otherState = GetMenuState(editor->pluginMenu, other.id, MF_BYCOMMAND);
        Say(Format(L"  menu item %ls: %ls, %ls", other.name, Quoted(item).c_str(),
                   otherState & MF_GRAYED ? L"disabled" : L"enabled"));
    }

    // The status bar while the item is highlighted, and the toolbar button's tooltip.
    SendMessageW(editor->frame, WM_MENUSELECT, MAKEWPARAM(FIRST_PLUGIN_COMMAND, MF_HILITE),
                 reinterpret_cast<LPARAM>(editor->pluginMenu));
    wchar_t status[256] = L"";
    SendMessageW(editor->status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
    SendMessageW(editor->frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Say(Format(L"  status bar: %ls (string %u)", Quoted(status).c_str(), PluginResourceId(STATUS_MESSAGE)));
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = editor->toolbar;
    info.hdr.idFrom = FIRST_PLUGIN_COMMAND;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(editor->frame, WM_NOTIFY, FIRST_PLUGIN_COMMAND, reinterpret_cast<LPARAM>(&info));
    Say(L"  tooltip: " + Quoted(info.lpszText ? info.lpszText : L""));
    LRESULT buttonState = SendMessageW(editor->toolbar, TB_GETSTATE, FIRST_PLUGIN_COMMAND, 0);
    Say(Format(L"  toolbar button %u: %ls, %ls", FIRST_PLUGIN_COMMAND,
               buttonState & TBSTATE_ENABLED ? L"enabled" : L"disabled",
               buttonState & TBSTATE_CHECKED ? L"checked" : L"not checked"));
    Say(Format(L"  default bitmap (GetBitmapID): %u", PluginResourceId(DEFAULT_BITMAP)));

    // The toolbar in each of the View menu's modes, then back to the mode it had.
    bool large = editor->large;
    int depth = editor->depth;
    const wchar_t* const DEPTHS[] = {L"16 colours", L"256 colours", L"true colour"};
    for (int size = 0; size < 2; size++) {
        for (int each = 0; each < 3; each++) {
            SendMessageW(editor->frame, WM_COMMAND, ID_VIEW_SMALL + size, 0);
            SendMessageW(editor->frame, WM_COMMAND, ID_VIEW_16_COLORS + each, 0);
            int width = 0, height = 0;
            ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(editor->toolbar, TB_GETIMAGELIST, 0, 0)),
                                  &width, &height);
            const PluginBitmap& bitmap = editor->bitmap;
            std::wstring format =
                bitmap.width == 0 ? std::wstring(L"no such bitmap in the module")
                : Format(L"%dx%d, %d bits a pixel, ", bitmap.width, bitmap.height, bitmap.bits) +
                      (bitmap.colors ? Format(L"%d palette colours", bitmap.colors) : std::wstring(L"no palette"));
            Say(Format(L"  toolbar %ls, %ls: 0x%X (bitmap) with flags 0x%X answers %u (%ls), button picture %dx%d",
                       size ? L"large" : L"small", DEPTHS[each], PIP_GET_BITMAP,
                       static_cast<unsigned>(BitmapFlags(editor->large, editor->depth)), bitmap.number,
                       format.c_str(), width, height));
        }
    }
    SendMessageW(editor->frame, WM_COMMAND, ID_VIEW_SMALL + large, 0);
    SendMessageW(editor->frame, WM_COMMAND, ID_VIEW_16_COLORS + depth, 0);
}
