// The editor's calls into the plug-in and its answers to the plug-in's messages, each shown in the transcript.
#include "plugin_answers.h"

#include "text.h"
#include "transcript.h"

#include <string.h>

namespace {

Plugin LoadedPlugin; // the process's plug-in; empty once uninstalled
PluginFacts Told;    // what the plug-in said of itself when last asked

std::wstring StateText(bool enabled, bool checked)
{
    return std::wstring(enabled ? L"enabled" : L"disabled") + (checked ? L", checked" : L", not checked");
}

// One text asked in its UTF-16 form, then in its ANSI form when the plug-in has none in UTF-16.
std::wstring AskText(HWND view, const wchar_t* what, UINT utf16Message, UINT ansiMessage)
{
    PluginTextAnswer answer = PluginText(LoadedPlugin, view, utf16Message, true);
    std::wstring line = Format(L"  plug-in: %ls: 0x%X (UTF-16) answers %ld", what, utf16Message,
                               static_cast<long>(answer.size));
    if (answer.size == 0) {
        answer = PluginText(LoadedPlugin, view, ansiMessage, false);
        line += Format(L", 0x%X (ANSI) answers %ld", ansiMessage, static_cast<long>(answer.size));
    }
    line += L": " + Quoted(answer.text) + (answer.overrun ? L", written past the capacity given" : L"");
    Say(line);
    return answer.text;
}

bool AskYesNo(HWND view, UINT message, const wchar_t* meaning)
{
    LRESULT answer = LoadedPlugin.plugInProc(view, message, 0, 0);
    Say(Format(L"  plug-in: 0x%X (%ls) answers %ld", message, meaning, static_cast<long>(answer)));
    return answer != 0;
}

// MSG_QUERY_STATUS: the command's state for the plug-in, as the editor shows it.
LRESULT AnswerQueryStatus(Editor* editor, WPARAM command, LPARAM checkedOut)
{
    Say(Format(L"  plug-in: sends 0x%X (query status) for %lu", MSG_QUERY_STATUS, static_cast<unsigned long>(command)));
    if (command != FIRST_PLUGIN_COMMAND) {
        Say(Format(L"  editor: no command %lu, answers 0", static_cast<unsigned long>(command)));
        return 0;
    }
    bool checked = false;
    bool enabled = QueryCommand(editor, &checked);
    if (checkedOut)
        *reinterpret_cast<BOOL*>(checkedOut) = checked ? TRUE : FALSE;
    Say(Format(L"  editor: QueryStatus(view %d) for %u: %ls, answers %d", editor->number, FIRST_PLUGIN_COMMAND,
               StateText(enabled, checked).c_str(), enabled ? 1 : 0));
    return enabled ? TRUE : FALSE;
}

// MSG_UPDATE_TOOLBAR: the command's status asked again and its button and menu item redrawn by it.
LRESULT AnswerUpdateToolbar(Editor* editor, WPARAM command)
{
    Say(Format(L"  plug-in: sends 0x%X (update toolbar) for %lu", MSG_UPDATE_TOOLBAR,
               static_cast<unsigned long>(command)));
    if (command != FIRST_PLUGIN_COMMAND) {
        Say(Format(L"  editor: no command %lu, 0x%X ignored", static_cast<unsigned long>(command), MSG_UPDATE_TOOLBAR));
        return 0;
    }
    bool checked = false;
    bool enabled = QueryCommand(editor, &checked);
    Say(Format(L"  editor: QueryStatus(view %d) for %u: %ls (button and menu item redrawn)", editor->number,
               FIRST_PLUGIN_COMMAND, StateText(enabled, checked).c_str()));
    ShowCommandState(editor, enabled, checked);
    return 0;
}

// MSG_GET_SELECTION: the selected text's first bytes in the ANSI code page, as many whole characters as the
// capacity holds, then a NUL if there is room. Answers the size a whole copy needs, NUL included.
LRESULT AnswerGetSelection(Editor* editor, WPARAM capacity, LPARAM buffer)
{
    std::string ansi = ToAnsi(SelectedText(editor));
    size_t count = buffer ? WholeCharacterBytes(ansi, capacity) : 0;
    if (buffer) {
        char* out = reinterpret_cast<char*>(buffer);
        memcpy(out, ansi.data(), count);
        if (count < capacity)
            out[count] = '\0';
    }
    std::wstring line = Format(L"  editor: asked for the selection into %lu bytes, hands over %lu",
                               static_cast<unsigned long>(capacity), static_cast<unsigned long>(count));
    if (count > 0)
        line += L": " + Quoted(FromAnsi(ansi.substr(0, count)));
    Say(line);
    return static_cast<LRESULT>(ansi.size() + 1);
}

// MSG_INSERT_TEXT: the ANSI text takes the selection's place, or in overwrite mode with nothing selected
// the characters after the caret up to the line's end. The document afterwards is checked against what it
// must hold; if the view did not take the text, it gets its text back and the failure is kept for the run.
LRESULT AnswerInsertText(Editor* editor, WPARAM mode, LPARAM text)
{
    if (!text) {
        Say(L"  editor: asked to enter no text (a null pointer), ignored");
        return 0;
    }
    std::wstring wide = ViewLineBreaks(FromAnsi(reinterpret_cast<const char*>(text)));
    WPARAM how = mode & 0xF;
    bool overwrite = how == INSERT_OVERWRITE || (how == INSERT_AS_SET && OverwriteOn());
    Say(L"  editor: enters " + Quoted(wide) + (overwrite ? L", overwriting" : L""));

    std::wstring before = DocumentText(editor);
    DWORD start = 0, end = 0;
    GetSelection(editor, &start, &end);
    const DWORD selectedFrom = start, selectedTo = end;
    const bool wasModified = editor->modified;
    // The plug-in hears of the change once it is whole (after this message), or of nothing if it failed.
    bool telling = editor->telling;
    editor->telling = true;
    if (overwrite && start == end) {
        size_t lineEnd = before.find(L'\r', start);
        size_t last = lineEnd == std::wstring::npos ? before.size() : lineEnd;
        end = static_cast<DWORD>(start + wide.size() < last ? start + wide.size() : last);
        SendMessageW(editor->view, EM_SETSEL, start, end);
    }
    std::wstring expected = before.substr(0, start) + wide + before.substr(end);
    SendMessageW(editor->view, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    bool entered = DocumentText(editor) == expected;
    if (!entered) {
        editor->modified = wasModified;
        RestoreDocument(editor, before, selectedFrom, selectedTo);
    }
    editor->telling = telling;
    if (!entered) {
        editor->failure = Format(L"window %d cannot enter %ls: its document of %lu characters would exceed what "
                                 L"the view holds; the document keeps its text",
                                 editor->number, Quoted(wide).c_str(), static_cast<unsigned long>(before.size()));
        Say(L"  editor: " + editor->failure);
        return 0;
    }
    editor->insertions++;
    return 1;
}

} // namespace

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

void AskPluginFacts(HWND view)
{
    Told.name = AskText(view, L"name", PIP_GET_NAME_UTF16, PIP_GET_NAME);
    Told.version = AskText(view, L"version", PIP_GET_VERSION_UTF16, PIP_GET_VERSION);
    Told.properties = AskYesNo(view, PIP_QUERY_PROPERTIES, L"has properties");
    Told.uninstall = AskYesNo(view, PIP_QUERY_UNINSTALL, L"takes part in its uninstall");
}

const PluginFacts& Facts()
{
    return Told;
}

void SendEvent(const Editor* editor, UINT event, LPARAM param)
{
    if (!LoadedPlugin.module)
        return;
    Say(EventLine(editor ? editor->number : 0, event, param));
    LoadedPlugin.onEvents(editor ? editor->view : nullptr, event, param);
}

bool QueryCommand(const Editor* editor, bool* checked)
{
    BOOL check = FALSE;
    bool enabled = LoadedPlugin.module && LoadedPlugin.queryStatus(editor->view, &check);
    *checked = LoadedPlugin.module && check;
    return enabled;
}

LRESULT AnswerPluginMessage(Editor* editor, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case MSG_QUERY_STATUS: return AnswerQueryStatus(editor, wParam, lParam);
    case MSG_UPDATE_TOOLBAR: return AnswerUpdateToolbar(editor, wParam);
    case MSG_GET_SELECTION: return AnswerGetSelection(editor, wParam, lParam);
    case MSG_INSERT_TEXT: return AnswerInsertText(editor, wParam, lParam);
    default:
        Say(Format(L"  plug-in: sends 0x%X (wParam %lu, lParam %ld)", message, static_cast<unsigned long>(wParam),
                   static_cast<long>(lParam)));
        Say(L"  editor: no such message, answers 0");
        return 0;
    }
}

void RunCommand(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    bool checked;
    if (!QueryCommand(editor, &checked)) {
        Say(L"  editor: the command is disabled");
        return;
    }
    LoadedPlugin.onCommand(editor->view);
    RefreshCommand(editor);
}

void ShowProperties(Editor* editor)
{
    if (LoadedPlugin.module && Told.properties)
        LoadedPlugin.plugInProc(editor->view, PIP_SHOW_PROPERTIES, 0, 0);
}

void ShowAbout(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    std::wstring text = Told.name + L"\n" + Told.version;
    MessageBoxW(editor->frame, text.c_str(), L"About plug-in", MB_OK | MB_ICONINFORMATION);
}

void Uninstall(Editor* editor)
{
    if (!LoadedPlugin.module)
        return;
    // A plug-in that takes part in its uninstall is asked first (it asks the user); any other goes at once.
    Told.uninstall = AskYesNo(editor->view, PIP_QUERY_UNINSTALL, L"takes part in its uninstall");
    if (!Told.uninstall) {
        Say(L"  editor: the plug-in is removed without being asked");
    } else {
        LRESULT agreed = LoadedPlugin.plugInProc(editor->view, PIP_CONFIRM_UNINSTALL, 0, 0);
        if (agreed != 1) {
            Say(Format(L"  plug-in: 0x%X (confirm uninstall) answers %ld: the plug-in stays", PIP_CONFIRM_UNINSTALL,
                       static_cast<long>(agreed)));
            return;
        }
        Say(Format(L"  plug-in: 0x%X (confirm uninstall) answers 1: the plug-in is removed",
                   PIP_CONFIRM_UNINSTALL));
    }
    FreePlugin();
    RebuildPluginControls();
}

void FreePlugin()
{
    if (!LoadedPlugin.module)
        return;
    SendEvent(nullptr, EVENT_CLOSE, 0);
    UnloadPlugin(&LoadedPlugin);
}
