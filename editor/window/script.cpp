// The scripted mode's player: it works the windows through their own commands and answers the dialogs.
//
// The colour dialog and the message box are answered with the dialog driver, from a timer that their modal
// loops dispatch on this same thread.
#include "script.h"

#include "color_dialog_plan.h"
#include "dialog_driver.h"
#include "frame.h"
#include "presentation.h"
#include "screenshot.h"
#include "text.h"
#include "text_forms.h"
#include "transcript.h"

#include <colordlg.h>
#include <wchar.h>

void PumpMessages(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

namespace {

// The timer's period.
const UINT TICK_MS = 50;
// Ticks between a window's appearing and its screenshot, so that it has painted.
const int PAINT_TICKS = 3;

std::wstring Shots; // the screenshots' folder, empty for none

std::wstring ShotPath(const std::wstring& name)
{
    return Shots + L"\\" + name;
}

bool Shoot(const RECT& area, const std::wstring& path)
{
    if (SaveScreenshot(area, path))
        return true;
    Complain(L"cannot save the screenshot " + path);
    return false;
}

// Says in the transcript which window the last watch closed because no step awaited it; false if any.
bool NoUnexpectedWindow()
{
    char first[512];
    int closed = UnexpectedWindowsClosed(first, sizeof first);
    if (closed == 0)
        return true;
    Say(Format(L"  unexpected: %d window(s) closed, the first: ", closed) + FromUtf8(first));
    return false;
}

// A window that a step awaits (the colour dialog, the uninstall question, the Plug-ins menu): found within
// the dialog driver's patience, given time to paint and shot, then worked one action a tick.
struct Awaited {
    HWND (*find)(HWND owner) = nullptr;
    bool (*opened)(Awaited* awaited) = nullptr; // says what opened; false when it shows what it must not
    bool (*act)(Awaited* awaited) = nullptr;    // takes the next action; true when the window is done with
    const wchar_t* missing = nullptr;           // what the transcript says when it never opens, or null
    std::wstring shot;                // where its screenshot goes, or empty
    bool withMenus = false;           // the shot is of the owner with its pop-up menus
    HWND owner = nullptr, window = nullptr;
    int ticks = 0;
    bool done = false, failed = false;
    // The colour dialog's plan and the colour it opened on; the uninstall question's answer.
    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS];
    int actions = 0, taken = 0;
    COLORREF openedOn = 0;
    bool agree = false;
};

void Expect(Awaited* awaited, HWND (*find)(HWND), bool (*opened)(Awaited*), bool (*act)(Awaited*),
            const wchar_t* missing, const std::wstring& shot)
{
    awaited->find = find;
    awaited->opened = opened;
    awaited->act = act;
    awaited->missing = missing;
    awaited->shot = Shots.empty() ? std::wstring() : ShotPath(shot);
}

BOOL Await(HWND owner, void* context)
{
    Awaited* awaited = static_cast<Awaited*>(context);
    awaited->owner = owner;
    if (!awaited->window) {
        awaited->window = awaited->find(owner);
        if (awaited->window) {
            awaited->ticks = 0;
            awaited->failed |= !awaited->opened(awaited);
            return FALSE;
        }
        if (!GiveUpWaiting(&awaited->ticks))
            return FALSE;
        // Any other window it opened meanwhile the watch has closed already, as unexpected.
        if (awaited->missing)
            Say(awaited->missing);
        awaited->failed = awaited->done = true;
        return TRUE;
    }
    if (++awaited->ticks < PAINT_TICKS)
        return FALSE;
    HWND shown = awaited->withMenus ? owner : awaited->window;
    if (awaited->ticks == PAINT_TICKS && !awaited->shot.empty() &&
        !Shoot(WindowArea(shown, awaited->withMenus), awaited->shot))
        awaited->failed = true;
    awaited->done = awaited->act(awaited);
    return awaited->done;
}

// Plays the step's command with the watch awaiting its window; false if the watch could not start.
bool PlayAwaiting(Editor* editor, Awaited* awaited, UINT command)
{
    if (!StartDialogWatch(editor->frame, Await, awaited, TICK_MS))
        return false;
    SendMessageW(editor->frame, WM_COMMAND, command, 0);
    StopDialogWatch();
    awaited->failed |= !NoUnexpectedWindow();
    return true;
}

// The colour dialog: what it opened on, then its plan, each action said in the transcript as it is taken.
bool ColorDialogOpened(Awaited* awaited)
{
    if (ReadColorDialogRgb(awaited->window, &awaited->openedOn)) {
        Say(L"  dialog: opens on " + ColorText(awaited->openedOn));
        return true;
    }
    Say(L"  dialog: opens showing no colour");
    return false;
}

bool TakeColorDialogStep(Awaited* awaited)
{
    const ColorDialogAction& action = awaited->plan[awaited->taken++];
    if (action.kind == PRESS_CANCEL)
        Say(L"  dialog: Cancel");
    COLORREF shown = 0;
    bool done = TakeColorDialogAction(awaited->window, action, awaited->openedOn, &shown) != FALSE;
    if (action.kind == CLICK_CELL && !done)
        Say(L"  dialog: has no custom colours to click");
    else if (action.kind == PRESS_ADD && !done)
        Say(L"  dialog: has no button to add custom colours");
    else if (action.kind == PRESS_ADD && action.cell >= 0)
        Say(Format(L"  dialog: custom colour %d set to ", action.slot + 1) + ColorText(action.color));
    else if (action.kind == CHECK_COLOR && !done)
        Say(Format(L"  dialog: custom colour %d shows ", action.slot + 1) + ColorText(shown));
    else if (action.kind == PRESS_OK || action.kind == PRESS_OPENED_OK) {
        if (!done)
            Say(L"  dialog: shows " + ColorText(shown) + L" instead of " +
                ColorText(action.kind == PRESS_OK ? action.color : awaited->openedOn));
        Say(action.kind == PRESS_OK ? L"  dialog: OK with " + ColorText(shown)
                                    : std::wstring(L"  dialog: OK, colour unchanged"));
    }
    awaited->failed |= !done;
    // Without custom colours to click the rest of them cannot be set: on to the answer.
    while (action.kind == CLICK_CELL && !done && awaited->plan[awaited->taken].slot >= 0)
        awaited->taken++;
    return awaited->taken >= awaited->actions;
}

// The uninstall question: read, shot, and answered.
bool MessageBoxOpened(Awaited* awaited)
{
    MessageBoxContent content;
    ReadMessageBox(awaited->window, &content);
    Say(L"  message box: " + Quoted(FromAnsi(content.text)) + L", caption " + Quoted(FromAnsi(content.caption)));
    return true;
}

bool AnswerMessageBox(Awaited* awaited)
{
    Say(awaited->agree ? L"  message box: Yes" : L"  message box: No");
    if (!PressDialogButton(awaited->window, awaited->agree ? IDYES : IDNO)) {
        Say(L"  message box: has no such button");
        awaited->failed = true;
        PressDialogButton(awaited->window, IDCANCEL);
    }
    return true;
}

// The Plug-ins menu, opened from the keyboard as a user would (Alt+P), shot with the window, and closed.
HWND FindMenu(HWND)
{
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr && !IsWindowVisible(menu)) {
    }
    return menu;
}

bool ShootMenu(Editor* editor, const std::wstring& name)
{
    Awaited menu;
    Expect(&menu, FindMenu, [](Awaited*) { return true; }, [](Awaited*) { return EndMenu() || true; }, nullptr, name);
    menu.withMenus = true;
    if (!StartDialogWatch(editor->frame, Await, &menu, TICK_MS))
        return false;
    PostMessageW(editor->frame, WM_SYSCOMMAND, SC_KEYMENU, L'p');
    DWORD start = GetTickCount();
    while (!menu.done && GetTickCount() - start < DIALOG_PATIENCE_TICKS * TICK_MS)
        PumpMessages(TICK_MS);
    StopDialogWatch();
    PumpMessages(TICK_MS);
    return NoUnexpectedWindow() && menu.done && !menu.failed;
}

// The window of a step, opened through File > New window as needed, made active and set to the step's view.
Editor* WindowFor(const EditorStep& step)
{
    int number = step.window;
    while (!FindEditor(number)) {
        // While none has closed, the windows are numbered 1 to their count.
        size_t count = AllEditors().size();
        if (!FindEditor(static_cast<int>(count)))
            return nullptr;
        SendMessageW(AllEditors().back()->frame, WM_COMMAND, ID_FILE_NEW_WINDOW, 0);
        if (AllEditors().size() == count)
            return nullptr;
    }
    Editor* editor = FindEditor(number);
    if (GetForegroundWindow() != editor->frame) {
        SetForegroundWindow(editor->frame);
        PumpMessages(TICK_MS);
    }
    for (ViewMode mode : step.views)
        SendMessageW(editor->frame, WM_COMMAND, ID_VIEW_SMALL + mode, 0);
    return editor;
}

// What the user does in the window before the step: types, saves, sets Overwrite.
void ApplyEdits(Editor* editor, const EditorStep& step)
{
    for (const EditAction& edit : step.edits) {
        switch (edit.kind) {
        case EDIT_TYPE: TypeText(&editor->view, FromUtf8(edit.text)); break;
        case EDIT_SAVE: SendMessageW(editor->frame, WM_COMMAND, ID_FILE_SAVE, 0); break;
        case EDIT_OVERWRITE_ON:
        case EDIT_OVERWRITE_OFF:
            if (OverwriteOn() != (edit.kind == EDIT_OVERWRITE_ON))
                SendMessageW(editor->frame, WM_COMMAND, ID_EDIT_OVERWRITE, 0);
            break;
        }
        PumpMessages(TICK_MS);
    }
}

// A UTF-8 file's text with the view's line breaks; false when it cannot be read.
bool ReadTextFile(const std::wstring& path, std::wstring* text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &read, nullptr) != 0) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    *text = ViewLineBreaks(FromUtf8(bytes));
    return ok;
}

// The document of a run as its options set it up. False, having said why, when the view cannot hold it.
bool SetUpDocument(Editor* editor, const EditorStep& run)
{
    if (run.limit)
        SetDocumentLimit(&editor->view, run.limit);
    std::wstring text = ViewLineBreaks(FromUtf8(run.text)), file = FromUtf8(run.textFile);
    if (!file.empty() && !ReadTextFile(file, &text)) {
        Complain(L"cannot read the text file " + file);
        return false;
    }
    if ((run.setText || !file.empty()) && !OpenDocument(&editor->view, text)) {
        Complain(Format(L"window %d cannot hold a document of %lu characters", editor->number,
                        static_cast<unsigned long>(text.size())));
        return false;
    }
    std::wstring selection = ViewLineBreaks(FromUtf8(run.selection));
    if (run.setSelection && !SelectText(&editor->view, selection)) {
        Say(L"  editor: the document has no " + Quoted(selection));
        return false;
    }
    return true;
}

bool PlayRun(int number, const EditorStep& run)
{
    const EditorStep& step = run;
    Say(Format(L"run %d in window %d", number, step.window));
    Editor* editor = WindowFor(step);
    if (!editor) {
        Say(L"  editor: the window cannot be opened");
        return false;
    }
    if (!SetUpDocument(editor, run))
        return false;
    std::wstring selected = SelectedText(&editor->view);
    Say(L"  editor: document " + DocumentSummary(DocumentText(&editor->view)) +
        (selected.empty() ? std::wstring(L", nothing selected") : L", selected " + Quoted(selected)));
    ApplyEdits(editor, step);
    if (!PluginLoaded()) {
        Say(L"  editor: no plug-in is loaded");
        return false;
    }
    PumpMessages(2 * TICK_MS);

    bool ok = true;
    std::wstring prefix = Format(L"run%d-", number);
    if (!Shots.empty())
        ok &= ShootMenu(editor, prefix + L"menu.png");

    int insertions = editor->view.insertions;
    Awaited dialog;
    Expect(&dialog, FindColorDialog, ColorDialogOpened, TakeColorDialogStep, L"  dialog: did not open",
           prefix + L"dialog.png");
    int slots[CUSTOM_COLOR_SLOTS];
    COLORREF colors[CUSTOM_COLOR_SLOTS];
    int customs = 0;
    for (const CustomColorSetting& custom : run.customColors) {
        if (customs < CUSTOM_COLOR_SLOTS) {
            slots[customs] = custom.slot;
            colors[customs++] = custom.color;
        }
    }
    dialog.actions = PlanColorDialog(slots, colors, customs, run.answer != ANSWER_CANCEL, run.answer == ANSWER_CHOOSE,
                                     run.chosen, dialog.plan);
    if (!PlayAwaiting(editor, &dialog, FIRST_PLUGIN_COMMAND))
        return false;
    // The command may open no dialog: that is the plug-in's business, and the answer goes unused.
    if (!dialog.window && !dialog.failed)
        Say(L"  dialog: none opened, the answer goes unused");
    ok &= !dialog.failed;
    if (editor->view.insertions == insertions)
        Say(L"  editor: nothing entered");

    PumpMessages(4 * TICK_MS);
    Say(L"  editor: document " + DocumentSummary(DocumentText(&editor->view)));
    if (!Shots.empty())
        ok &= Shoot(WindowArea(editor->frame, false), ShotPath(prefix + L"window.png"));
    return ok;
}

bool PlayUninstall(const EditorStep& step)
{
    Say(Format(L"uninstall in window %d", step.window));
    Editor* editor = WindowFor(step);
    if (!editor) {
        Say(L"  editor: the window cannot be opened");
        return false;
    }
    ApplyEdits(editor, step);
    if (!PluginLoaded()) {
        Say(L"  editor: no plug-in is loaded");
        return false;
    }
    std::wstring path = PluginPath();
    Awaited box;
    Expect(&box, FindMessageBox, MessageBoxOpened, AnswerMessageBox, nullptr, L"uninstall.png");
    box.agree = step.agree;
    if (!PlayAwaiting(editor, &box, ID_PLUGIN_UNINSTALL))
        return false;
    // Only a plug-in that takes part in its uninstall may ask the user; its answer decides either way.
    if (!box.window && Facts().uninstall)
        Say(L"  message box: none opened, the plug-in's answer decides");
    PumpMessages(2 * TICK_MS);
    Say(GetModuleHandleW(path.c_str()) ? L"  editor: the library is still in the process"
                                       : L"  editor: the library is out of the process");
    return !box.failed;
}

// Texts that the windows could not enter while the step played (whether the plug-in sent them on its
// command or on an event): each reported on stderr. False if there was one.
bool NothingLost()
{
    bool none = true;
    for (Editor* editor : AllEditors()) {
        if (!editor->view.failure.empty()) {
            Complain(editor->view.failure);
            editor->view.failure.clear();
            none = false;
        }
    }
    return none;
}

} // namespace

bool PlayScript(const EditorArguments& script, const std::wstring& shots)
{
    Shots = shots;
    bool ok = true;
    int runs = 0;
    for (const EditorStep& step : script.steps) {
        bool played = true;
        std::wstring title;
        switch (step.kind) {
        case STEP_RUN:
            title = Format(L"run %d in window %d", runs + 1, step.window);
            played = PlayRun(++runs, step);
            break;
        case STEP_PRESENT: {
            title = Format(L"presentation in window %d", step.window);
            Say(title);
            Editor* editor = WindowFor(step);
            if (editor) {
                ApplyEdits(editor, step);
                PrintPresentation(editor);
            }
            played = editor != nullptr;
            break;
        }
        case STEP_UNINSTALL:
            title = Format(L"uninstall in window %d", step.window);
            played = PlayUninstall(step);
            break;
        }
        // A lost text says so itself; any other failure is named here, so that stderr never stays silent.
        bool kept = NothingLost();
        if (!played && kept)
            Complain(title + L" did not go as asked; the transcript says how");
        ok &= played && kept;
    }
    return ok;
}
