// The editor window's frame: menus, plug-ins toolbar and status bar, and the commands they give.
#include "frame.h"

#include "text.h"
#include "transcript.h"

#include <algorithm>

namespace {

const wchar_t CLASS_NAME[] = L"HuebirdStandInEditor";
const int ID_VIEW = 1;
const int ID_TOOLBAR = 2;
const int ID_STATUS = 3;
const wchar_t READY[] = L"Ready";

HINSTANCE Instance;           // the program's module, which owns the window class
std::vector<Editor*> Editors; // the open windows, in the order they opened
int WindowsOpened;            // windows opened so far, which numbers the next one
HFONT DocumentFont;           // the views' fixed-pitch font, which shows Japanese text
bool PluginGreeted;           // the plug-in has had its first event and been asked about itself

Editor* EditorOf(HWND hwnd)
{
    return reinterpret_cast<Editor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void ShowStatus(Editor* editor, const std::wstring& text)
{
    SendMessageW(editor->status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The status bar's second part: the insertion mode and whether the document is modified.
void ShowMode(Editor* editor)
{
    std::wstring text = std::wstring(OverwriteOn() ? L"Overwrite" : L"Insert") +
                        (editor->view.modified ? L", modified" : L"");
    SendMessageW(editor->status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

// The plug-in's status string: the status bar's text before its line feed, the tooltip after it.
std::wstring StatusPart(bool tooltip)
{
    std::wstring status = PluginString(PluginResourceId(STATUS_MESSAGE));
    size_t feed = status.find(L'\n');
    if (tooltip)
        return feed == std::wstring::npos ? std::wstring() : status.substr(feed + 1);
    return status.substr(0, feed);
}

// The command's toolbar button and menu item drawn in the state given.
void ShowCommandState(Editor* editor, bool enabled, bool checked)
{
    if (editor->toolbar) {
        LPARAM state = (enabled ? TBSTATE_ENABLED : 0) | (checked ? TBSTATE_CHECKED : 0);
        SendMessageW(editor->toolbar, TB_SETSTATE, FIRST_PLUGIN_COMMAND, state);
    }
    EnableMenuItem(editor->pluginMenu, FIRST_PLUGIN_COMMAND, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(editor->pluginMenu, FIRST_PLUGIN_COMMAND, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Asks the plug-in for the command's state and shows it on the toolbar button and menu item.
void RefreshCommand(Editor* editor)
{
    bool checked = false;
    if (!PluginLoaded())
        return;
    bool enabled = QueryCommand(editor->view.hwnd, &checked);
    ShowCommandState(editor, enabled, checked);
}

void Layout(Editor* editor)
{
    RECT client, bar, status;
    GetClientRect(editor->frame, &client);
    SendMessageW(editor->toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageW(editor->status, WM_SIZE, 0, 0);
    GetWindowRect(editor->toolbar, &bar);
    GetWindowRect(editor->status, &status);
    int top = bar.bottom - bar.top;
    int bottom = client.bottom - (status.bottom - status.top);
    MoveWindow(editor->view.hwnd, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
    int parts[2] = {client.right > 200 ? client.right - 200 : client.right / 2, -1};
    SendMessageW(editor->status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

// The plug-ins toolbar, made afresh for the plug-in and the picture size and depth chosen in the View menu.
void BuildToolbar(Editor* editor)
{
    if (editor->toolbar)
        DestroyWindow(editor->toolbar);
    if (editor->images)
        ImageList_Destroy(editor->images);
    editor->images = nullptr;
    editor->bitmap = PluginBitmap();
    editor->toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                      editor->frame, reinterpret_cast<HMENU>(ID_TOOLBAR), Instance, nullptr);
    SendMessageW(editor->toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (PluginLoaded()) {
        int size = editor->large ? 24 : 16;
        const UINT IMAGE_DEPTHS[] = {ILC_COLOR4, ILC_COLOR8, ILC_COLOR24};
        editor->images = ImageList_Create(size, size, IMAGE_DEPTHS[editor->depth], 1, 0);
        SendMessageW(editor->toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(editor->images));
        HBITMAP bitmap =
            LoadPluginBitmap(editor->view.hwnd, BitmapFlags(editor->large, editor->depth), &editor->bitmap);
        if (bitmap) {
            ImageList_Add(editor->images, bitmap, nullptr);
            DeleteObject(bitmap);
        }
        TBBUTTON button = {0, FIRST_PLUGIN_COMMAND, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
        SendMessageW(editor->toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        RefreshCommand(editor);
    }
    Layout(editor);
}

// The Plug-ins menu: the plug-in's command, Properties, About and Uninstall; or a note that there is none.
void BuildPluginMenu(Editor* editor)
{
    while (GetMenuItemCount(editor->pluginMenu) > 0)
        DeleteMenu(editor->pluginMenu, 0, MF_BYPOSITION);
    if (!PluginLoaded()) {
        AppendMenuW(editor->pluginMenu, MF_STRING | MF_GRAYED, 0, L"(no plug-in)");
        return;
    }
    const PluginFacts& facts = Facts();
    AppendMenuW(editor->pluginMenu, MF_STRING, FIRST_PLUGIN_COMMAND, PluginString(PluginResourceId(MENU_TEXT)).c_str());
    AppendMenuW(editor->pluginMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(editor->pluginMenu, MF_STRING | (facts.properties ? 0 : MF_GRAYED), ID_PLUGIN_PROPERTIES,
                (facts.name + L" &Properties...").c_str());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_ABOUT, (L"&About " + facts.name + L"...").c_str());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_UNINSTALL, (L"&Uninstall " + facts.name + L"...").c_str());
    RefreshCommand(editor);
}

void SetToolbarMode(Editor* editor, bool large, int depth)
{
    editor->large = large;
    editor->depth = depth;
    HMENU menu = GetMenu(editor->frame);
    CheckMenuRadioItem(menu, ID_VIEW_SMALL, ID_VIEW_LARGE, ID_VIEW_SMALL + large, MF_BYCOMMAND);
    CheckMenuRadioItem(menu, ID_VIEW_16_COLORS, ID_VIEW_TRUE_COLOR, ID_VIEW_16_COLORS + depth, MF_BYCOMMAND);
    BuildToolbar(editor);
}

HMENU BuildMenuBar(Editor* editor)
{
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), view = CreatePopupMenu();
    HMENU edit = editor->editMenu = CreatePopupMenu(), plugins = editor->pluginMenu = CreatePopupMenu();
    const struct {
        HMENU menu;
        UINT_PTR id; // 0: a separator; a pop-up menu on the bar
        const wchar_t* text;
    } ITEMS[] = {
        {file, ID_FILE_NEW_WINDOW, L"&New window"}, {file, ID_FILE_SAVE, L"&Save"},
        {file, ID_FILE_CLOSE_WINDOW, L"&Close window"}, {file, 0, nullptr}, {file, ID_FILE_EXIT, L"E&xit"},
        {edit, ID_EDIT_OVERWRITE, L"&Overwrite"},
        {view, ID_VIEW_SMALL, L"&Small toolbar pictures"}, {view, ID_VIEW_LARGE, L"&Large toolbar pictures"},
        {view, 0, nullptr}, {view, ID_VIEW_16_COLORS, L"&16 colours"}, {view, ID_VIEW_256_COLORS, L"&256 colours"},
        {view, ID_VIEW_TRUE_COLOR, L"&True colour"},
        {bar, reinterpret_cast<UINT_PTR>(file), L"&File"}, {bar, reinterpret_cast<UINT_PTR>(edit), L"&Edit"},
        {bar, reinterpret_cast<UINT_PTR>(view), L"&View"}, {bar, reinterpret_cast<UINT_PTR>(plugins), L"&Plug-ins"},
    };
    for (const auto& item : ITEMS)
        AppendMenuW(item.menu, item.menu == bar ? MF_POPUP : item.id ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    return bar;
}

// Every window's Plug-ins menu, toolbar and status bar afresh, after the plug-in went.
void RebuildPluginControls()
{
    for (Editor* each : Editors) {
        BuildPluginMenu(each);
        BuildToolbar(each);
        ShowStatus(each, READY);
    }
}

void OnCommandMessage(Editor* editor, int id)
{
    bool checked;
    switch (id) {
    case ID_FILE_NEW_WINDOW: OpenEditor(); break;
    case ID_FILE_SAVE: SaveDocument(&editor->view); break;
    case ID_FILE_CLOSE_WINDOW: DestroyWindow(editor->frame); break;
    case ID_FILE_EXIT: CloseEditors(); break;
    case ID_EDIT_OVERWRITE:
        SetOverwrite(!OverwriteOn());
        Say(OverwriteOn() ? L"  editor: Edit > Overwrite on" : L"  editor: Edit > Overwrite off");
        for (Editor* each : Editors)
            ShowMode(each);
        break;
    case ID_VIEW_SMALL:
    case ID_VIEW_LARGE: SetToolbarMode(editor, id == ID_VIEW_LARGE, editor->depth); break;
    case ID_VIEW_16_COLORS:
    case ID_VIEW_256_COLORS:
    case ID_VIEW_TRUE_COLOR: SetToolbarMode(editor, editor->large, id - ID_VIEW_16_COLORS); break;
    case FIRST_PLUGIN_COMMAND:
        if (!PluginLoaded())
            break;
        if (!QueryCommand(editor->view.hwnd, &checked)) {
            Say(L"  editor: the command is disabled");
            break;
        }
        RunPluginCommand(editor->view.hwnd);
        RefreshCommand(editor);
        break;
    case ID_PLUGIN_PROPERTIES: ShowPluginProperties(editor->view.hwnd); break;
    case ID_PLUGIN_ABOUT:
        if (PluginLoaded())
            MessageBoxW(editor->frame, (Facts().name + L"\n" + Facts().version).c_str(), L"About plug-in",
                        MB_OK | MB_ICONINFORMATION);
        break;
    case ID_PLUGIN_UNINSTALL:
        if (UninstallPlugin(editor->view.hwnd))
            RebuildPluginControls();
        break;
    }
}

LRESULT OnNotify(Editor* editor, NMHDR* header)
{
    if (header->code == TTN_GETDISPINFOW && header->idFrom == FIRST_PLUGIN_COMMAND && PluginLoaded()) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        editor->tooltip = StatusPart(true);
        info->lpszText = const_cast<wchar_t*>(editor->tooltip.c_str());
    } else if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == editor->toolbar) {
        NMTBHOTITEM* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        bool onCommand = !(hot->dwFlags & HICF_LEAVING) && hot->idNew == FIRST_PLUGIN_COMMAND && PluginLoaded();
        ShowStatus(editor, onCommand ? StatusPart(false) : std::wstring(READY));
    }
    return 0;
}

void OnMenuSelect(Editor* editor, UINT id, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu)
        ShowStatus(editor, READY); // the menu closed
    else if (id == FIRST_PLUGIN_COMMAND && !(flags & MF_POPUP) && PluginLoaded())
        ShowStatus(editor, StatusPart(false));
    else
        ShowStatus(editor, L"");
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Editor* editor = EditorOf(hwnd);
    if (message == WM_NCCREATE) {
        editor = static_cast<Editor*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        editor->frame = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    }
    if (!editor)
        return DefWindowProcW(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_CREATE:
        // Without its view the window cannot open: the plug-in would be handed a null window.
        if (!CreateView(&editor->view, hwnd, ID_VIEW, DocumentFont))
            return -1;
        editor->status = CreateWindowExW(0, STATUSCLASSNAMEW, READY, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                         0, hwnd, reinterpret_cast<HMENU>(ID_STATUS), Instance, nullptr);
        return 0;
    case WM_SIZE: Layout(editor); return 0;
    case WM_SETFOCUS: SetFocus(editor->view.hwnd); return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == editor->view.hwnd && editor->view.hwnd) {
            if (HIWORD(wParam) == EN_CHANGE)
                NoteTextChange(&editor->view);
        } else if (lParam == 0 || reinterpret_cast<HWND>(lParam) == editor->toolbar) {
            OnCommandMessage(editor, LOWORD(wParam));
        }
        return 0;
    case WM_VIEW_MODE_CHANGED: ShowMode(editor); return 0;
    case WM_VIEW_COMMAND_STATE: ShowCommandState(editor, wParam != 0, lParam != 0); return 0;
    case WM_NOTIFY: return OnNotify(editor, reinterpret_cast<NMHDR*>(lParam));
    case WM_MENUSELECT: OnMenuSelect(editor, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 0;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wParam) == editor->pluginMenu)
            RefreshCommand(editor);
        CheckMenuItem(editor->editMenu, ID_EDIT_OVERWRITE, MF_BYCOMMAND | (OverwriteOn() ? MF_CHECKED : MF_UNCHECKED));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            RefreshCommand(editor);
        break;
    case WM_DESTROY:
        // The view is still there: the plug-in hears of the closing while it can still use it; of a window that
        // never opened, it hears nothing.
        if (editor->view.hwnd)
            SendEvent(editor->view.hwnd, editor->number, EVENT_WINDOW_CLOSING, 0);
        editor->view.closing = true;
        Editors.erase(std::remove(Editors.begin(), Editors.end(), editor), Editors.end());
        if (Editors.empty())
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        // The controls are gone by now, and with them the last use of the editor's record.
        if (editor->images)
            ImageList_Destroy(editor->images);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete editor;
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

bool StartEditors(HINSTANCE instance)
{
    Instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    DocumentFont = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"MS Gothic");
    WNDCLASSW windowClass = {0, FrameProc, 0, 0, instance, LoadIconW(nullptr, IDI_APPLICATION),
                             LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr,
                             CLASS_NAME};
    return RegisterClassW(&windowClass) != 0;
}

Editor* OpenEditor()
{
    Editor* editor = new Editor;
    editor->number = editor->view.number = ++WindowsOpened;
    Editors.push_back(editor);
    int offset = 40 * (editor->number - 1);
    std::wstring title = Format(L"Huebird stand-in editor - window %d", editor->number);
    HMENU menu = BuildMenuBar(editor);
    HWND frame = CreateWindowExW(0, CLASS_NAME, title.c_str(), WS_OVERLAPPEDWINDOW, 20 + offset, 20 + offset, 560, 360,
                                 nullptr, menu, Instance, editor);
    if (!frame) {
        DestroyMenu(menu);
        // Still listed means the window never got as far as its messages, so nothing freed the record.
        if (!Editors.empty() && Editors.back() == editor) {
            Editors.pop_back();
            delete editor;
        }
        return nullptr;
    }
    Say(Format(L"  editor: window %d opens", editor->number));
    HWND view = editor->view.hwnd;
    if (!PluginGreeted)
        SendEvent(view, editor->number, EVENT_FIRST, FIRST_PLUGIN_COMMAND);
    SendEvent(view, editor->number, EVENT_WINDOW_OPENED, MAKELPARAM(FIRST_PLUGIN_COMMAND, 0));
    if (!PluginGreeted && PluginLoaded())
        AskPluginFacts(view);
    PluginGreeted = true;
    BuildPluginMenu(editor);
    SetToolbarMode(editor, false, 0);
    ShowMode(editor);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    return editor;
}

Editor* FindEditor(int number)
{
    for (Editor* editor : Editors) {
        if (editor->number == number)
            return editor;
    }
    return nullptr;
}

const std::vector<Editor*>& AllEditors()
{
    return Editors;
}

void CloseEditors()
{
    while (!Editors.empty())
        DestroyWindow(Editors.back()->frame);
}

WPARAM BitmapFlags(bool large, int depth)
{
    const WPARAM DEPTH_FLAGS[] = {0, BMP_256COLOR, BMP_TRUECOLOR};
    return (large ? BMP_LARGE : 0) | DEPTH_FLAGS[depth];
}

RECT WindowArea(HWND window, bool withMenus)
{
    RECT area;
    GetWindowRect(window, &area);
    // Pop-up menus are top-level windows of the menu class.
    HWND menu = nullptr;
    while (withMenus && (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        RECT rect;
        if (IsWindowVisible(menu) && GetWindowRect(menu, &rect))
            UnionRect(&area, &area, &rect);
    }
    return area;
}
