// The view: its document, the events its changes make, and its answers to the plug-in's messages.
#include "view.h"

#include "editor_answers.h"
#include "plugin_host.h"
#include "text.h"
#include "text_forms.h"
#include "transcript.h"

#include <algorithm>

namespace {

bool Overwrite; // the user's Edit > Overwrite setting, for every view

View* ViewOf(HWND hwnd)
{
    return reinterpret_cast<View*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The selection, through the control's own procedure: asking through the view's would look for changes.
void GetSelection(const View* view, DWORD* start, DWORD* end)
{
    *start = *end = 0;
    if (view->hwnd && view->own)
        CallWindowProcW(view->own, view->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                        reinterpret_cast<LPARAM>(end));
}

ViewState CurrentState(const View* view)
{
    ViewState state;
    state.textVersion = view->textVersion;
    state.modified = view->modified;
    DWORD start = 0, end = 0;
    GetSelection(view, &start, &end);
    state.selectionStart = start;
    state.selectionEnd = end;
    return state;
}

// Puts text and selection back as they were, without events; the modified state stays.
void RestoreDocument(View* view, const std::wstring& text, DWORD start, DWORD end)
{
    view->settingUp = true;
    SetWindowTextW(view->hwnd, text.c_str());
    SendMessageW(view->hwnd, EM_SETSEL, start, end);
    view->settingUp = false;
    view->told = CurrentState(view);
}

// MSG_QUERY_STATUS and MSG_UPDATE_TOOLBAR: the command's state asked of the plug-in; the first hands it back,
// the second has the frame redraw the command's button and menu item by it.
LRESULT AnswerCommandState(View* view, UINT message, WPARAM command, LPARAM checkedOut)
{
    bool query = message == MSG_QUERY_STATUS;
    Say(Format(L"  plug-in: sends 0x%X (%ls) for %lu", message, query ? L"query status" : L"update toolbar",
               static_cast<unsigned long>(command)));
    if (command != FIRST_PLUGIN_COMMAND) {
        Say(query ? Format(L"  editor: no command %lu, answers 0", static_cast<unsigned long>(command))
                  : Format(L"  editor: no command %lu, 0x%X ignored", static_cast<unsigned long>(command), message));
        return 0;
    }
    bool checked = false;
    bool enabled = QueryCommand(view->hwnd, &checked);
    std::wstring line = Format(L"  editor: QueryStatus(view %d) for %u: %ls, %ls", view->number, FIRST_PLUGIN_COMMAND,
                               enabled ? L"enabled" : L"disabled", checked ? L"checked" : L"not checked");
    if (!query) {
        Say(line + L" (button and menu item redrawn)");
        SendMessageW(view->frame, WM_VIEW_COMMAND_STATE, enabled, checked);
        return 0;
    }
    if (checkedOut)
        *reinterpret_cast<BOOL*>(checkedOut) = checked ? TRUE : FALSE;
    Say(line + Format(L", answers %d", enabled ? 1 : 0));
    return enabled ? TRUE : FALSE;
}

// MSG_GET_SELECTION: the selection in the ANSI code page, handed over by the editor side's one answer.
LRESULT AnswerSelectionRequest(View* view, WPARAM capacity, LPARAM buffer)
{
    std::string ansi = ToAnsi(SelectedText(view));
    size_t count = 0;
    size_t answer = AnswerGetSelection(ansi.data(), ansi.size(), AnsiCharacterSize, reinterpret_cast<char*>(buffer),
                                       capacity, &count);
    std::wstring line = Format(L"  editor: asked for the selection into %lu bytes, hands over %lu",
                               static_cast<unsigned long>(capacity), static_cast<unsigned long>(count));
    Say(count > 0 ? line + L": " + Quoted(FromAnsi(ansi.substr(0, count))) : line);
    return static_cast<LRESULT>(answer);
}

// MSG_INSERT_TEXT: the ANSI text takes the selection's place, or in overwrite mode with nothing selected
// the characters after the caret up to the line's end.
LRESULT AnswerInsertText(View* view, WPARAM mode, LPARAM text)
{
    const char* ansi = reinterpret_cast<const char*>(text);
    if (!ansi) {
        Say(L"  editor: asked to enter no text (a null pointer), ignored");
        return 0;
    }
    bool terminated;
    std::wstring wide =
        ViewLineBreaks(FromAnsi(std::string(ansi, InsertedTextLength(ansi, static_cast<size_t>(-1), &terminated))));
    WPARAM how = mode & 0xF;
    bool overwrite = how == INSERT_OVERWRITE || (how == INSERT_AS_SET && Overwrite);
    Say(L"  editor: enters " + Quoted(wide) + (overwrite ? L", overwriting" : L""));

    std::wstring before = DocumentText(view);
    DWORD from = 0, to = 0;
    GetSelection(view, &from, &to);
    DWORD end = to;
    const bool wasModified = view->modified;
    // The plug-in hears of the change once it is whole (after this message), or of nothing if it failed.
    bool telling = view->telling;
    view->telling = true;
    if (overwrite && from == to) {
        size_t lineEnd = std::min(before.find(L'\r', from), before.size());
        end = static_cast<DWORD>(std::min<size_t>(from + wide.size(), lineEnd));
        SendMessageW(view->hwnd, EM_SETSEL, from, end);
    }
    SendMessageW(view->hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    bool entered = DocumentText(view) == before.substr(0, from) + wide + before.substr(end);
    view->telling = telling;
    if (!entered) {
        // The view held less than the whole: it gets its text back, and the failure is kept for the run.
        view->modified = wasModified;
        RestoreDocument(view, before, from, to);
        view->failure = Format(L"window %d cannot enter %ls: its document of %lu characters would exceed what "
                               L"the view holds; the document keeps its text",
                               view->number, Quoted(wide).c_str(), static_cast<unsigned long>(before.size()));
        Say(L"  editor: " + view->failure);
        return 0;
    }
    view->insertions++;
    return 1;
}

LRESULT AnswerPluginMessage(View* view, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case MSG_QUERY_STATUS:
    case MSG_UPDATE_TOOLBAR: return AnswerCommandState(view, message, wParam, lParam);
    case MSG_GET_SELECTION: return AnswerSelectionRequest(view, wParam, lParam);
    case MSG_INSERT_TEXT: return AnswerInsertText(view, wParam, lParam);
    default:
        Say(Format(L"  plug-in: sends 0x%X (wParam %lu, lParam %ld)", message, static_cast<unsigned long>(wParam),
                   static_cast<long>(lParam)));
        Say(L"  editor: no such message, answers 0");
        return 0;
    }
}

// Tells the plug-in of what changed in the view since it was last told.
void TellViewChanges(View* view)
{
    if (view->telling || view->settingUp || view->closing || !view->hwnd)
        return;
    view->telling = true;
    // What the plug-in does on an event may change the view again: told until nothing is left, within reason.
    for (int round = 0; round < 16; round++) {
        ViewState now = CurrentState(view);
        UINT events[MOST_VIEW_EVENTS];
        int count = ViewEvents(view->told, now, events);
        if (now.modified != view->told.modified)
            SendMessageW(view->frame, WM_VIEW_MODE_CHANGED, 0, 0);
        view->told = now;
        if (count == 0)
            break;
        for (int i = 0; i < count; i++)
            SendEvent(view->hwnd, view->number, events[i], 0);
    }
    view->telling = false;
}

// The edit control under a procedure that answers the plug-in's messages and, after every other message,
// tells the plug-in what it changed.
LRESULT CALLBACK ViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    View* view = ViewOf(hwnd);
    if (message >= MSG_EDITOR_FIRST && message <= MSG_EDITOR_LAST) {
        LRESULT answer = AnswerPluginMessage(view, message, wParam, lParam);
        TellViewChanges(view);
        return answer;
    }
    WNDPROC own = view->own;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        view->hwnd = nullptr;
        return CallWindowProcW(own, hwnd, message, wParam, lParam);
    }
    LRESULT result = CallWindowProcW(own, hwnd, message, wParam, lParam);
    if (view->closing)
        return result;
    TellViewChanges(view);
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        SendEvent(hwnd, view->number, message == WM_SETFOCUS ? EVENT_FOCUS_GAINED : EVENT_FOCUS_LOST, 0);
    return result;
}

} // namespace

bool CreateView(View* view, HWND frame, int id, HFONT font)
{
    view->frame = frame;
    view->hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                     ES_NOHIDESEL,
                                 0, 0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!view->hwnd)
        return false;
    // As much text as the control can hold, not its default of about 30,000 characters.
    SendMessageW(view->hwnd, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(view->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrW(view->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    view->own = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(view->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc)));
    view->told = CurrentState(view);
    return true;
}

void NoteTextChange(View* view)
{
    // The edit control reports a change also when its limit refused the keys: only a new text counts.
    std::wstring text = DocumentText(view);
    if (text != view->lastText) {
        view->lastText.swap(text);
        view->textVersion++;
        view->modified = view->modified || !view->settingUp;
    }
}

bool OpenDocument(View* view, const std::wstring& text)
{
    std::wstring before = DocumentText(view);
    DWORD start = 0, end = 0;
    GetSelection(view, &start, &end);
    RestoreDocument(view, text, 0, static_cast<DWORD>(text.size()));
    if (DocumentText(view) != text) {
        RestoreDocument(view, before, start, end);
        return false;
    }
    view->modified = view->told.modified = false;
    SendMessageW(view->frame, WM_VIEW_MODE_CHANGED, 0, 0);
    return true;
}

std::wstring DocumentText(const View* view)
{
    if (!view->hwnd || !view->own)
        return std::wstring();
    // The control's own procedure, as for the selection: a read must not look for changes of the view.
    LRESULT length = CallWindowProcW(view->own, view->hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(CallWindowProcW(view->own, view->hwnd, WM_GETTEXT, text.size(),
                                                    reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

bool SelectText(View* view, const std::wstring& text)
{
    std::wstring document = DocumentText(view);
    size_t at = text.empty() ? document.size() : document.find(text);
    if (at == std::wstring::npos)
        return false;
    SendMessageW(view->hwnd, EM_SETSEL, at, at + text.size());
    return true;
}

std::wstring SelectedText(const View* view)
{
    DWORD start = 0, end = 0;
    GetSelection(view, &start, &end);
    std::wstring document = DocumentText(view);
    if (start > end || end > document.size())
        return std::wstring();
    return document.substr(start, end - start);
}

void TypeText(View* view, const std::wstring& text)
{
    Say(L"  editor: types " + Quoted(text));
    for (wchar_t ch : text)
        SendMessageW(view->hwnd, WM_CHAR, ch == L'\n' ? L'\r' : ch, 1);
}

void SaveDocument(View* view)
{
    Say(L"  editor: File > Save: the document counts as saved (nothing is written)");
    view->modified = false;
    TellViewChanges(view);
}

void SetDocumentLimit(View* view, UINT characters)
{
    SendMessageW(view->hwnd, EM_SETLIMITTEXT, characters, 0);
}

void SetOverwrite(bool on)
{
    Overwrite = on;
}

bool OverwriteOn()
{
    return Overwrite;
}
