// The editor window and its controls: frame, menus, plug-ins toolbar, status bar, and the view that shows
// the document and that the plug-in deals with.
#include "editor_window.h"

#include "plugin_answers.h"
#include "text.h"
#include "transcript.h"

#include <commctrl.h>

#include <vector>

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
bool Overwrite;               // the user's Edit > Overwrite setting, for every window
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
    std::wstring text = std::wstring(Overwrite ? L"Overwrite" : L"Insert") + (editor->modified ? L", modified" : L"");
    SendMessageW(editor->status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

ViewState CurrentView(const Editor* editor)
{
    ViewState state;
    state.textVersion = editor->textVersion;
    state.modified = editor->modified;
    DWORD start = 0, end = 0;
    GetSelection(editor, &start, &end);
    state.selectionStart = start;
    state.selectionEnd = end;
    return state;
}

void Layout(Editor* editor)
{
    RECT client;
    GetClientRect(editor->frame, &client);
    SendMessageW(editor->toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageW(editor->status, WM_SIZE, 0, 0);
    RECT bar, status;
    GetWindowRect(editor->toolbar, &bar);
    GetWindowRect(editor->status, &status);
    int top = bar.bottom - bar.top;
    int bottom = client.bottom - (status.bottom - status.top);
    MoveWindow(editor->view, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
    int parts[2] = {client.right > 200 ? client.right - 200 : client.right / 2, -1};
    SendMessageW(editor->status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

// The format of the bitmap resource that the plug-in named, from its own header.
void ReadBitmapFormat(Editor* editor)
{
    HMODULE module = CurrentPlugin().module;
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(editor->bitmapNumber), RT_BITMAP);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const BITMAPINFOHEADER* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (!header || SizeofResource(module, resource) < sizeof *header)
        return;
    editor->bitmapWidth = header->biWidth;
    editor->bitmapHeight = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    editor->bitmapBits = header->biBitCount;
    editor->bitmapColors = static_cast<int>(header->biClrUsed);
}

// The plug-ins toolbar, made afresh for the plug-in and the picture size and depth chosen in the View menu.
void BuildToolbar(Editor* editor)
{
    if (editor->toolbar)
        DestroyWindow(editor->toolbar);
    if (editor->images)
        ImageList_Destroy(editor->images);
    editor->images = nullptr;
    editor->bitmapNumber = 0;
    editor->bitmapWidth = editor->bitmapHeight = editor->bitmapBits = editor->bitmapColors = 0;

    editor->toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                      editor->frame, reinterpret_cast<HMENU>(ID_TOOLBAR), Instance, nullptr);
    SendMessageW(editor->toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const Plugin& plugin = CurrentPlugin();
    if (plugin.module) {
        int size = editor->large ? 24 : 16;
        UINT depth = editor->colors == 16 ? ILC_COLOR4 : editor->colors == 256 ? ILC_COLOR8 : ILC_COLOR24;
        editor->images = ImageList_Create(size, size, depth, 1, 0);
        SendMessageW(editor->toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(editor->images));

        WPARAM flags = BitmapFlags(editor->large, editor->colors);
        editor->bitmapNumber = static_cast<UINT>(plugin.plugInProc(editor->view, PIP_GET_BITMAP, flags, 0));
        ReadBitmapFormat(editor);
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(plugin.module, MAKEINTRESOURCEW(editor->bitmapNumber),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bitmap) {
            ImageList_Add(editor->images, bitmap, nullptr);
            DeleteObject(bitmap);
        }

        TBBUTTON button = {};
        button.iBitmap = 0;
        button.idCommand = FIRST_PLUGIN_COMMAND;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
        button.iString = -1;
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
    const Plugin& plugin = CurrentPlugin();
    if (!plugin.module) {
        AppendMenuW(editor->pluginMenu, MF_STRING | MF_GRAYED, 0, L"(no plug-in)");
        return;
    }
    const PluginFacts& facts = Facts();
    std::wstring command = PluginString(plugin, plugin.getMenuTextId());
    AppendMenuW(editor->pluginMenu, MF_STRING, FIRST_PLUGIN_COMMAND, command.c_str());
    AppendMenuW(editor->pluginMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(editor->pluginMenu, MF_STRING | (facts.properties ? 0 : MF_GRAYED), ID_PLUGIN_PROPERTIES,
                (facts.name + L" &Properties...").c_str());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_ABOUT, (L"&About " + facts.name + L"...").c_str());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_UNINSTALL, (L"&Uninstall " + facts.name + L"...").c_str());
    RefreshCommand(editor);
}

void UpdateViewMenu(Editor* editor)
{
    HMENU menu = GetMenu(editor->frame);
    CheckMenuRadioItem(menu, ID_VIEW_SMALL, ID_VIEW_LARGE, editor->large ? ID_VIEW_LARGE : ID_VIEW_SMALL, MF_BYCOMMAND);
    UINT depth = editor->colors == 16    ? ID_VIEW_16_COLORS
                 : editor->colors == 256 ? ID_VIEW_256_COLORS
                                         : ID_VIEW_TRUE_COLOR;
    CheckMenuRadioItem(menu, ID_VIEW_16_COLORS, ID_VIEW_TRUE_COLOR, depth, MF_BYCOMMAND);
}

HMENU BuildMenuBar(Editor* editor)
{
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, ID_FILE_NEW_WINDOW, L"&New window");
    AppendMenuW(file, MF_STRING, ID_FILE_SAVE, L"&Save");
    AppendMenuW(file, MF_STRING, ID_FILE_CLOSE_WINDOW, L"&Close window");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, ID_FILE_EXIT, L"E&xit");
    editor->editMenu = CreatePopupMenu();
    AppendMenuW(editor->editMenu, MF_STRING, ID_EDIT_OVERWRITE, L"&Overwrite");
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, ID_VIEW_SMALL, L"&Small toolbar pictures");
    AppendMenuW(view, MF_STRING, ID_VIEW_LARGE, L"&Large toolbar pictures");
    AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(view, MF_STRING, ID_VIEW_16_COLORS, L"&16 colours");
    AppendMenuW(view, MF_STRING, ID_VIEW_256_COLORS, L"&256 colours");
    AppendMenuW(view, MF_STRING, ID_VIEW_TRUE_COLOR, L"&True colour");
    editor->pluginMenu = CreatePopupMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(editor->editMenu), L"&Edit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(editor->pluginMenu), L"&Plug-ins");
    return bar;
}

// The view: the edit control, under a procedure that answers the plug-in's messages and, after every other
// message, tells the plug-in what it changed.
LRESULT CALLBACK ViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Editor* editor = EditorOf(hwnd);
    if (!editor)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message >= MSG_EDITOR_FIRST && message <= MSG_EDITOR_LAST) {
        LRESULT answer = AnswerPluginMessage(editor, message, wParam, lParam);
        TellViewChanges(editor);
        return answer;
    }
    WNDPROC own = editor->viewProc;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        editor->view = nullptr;
        return CallWindowProcW(own, hwnd, message, wParam, lParam);
    }
    LRESULT result = CallWindowProcW(own, hwnd, message, wParam, lParam);
    if (editor->closing)
        return result;
    TellViewChanges(editor);
    if (message == WM_SETFOCUS)
        SendEvent(editor, EVENT_FOCUS_GAINED, 0);
    else if (message == WM_KILLFOCUS)
        SendEvent(editor, EVENT_FOCUS_LOST, 0);
    return result;
}

void OnCommandMessage(Editor* editor, int id)
{
    switch (id) {
    case ID_FILE_NEW_WINDOW: OpenEditor(); break;
    case ID_FILE_SAVE: SaveDocument(editor); break;
    case ID_FILE_CLOSE_WINDOW: DestroyWindow(editor->frame); break;
    case ID_FILE_EXIT: CloseEditors(); break;
    case ID_EDIT_OVERWRITE: SetOverwrite(!Overwrite); break;
    case ID_VIEW_SMALL: SetToolbarMode(editor, false, editor->colors); break;
    case ID_VIEW_LARGE: SetToolbarMode(editor, true, editor->colors); break;
    case ID_VIEW_16_COLORS: SetToolbarMode(editor, editor->large, 16); break;
    case ID_VIEW_256_COLORS: SetToolbarMode(editor, editor->large, 256); break;
    case ID_VIEW_TRUE_COLOR: SetToolbarMode(editor, editor->large, 0); break;
    case FIRST_PLUGIN_COMMAND: RunCommand(editor); break;
    case ID_PLUGIN_PROPERTIES: ShowProperties(editor); break;
    case ID_PLUGIN_ABOUT: ShowAbout(editor); break;
    case ID_PLUGIN_UNINSTALL: Uninstall(editor); break;
    }
}

LRESULT OnNotify(Editor* editor, NMHDR* header)
{
    const Plugin& plugin = CurrentPlugin();
    if (header->code == TTN_GETDISPINFOW && header->idFrom == FIRST_PLUGIN_COMMAND && plugin.module) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        editor->tooltip = TooltipPart(PluginString(plugin, plugin.getStatusMessageId()));
        info->lpszText = const_cast<wchar_t*>(editor->tooltip.c_str());
    } else if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == editor->toolbar) {
        NMTBHOTITEM* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        bool onCommand = !(hot->dwFlags & HICF_LEAVING) && hot->idNew == FIRST_PLUGIN_COMMAND && plugin.module;
        ShowStatus(editor, onCommand ? StatusBarPart(PluginString(plugin, plugin.getStatusMessageId()))
                                     : std::wstring(READY));
    }
    return 0;
}

void OnMenuSelect(Editor* editor, UINT id, UINT flags, HMENU menu)
{
    const Plugin& plugin = CurrentPlugin();
    if (flags == 0xFFFF && !menu)
        ShowStatus(editor, READY); // the menu closed
    else if (id == FIRST_PLUGIN_COMMAND && !(flags & MF_POPUP) && plugin.module)
        ShowStatus(editor, StatusBarPart(PluginString(plugin, plugin.getStatusMessageId())));
    else
        ShowStatus(editor, L"");
}

void OnCreate(Editor* editor)
{
    editor->view = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                       ES_WANTRETURN | ES_NOHIDESEL,
                                   0, 0, 0, 0, editor->frame, reinterpret_cast<HMENU>(ID_VIEW), Instance, nullptr);
    // As much text as the control can hold, not its default of about 30,000 characters.
    SendMessageW(editor->view, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(editor->view, WM_SETFONT, reinterpret_cast<WPARAM>(DocumentFont), FALSE);
    SetWindowLongPtrW(editor->view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    editor->viewProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor->view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc)));
    editor->status = CreateWindowExW(0, STATUSCLASSNAMEW, READY, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                     editor->frame, reinterpret_cast<HMENU>(ID_STATUS), Instance, nullptr);
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
    case WM_CREATE: OnCreate(editor); return 0;
    case WM_SIZE: Layout(editor); return 0;
    case WM_SETFOCUS: SetFocus(editor->view); return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == editor->view && editor->view) {
            // The edit control reports a change also when its limit refused the keys: only a new text counts.
            std::wstring text = HIWORD(wParam) == EN_CHANGE ? DocumentText(editor) : std::wstring();
            if (HIWORD(wParam) == EN_CHANGE && text != editor->lastText) {
                editor->lastText.swap(text);
                editor->textVersion++;
                editor->modified = editor->modified || !editor->settingUp;
            }
        } else if (lParam == 0 || reinterpret_cast<HWND>(lParam) == editor->toolbar) {
            OnCommandMessage(editor, LOWORD(wParam));
        }
        return 0;
    case WM_NOTIFY: return OnNotify(editor, reinterpret_cast<NMHDR*>(lParam));
    case WM_MENUSELECT: OnMenuSelect(editor, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 0;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wParam) == editor->pluginMenu)
            RefreshCommand(editor);
        CheckMenuItem(editor->editMenu, ID_EDIT_OVERWRITE, MF_BYCOMMAND | (Overwrite ? MF_CHECKED : MF_UNCHECKED));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            RefreshCommand(editor);
        break;
    case WM_DESTROY:
        // The view is still there: the plug-in hears of the closing while it can still use it.
        SendEvent(editor, EVENT_WINDOW_CLOSING, 0);
        editor->closing = true;
        for (size_t i = 0; i < Editors.size(); i++) {
            if (Editors[i] == editor) {
                Editors.erase(Editors.begin() + i);
                break;
            }
        }
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
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassExW(&windowClass) != 0;
}

Editor* OpenEditor()
{
    Editor* editor = new Editor;
    editor->number = ++WindowsOpened;
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
    if (!PluginGreeted) {
        PluginGreeted = true;
        SendEvent(editor, EVENT_FIRST, FIRST_PLUGIN_COMMAND);
        SendEvent(editor, EVENT_WINDOW_OPENED, MAKELPARAM(FIRST_PLUGIN_COMMAND, 0));
        if (PluginLoaded())
            AskPluginFacts(editor->view);
    } else {
        SendEvent(editor, EVENT_WINDOW_OPENED, MAKELPARAM(FIRST_PLUGIN_COMMAND, 0));
    }
    BuildPluginMenu(editor);
    UpdateViewMenu(editor);
    BuildToolbar(editor);
    ShowMode(editor);
    editor->told = CurrentView(editor);
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

int EditorCount()
{
    return static_cast<int>(Editors.size());
}

std::vector<Editor*> AllEditors()
{
    return Editors;
}

void CloseEditors()
{
    while (!Editors.empty())
        DestroyWindow(Editors.back()->frame);
}

void RebuildPluginControls()
{
    for (Editor* each : Editors) {
        BuildPluginMenu(each);
        BuildToolbar(each);
        ShowStatus(each, READY);
    }
}

void RefreshCommand(Editor* editor)
{
    if (!PluginLoaded())
        return;
    bool checked = false;
    bool enabled = QueryCommand(editor, &checked);
    ShowCommandState(editor, enabled, checked);
}

void ShowCommandState(Editor* editor, bool enabled, bool checked)
{
    if (editor->toolbar) {
        LPARAM state = (enabled ? TBSTATE_ENABLED : 0) | (checked ? TBSTATE_CHECKED : 0);
        SendMessageW(editor->toolbar, TB_SETSTATE, FIRST_PLUGIN_COMMAND, state);
    }
    EnableMenuItem(editor->pluginMenu, FIRST_PLUGIN_COMMAND, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(editor->pluginMenu, FIRST_PLUGIN_COMMAND, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetToolbarMode(Editor* editor, bool large, int colors)
{
    editor->large = large;
    editor->colors = colors;
    UpdateViewMenu(editor);
    BuildToolbar(editor);
}

void TellViewChanges(Editor* editor)
{
    if (editor->telling || editor->settingUp || editor->closing || !editor->view)
        return;
    editor->telling = true;
    // What the plug-in does on an event may change the view again: told until nothing is left, within reason.
    for (int round = 0; round < 16; round++) {
        ViewState now = CurrentView(editor);
        UINT events[MOST_VIEW_EVENTS];
        int count = ViewEvents(editor->told, now, events);
        if (now.modified != editor->told.modified)
            ShowMode(editor);
        editor->told = now;
        if (count == 0)
            break;
        for (int i = 0; i < count; i++)
            SendEvent(editor, events[i], 0);
    }
    editor->telling = false;
}

bool OpenDocument(Editor* editor, const std::wstring& text)
{
    std::wstring before = DocumentText(editor);
    DWORD start = 0, end = 0;
    GetSelection(editor, &start, &end);
    RestoreDocument(editor, text, 0, static_cast<DWORD>(text.size()));
    if (DocumentText(editor) != text) {
        RestoreDocument(editor, before, start, end);
        return false;
    }
    editor->modified = false;
    editor->told.modified = false;
    ShowMode(editor);
    return true;
}

void RestoreDocument(Editor* editor, const std::wstring& text, DWORD start, DWORD end)
{
    editor->settingUp = true;
    SetWindowTextW(editor->view, text.c_str());
    SendMessageW(editor->view, EM_SETSEL, start, end);
    editor->settingUp = false;
    editor->told = CurrentView(editor);
}

std::wstring DocumentText(const Editor* editor)
{
    if (!editor->view || !editor->viewProc)
        return std::wstring();
    // The control's own procedure, as for the selection: a read must not look for changes of the view.
    LRESULT length = CallWindowProcW(editor->viewProc, editor->view, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(CallWindowProcW(editor->viewProc, editor->view, WM_GETTEXT, text.size(),
                                                    reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

bool SelectText(Editor* editor, const std::wstring& text)
{
    std::wstring document = DocumentText(editor);
    size_t at = text.empty() ? document.size() : document.find(text);
    if (at == std::wstring::npos)
        return false;
    SendMessageW(editor->view, EM_SETSEL, at, at + text.size());
    return true;
}

void GetSelection(const Editor* editor, DWORD* start, DWORD* end)
{
    *start = *end = 0;
    // The control's own procedure: asking through the editor's would look for changes again.
    if (editor->view && editor->viewProc)
        CallWindowProcW(editor->viewProc, editor->view, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                        reinterpret_cast<LPARAM>(end));
}

std::wstring SelectedText(const Editor* editor)
{
    DWORD start = 0, end = 0;
    GetSelection(editor, &start, &end);
    std::wstring document = DocumentText(editor);
    if (start > end || end > document.size())
        return std::wstring();
    return document.substr(start, end - start);
}

void TypeText(Editor* editor, const std::wstring& text)
{
    Say(L"  editor: types " + Quoted(text));
    for (wchar_t ch : text)
        SendMessageW(editor->view, WM_CHAR, ch == L'\n' ? L'\r' : ch, 1);
}

void SaveDocument(Editor* editor)
{
    Say(L"  editor: File > Save: the document counts as saved (nothing is written)");
    editor->modified = false;
    TellViewChanges(editor);
}

void SetOverwrite(bool on)
{
    Overwrite = on;
    Say(on ? L"  editor: Edit > Overwrite on" : L"  editor: Edit > Overwrite off");
    for (Editor* each : Editors)
        ShowMode(each);
}

bool OverwriteOn()
{
    return Overwrite;
}

void SetDocumentLimit(Editor* editor, UINT characters)
{
    SendMessageW(editor->view, EM_SETLIMITTEXT, characters, 0);
}

RECT WindowArea(HWND window, bool withMenus)
{
    RECT area;
    GetWindowRect(window, &area);
    if (withMenus) {
        // Pop-up menus are top-level windows of the menu class.
        HWND menu = nullptr;
        while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
            RECT rect;
            if (IsWindowVisible(menu) && GetWindowRect(menu, &rect))
                UnionRect(&area, &area, &rect);
        }
    }
    return area;
}
