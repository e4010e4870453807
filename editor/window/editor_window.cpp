// The editor window: its controls, its menu and toolbar from the plug-in's answers, and the plug-in's messages.
#include "editor_window.h"

#include "text.h"

#include <commctrl.h>

#include <string.h>

#include <vector>

namespace {

const wchar_t CLASS_NAME[] = L"HuebirdStandInEditor";
const int ID_DOCUMENT = 1;
const int ID_TOOLBAR = 2;
const int ID_STATUS = 3;
const wchar_t READY[] = L"Ready";

HINSTANCE Instance;
Plugin LoadedPlugin;
std::vector<Editor*> Editors;
int WindowsOpened;
HFONT DocumentFont;

Editor* EditorOf(HWND hwnd)
{
    return reinterpret_cast<Editor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void ShowStatus(Editor* editor, const std::wstring& text)
{
    SendMessageW(editor->status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ShowReplayed(Editor* editor)
{
    std::wstring text = editor->replayed ? Format(L"Replayed: 0x%08lX", static_cast<unsigned long>(editor->replayParam))
                                         : std::wstring(L"Replayed: none");
    SendMessageW(editor->status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

// The command's state as QueryStatus gives it: enabled by its result, checked by the BOOL it writes.
void QueryCommand(Editor* editor, bool* enabled, bool* checked)
{
    BOOL check = FALSE;
    *enabled = LoadedPlugin.module && LoadedPlugin.queryStatus(editor->frame, &check);
    *checked = LoadedPlugin.module && check;
}

void UpdateToolbarState(Editor* editor)
{
    if (!LoadedPlugin.module || !editor->toolbar)
        return;
    bool enabled, checked;
    QueryCommand(editor, &enabled, &checked);
    LPARAM state = (enabled ? TBSTATE_ENABLED : 0) | (checked ? TBSTATE_CHECKED : 0);
    SendMessageW(editor->toolbar, TB_SETSTATE, ID_PLUGIN_COMMAND, state);
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
    MoveWindow(editor->document, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
    int parts[2] = {client.right > 200 ? client.right - 200 : client.right / 2, -1};
    SendMessageW(editor->status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

// The format of the bitmap resource that the plug-in named, from its own header.
void ReadBitmapFormat(Editor* editor)
{
    HRSRC resource = FindResourceW(LoadedPlugin.module, MAKEINTRESOURCEW(editor->bitmapNumber), MAKEINTRESOURCEW(2));
    HGLOBAL loaded = resource ? LoadResource(LoadedPlugin.module, resource) : nullptr;
    const BITMAPINFOHEADER* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (!header || SizeofResource(LoadedPlugin.module, resource) < sizeof *header)
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
    if (LoadedPlugin.module) {
        int size = editor->large ? 24 : 16;
        UINT depth = editor->colors == 16 ? ILC_COLOR4 : editor->colors == 256 ? ILC_COLOR8 : ILC_COLOR24;
        editor->images = ImageList_Create(size, size, depth, 1, 0);
        SendMessageW(editor->toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(editor->images));

        WPARAM flags = BitmapFlags(editor->large, editor->colors);
        editor->bitmapNumber = static_cast<UINT>(LoadedPlugin.plugInProc(editor->frame, PIP_GET_BITMAP, flags, 0));
        ReadBitmapFormat(editor);
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(LoadedPlugin.module, MAKEINTRESOURCEW(editor->bitmapNumber),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bitmap) {
            ImageList_Add(editor->images, bitmap, nullptr);
            DeleteObject(bitmap);
        }

        TBBUTTON button = {};
        button.iBitmap = 0;
        button.idCommand = ID_PLUGIN_COMMAND;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
        button.iString = -1;
        SendMessageW(editor->toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        UpdateToolbarState(editor);
    }
    Layout(editor);
}

// The Plug-ins menu: the plug-in's command, About and Uninstall; or a note that there is no plug-in.
void BuildPluginMenu(Editor* editor)
{
    while (GetMenuItemCount(editor->pluginMenu) > 0)
        DeleteMenu(editor->pluginMenu, 0, MF_BYPOSITION);
    if (!LoadedPlugin.module) {
        AppendMenuW(editor->pluginMenu, MF_STRING | MF_GRAYED, 0, L"(no plug-in)");
        return;
    }
    std::wstring name = PluginText(LoadedPlugin, editor->frame, PIP_GET_NAME).text;
    std::wstring command = PluginString(LoadedPlugin, LoadedPlugin.getMenuTextId());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_COMMAND, command.c_str());
    AppendMenuW(editor->pluginMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_ABOUT, (L"&About " + name + L"...").c_str());
    AppendMenuW(editor->pluginMenu, MF_STRING, ID_PLUGIN_UNINSTALL, (L"&Uninstall " + name + L"...").c_str());
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
    AppendMenuW(file, MF_STRING, ID_NEW_WINDOW, L"&New window");
    AppendMenuW(file, MF_STRING, ID_CLOSE_WINDOW, L"&Close window");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, ID_EXIT, L"E&xit");
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, ID_VIEW_SMALL, L"&Small toolbar pictures");
    AppendMenuW(view, MF_STRING, ID_VIEW_LARGE, L"&Large toolbar pictures");
    AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(view, MF_STRING, ID_VIEW_16_COLORS, L"&16 colours");
    AppendMenuW(view, MF_STRING, ID_VIEW_256_COLORS, L"&256 colours");
    AppendMenuW(view, MF_STRING, ID_VIEW_TRUE_COLOR, L"&True colour");
    editor->pluginMenu = CreatePopupMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(editor->pluginMenu), L"&Plug-ins");
    return bar;
}

void SaveSelection(Editor* editor)
{
    DWORD start = 0, end = 0;
    CallWindowProcW(editor->documentProc, editor->document, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
    if (start == editor->selectionStart)
        return;
    editor->selectionStart = start;
    if (!LoadedPlugin.module)
        return;
    LPARAM param = EventParam(editor->number, start);
    Say(Format(L"  events: window %d saves 0x%08lX (selection at %lu) through OnEvents", editor->number,
               static_cast<unsigned long>(param), static_cast<unsigned long>(start)));
    LoadedPlugin.onEvents(editor->frame, EVENT_FIRST, param);
}

// The document control, watched for every message after which its selection may have moved.
LRESULT CALLBACK DocumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Editor* editor = reinterpret_cast<Editor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!editor)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = CallWindowProcW(editor->documentProc, hwnd, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case EM_UNDO:
        SaveSelection(editor);
        break;
    }
    return result;
}

// MSG_GET_SELECTION: the selected text's first bytes in the ANSI code page, as many whole characters as
// the capacity holds, then a NUL if there is room. Returns the bytes of text handed over.
LRESULT AnswerGetSelection(Editor* editor, WPARAM capacity, LPARAM buffer)
{
    editor->selectionRequests++;
    std::string ansi = ToAnsi(SelectedText(editor));
    size_t count = WholeCharacterBytes(ansi, capacity);
    if (buffer) {
        char* out = reinterpret_cast<char*>(buffer);
        memcpy(out, ansi.data(), count);
        if (count < capacity)
            out[count] = '\0';
    } else {
        count = 0;
    }
    std::wstring line = Format(L"  editor: asked for the selection into %lu bytes, hands over %lu",
                               static_cast<unsigned long>(capacity), static_cast<unsigned long>(count));
    if (count > 0)
        line += L": " + Quoted(FromAnsi(ansi.substr(0, count)));
    Say(line);
    return static_cast<LRESULT>(count);
}

// MSG_INSERT_TEXT: the ANSI text takes the selection's place.
LRESULT AnswerInsertText(Editor* editor, LPARAM text)
{
    if (!text)
        return 0;
    editor->insertions++;
    std::wstring wide = FromAnsi(reinterpret_cast<const char*>(text));
    Say(L"  editor: enters " + Quoted(wide));
    SendMessageW(editor->document, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    return 1;
}

LRESULT AnswerReplayParam(Editor* editor, WPARAM param)
{
    LPARAM value = static_cast<LPARAM>(param);
    if (!editor->replayed || value != editor->replayParam) {
        // No window is numbered 0, so 0 is what comes back before any parameter was saved.
        std::wstring meaning = value == 0 ? std::wstring(L"nothing saved yet")
                                          : Format(L"window %d, selection at %d",
                                                   static_cast<int>((value >> 16) & 0xFFFF),
                                                   static_cast<int>(value & 0xFFFF));
        Say(Format(L"  events: window %d gets 0x%08lX back through MSG_UPDATE_TOOLBAR (%ls)", editor->number,
                   static_cast<unsigned long>(value), meaning.c_str()));
    }
    editor->replayed = true;
    editor->replayParam = value;
    ShowReplayed(editor);
    return 0;
}

void RunCommand(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    bool enabled, checked;
    QueryCommand(editor, &enabled, &checked);
    if (!enabled) {
        Say(L"  editor: the command is disabled");
        return;
    }
    LoadedPlugin.onCommand(editor->frame);
    UpdateToolbarState(editor);
}

void ShowAbout(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    std::wstring text = PluginText(LoadedPlugin, editor->frame, PIP_GET_NAME).text + L"\n" +
                        PluginText(LoadedPlugin, editor->frame, PIP_GET_VERSION).text;
    MessageBoxW(editor->frame, text.c_str(), L"About plug-in", MB_OK | MB_ICONINFORMATION);
}

void Uninstall(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    if (!LoadedPlugin.plugInProc(editor->frame, PIP_QUERY_UNINSTALL, 0, 0)) {
        Say(L"  editor: PIP_QUERY_UNINSTALL answered 0: the plug-in may not be uninstalled");
        return;
    }
    LRESULT agreed = LoadedPlugin.plugInProc(editor->frame, PIP_CONFIRM_UNINSTALL, 0, 0);
    if (!agreed) {
        Say(L"  editor: PIP_CONFIRM_UNINSTALL answered 0: the plug-in stays");
        return;
    }
    Say(Format(L"  editor: PIP_CONFIRM_UNINSTALL answered %ld: the plug-in is unloaded", static_cast<long>(agreed)));
    UnloadPlugin(&LoadedPlugin);
    for (Editor* each : Editors) {
        BuildPluginMenu(each);
        BuildToolbar(each);
        ShowStatus(each, READY);
    }
}

void SetToolbarMode(Editor* editor, bool large, int colors)
{
    editor->large = large;
    editor->colors = colors;
    UpdateViewMenu(editor);
    BuildToolbar(editor);
}

void OnCommandMessage(Editor* editor, int id)
{
    switch (id) {
    case ID_NEW_WINDOW: OpenEditor(); break;
    case ID_CLOSE_WINDOW: DestroyWindow(editor->frame); break;
    case ID_EXIT: CloseEditors(); break;
    case ID_VIEW_SMALL: SetToolbarMode(editor, false, editor->colors); break;
    case ID_VIEW_LARGE: SetToolbarMode(editor, true, editor->colors); break;
    case ID_VIEW_16_COLORS: SetToolbarMode(editor, editor->large, 16); break;
    case ID_VIEW_256_COLORS: SetToolbarMode(editor, editor->large, 256); break;
    case ID_VIEW_TRUE_COLOR: SetToolbarMode(editor, editor->large, 0); break;
    case ID_PLUGIN_COMMAND: RunCommand(editor); break;
    case ID_PLUGIN_ABOUT: ShowAbout(editor); break;
    case ID_PLUGIN_UNINSTALL: Uninstall(editor); break;
    }
}

LRESULT OnNotify(Editor* editor, NMHDR* header)
{
    if (header->code == TTN_GETDISPINFOW && header->idFrom == ID_PLUGIN_COMMAND && LoadedPlugin.module) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        editor->tooltip = TooltipPart(PluginString(LoadedPlugin, LoadedPlugin.getStatusMessageId()));
        info->lpszText = const_cast<wchar_t*>(editor->tooltip.c_str());
    } else if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == editor->toolbar) {
        NMTBHOTITEM* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        bool onCommand = !(hot->dwFlags & HICF_LEAVING) && hot->idNew == ID_PLUGIN_COMMAND && LoadedPlugin.module;
        ShowStatus(editor, onCommand ? StatusBarPart(PluginString(LoadedPlugin, LoadedPlugin.getStatusMessageId()))
                                     : std::wstring(READY));
    }
    return 0;
}

void OnMenuSelect(Editor* editor, UINT id, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu)
        ShowStatus(editor, READY); // the menu closed
    else if (id == ID_PLUGIN_COMMAND && !(flags & MF_POPUP) && LoadedPlugin.module)
        ShowStatus(editor, StatusBarPart(PluginString(LoadedPlugin, LoadedPlugin.getStatusMessageId())));
    else
        ShowStatus(editor, L"");
}

void OnInitMenuPopup(Editor* editor, HMENU menu)
{
    if (menu != editor->pluginMenu || !LoadedPlugin.module)
        return;
    bool enabled, checked;
    QueryCommand(editor, &enabled, &checked);
    EnableMenuItem(menu, ID_PLUGIN_COMMAND, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, ID_PLUGIN_COMMAND, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    bool removable = LoadedPlugin.plugInProc(editor->frame, PIP_QUERY_UNINSTALL, 0, 0) != 0;
    EnableMenuItem(menu, ID_PLUGIN_UNINSTALL, MF_BYCOMMAND | (removable ? MF_ENABLED : MF_GRAYED));
}

void OnCreate(Editor* editor)
{
    editor->document = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                           ES_WANTRETURN | ES_NOHIDESEL,
                                       0, 0, 0, 0, editor->frame, reinterpret_cast<HMENU>(ID_DOCUMENT), Instance,
                                       nullptr);
    SendMessageW(editor->document, WM_SETFONT, reinterpret_cast<WPARAM>(DocumentFont), FALSE);
    SetWindowLongPtrW(editor->document, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    editor->documentProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor->document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DocumentProc)));
    editor->status = CreateWindowExW(0, STATUSCLASSNAMEW, READY, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                     editor->frame, reinterpret_cast<HMENU>(ID_STATUS), Instance, nullptr);
    BuildPluginMenu(editor);
    UpdateViewMenu(editor);
    BuildToolbar(editor);
    ShowReplayed(editor);
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
    case WM_SETFOCUS: SetFocus(editor->document); return 0;
    case WM_COMMAND:
        if (lParam == 0 || reinterpret_cast<HWND>(lParam) == editor->toolbar)
            OnCommandMessage(editor, LOWORD(wParam));
        return 0;
    case WM_NOTIFY: return OnNotify(editor, reinterpret_cast<NMHDR*>(lParam));
    case WM_MENUSELECT: OnMenuSelect(editor, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(editor, reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && LoadedPlugin.module) {
            LoadedPlugin.onEvents(hwnd, EVENT_MODIFIED_CHANGED, 0);
            UpdateToolbarState(editor);
        }
        break;
    case MSG_GET_SELECTION: return AnswerGetSelection(editor, wParam, lParam);
    case MSG_INSERT_TEXT: return AnswerInsertText(editor, lParam);
    case MSG_UPDATE_TOOLBAR: return AnswerReplayParam(editor, wParam);
    case WM_DESTROY:
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
    windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // the system's application icon
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // the arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassExW(&windowClass) != 0;
}

void SetPlugin(const Plugin& plugin)
{
    LoadedPlugin = plugin;
}

const Plugin& CurrentPlugin()
{
    return LoadedPlugin;
}

bool PluginLoaded()
{
    return LoadedPlugin.module != nullptr;
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
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    SaveSelection(editor);
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

void CloseEditors()
{
    while (!Editors.empty())
        DestroyWindow(Editors.back()->frame);
}

void SetDocument(Editor* editor, const std::wstring& text)
{
    SetWindowTextW(editor->document, text.c_str());
    SendMessageW(editor->document, EM_SETSEL, 0, -1);
}

std::wstring DocumentText(const Editor* editor)
{
    int length = GetWindowTextLengthW(editor->document);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(editor->document, &text[0], length + 1));
    return text;
}

bool SelectText(Editor* editor, const std::wstring& text)
{
    std::wstring document = DocumentText(editor);
    size_t at = text.empty() ? document.size() : document.find(text);
    if (at == std::wstring::npos)
        return false;
    SendMessageW(editor->document, EM_SETSEL, at, at + text.size());
    return true;
}

std::wstring SelectedText(const Editor* editor)
{
    DWORD start = 0, end = 0;
    SendMessageW(editor->document, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring document = DocumentText(editor);
    if (start > end || end > document.size())
        return std::wstring();
    return document.substr(start, end - start);
}

LPARAM EventParam(int number, DWORD start)
{
    return static_cast<LPARAM>((static_cast<DWORD>(number & 0xFFFF) << 16) | (start & 0xFFFF));
}

void PrintPresentation(Editor* editor)
{
    if (!LoadedPlugin.module) {
        wchar_t item[80] = L"";
        GetMenuStringW(editor->pluginMenu, 0, item, 80, MF_BYPOSITION);
        Say(Format(L"  plug-in: none loaded; Plug-ins menu: %ls; toolbar buttons: %d", Quoted(item).c_str(),
                   static_cast<int>(SendMessageW(editor->toolbar, TB_BUTTONCOUNT, 0, 0))));
        return;
    }
    PluginTextAnswer name = PluginText(LoadedPlugin, editor->frame, PIP_GET_NAME);
    PluginTextAnswer version = PluginText(LoadedPlugin, editor->frame, PIP_GET_VERSION);
    Say(Format(L"  name: %ls (asked for %ld bytes%ls)", Quoted(name.text).c_str(), static_cast<long>(name.size),
               name.overrun ? L", wrote past them" : L""));
    Say(Format(L"  version: %ls (asked for %ld bytes%ls)", Quoted(version.text).c_str(),
               static_cast<long>(version.size), version.overrun ? L", wrote past them" : L""));

    // What the Plug-ins menu shows once opened.
    SendMessageW(editor->frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editor->pluginMenu), 2);
    wchar_t item[256] = L"";
    GetMenuStringW(editor->pluginMenu, ID_PLUGIN_COMMAND, item, 256, MF_BYCOMMAND);
    UINT state = GetMenuState(editor->pluginMenu, ID_PLUGIN_COMMAND, MF_BYCOMMAND);
    Say(Format(L"  menu item: %ls (string %u), %ls, %ls", Quoted(item).c_str(), LoadedPlugin.getMenuTextId(),
               state & MF_GRAYED ? L"disabled" : L"enabled", state & MF_CHECKED ? L"checked" : L"not checked"));

    // The status bar while the item is highlighted, and the toolbar button's tooltip.
    SendMessageW(editor->frame, WM_MENUSELECT, MAKEWPARAM(ID_PLUGIN_COMMAND, MF_HILITE),
                 reinterpret_cast<LPARAM>(editor->pluginMenu));
    wchar_t status[256] = L"";
    SendMessageW(editor->status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
    SendMessageW(editor->frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Say(Format(L"  status bar: %ls (string %u)", Quoted(status).c_str(), LoadedPlugin.getStatusMessageId()));
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = editor->toolbar;
    info.hdr.idFrom = ID_PLUGIN_COMMAND;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(editor->frame, WM_NOTIFY, ID_PLUGIN_COMMAND, reinterpret_cast<LPARAM>(&info));
    Say(L"  tooltip: " + Quoted(info.lpszText ? info.lpszText : L""));
    LRESULT buttonState = SendMessageW(editor->toolbar, TB_GETSTATE, ID_PLUGIN_COMMAND, 0);
    Say(Format(L"  toolbar button: %ls, %ls", buttonState & TBSTATE_ENABLED ? L"enabled" : L"disabled",
               buttonState & TBSTATE_CHECKED ? L"checked" : L"not checked"));
    Say(Format(L"  default bitmap (GetBitmapID): %u", LoadedPlugin.getBitmapId()));

    // The toolbar in each of the View menu's modes, then back to the mode it had.
    bool large = editor->large;
    int colors = editor->colors;
    static const struct {
        UINT size, depth;
        const wchar_t* name;
    } MODES[] = {
        {ID_VIEW_SMALL, ID_VIEW_16_COLORS, L"small, 16 colours"},
        {ID_VIEW_SMALL, ID_VIEW_256_COLORS, L"small, 256 colours"},
        {ID_VIEW_SMALL, ID_VIEW_TRUE_COLOR, L"small, true colour"},
        {ID_VIEW_LARGE, ID_VIEW_16_COLORS, L"large, 16 colours"},
        {ID_VIEW_LARGE, ID_VIEW_256_COLORS, L"large, 256 colours"},
        {ID_VIEW_LARGE, ID_VIEW_TRUE_COLOR, L"large, true colour"},
    };
    for (const auto& mode : MODES) {
        SendMessageW(editor->frame, WM_COMMAND, mode.size, 0);
        SendMessageW(editor->frame, WM_COMMAND, mode.depth, 0);
        int width = 0, height = 0;
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(editor->toolbar, TB_GETIMAGELIST, 0, 0));
        ImageList_GetIconSize(images, &width, &height);
        std::wstring palette = editor->bitmapColors ? Format(L"%d palette colours", editor->bitmapColors)
                                                    : std::wstring(L"no palette");
        Say(Format(L"  toolbar %ls: bitmap %u (%dx%d, %d bits a pixel, %ls), button picture %dx%d", mode.name,
                   editor->bitmapNumber, editor->bitmapWidth, editor->bitmapHeight, editor->bitmapBits,
                   palette.c_str(), width, height));
    }
    SetToolbarMode(editor, large, colors);
}

RECT WindowArea(HWND window, bool withMenus)
{
    RECT area;
    GetWindowRect(window, &area);
    if (withMenus) {
        // Pop-up menus are top-level windows of their own class.
        HWND menu = nullptr;
        while ((menu = FindWindowExW(nullptr, menu, MAKEINTATOM(0x8000), nullptr)) != nullptr) {
            RECT rect;
            if (IsWindowVisible(menu) && GetWindowRect(menu, &rect))
                UnionRect(&area, &area, &rect);
        }
    }
    return area;
}
