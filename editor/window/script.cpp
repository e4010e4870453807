// The scripted mode's player: it works the windows through their own commands and answers the dialogs.
//
// The colour dialog, the message box and the Plug-ins menu are worked with the dialog driver, from a timer
// that their modal loops dispatch on this same thread.
#include "script.h"

#include "color_dialog_plan.h"
#include "dialog_driver.h"
#include "presentation.h"
#include "screenshot.h"
#include "text.h"
#include "text_forms.h"
#include "transcript.h"

#include <filesystem>
#include <fstream>

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

// Saves the area as the named screenshot; true as well when no screenshots are asked for.
bool Shoot(const RECT& area, const std::wstring& name)
{
    std::wstring path = Shots + L"\\" + name;
    if (Shots.empty() || SaveScreenshot(area, path))
        return true;
    Complain(L"cannot save the screenshot " + path);
    return false;
}

// Says in the transcript which window the last watch closed because no step awaited it; false if any.
bool NoUnexpectedWindow()
{
    char first[512];
    int closed = UnexpectedWindowsClosed(first, sizeof first);
    if (closed > 0)
        Say(Format(L"  unexpected: %d window(s) closed, the first: ", closed) + FromUtf8(first));
    return closed == 0;
}

// A window that a step awaits (the colour dialog, the uninstall question, the Plug-ins menu): found within
// the dialog driver's patience, given time to paint and shot, then worked one action a tick.
struct Awaited {
    HWND (*find)(HWND owner);
    bool (*opened)(Awaited* awaited); // says what opened; false when it shows what it must not
    bool (*act)(Awaited* awaited);    // takes the next action; true when the window is done with
    const wchar_t* missing;           // what the transcript says when it never opens, or null
    std::wstring shot;                // the screenshot's name
    bool withMenus = false;           // the shot is of the owner with its pop-up menus
    HWND window = nullptr;
    int ticks = 0;
    bool done = false, failed = false;
    // The colour dialog's plan and the colour it opened on; the uninstall question's answer.
    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS] = {};
    int actions = 0, taken = 0;
    COLORREF openedOn = 0;
    bool agree = false;
};

BOOL Await(HWND owner, void* context)
{
    Awaited* awaited = static_cast<Awaited*>(context);
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
    if (awaited->ticks == PAINT_TICKS &&
        !Shoot(WindowArea(awaited->withMenus ? owner : awaited->window, awaited->withMenus), awaited->shot))
        awaited->failed = true;
    awaited->done = awaited->act(awaited);
    return awaited->done;
}

// Sends the window a command, or posts it a key, with the watch awaiting the window that opens; false if the
// watch could not start. A command returns once its dialogs are done; a key is followed until its window is.
bool PlayAwaiting(Editor* editor, Awaited* awaited, UINT message, WPARAM wParam, LPARAM lParam = 0)
{
    if (!StartDialogWatch(editor->frame, Await, awaited, TICK_MS))
        return false;
    if (message == WM_COMMAND) {
        SendMessageW(editor->frame, message, wParam, lParam);
    } else if (PostMessageW(editor->frame, message, wParam, lParam)) {
        for (DWORD start = GetTickCount(); !awaited->done && GetTickCount() - start < DIALOG_PATIENCE_TICKS * TICK_MS;)
            PumpMessages(TICK_MS);
    }
    StopDialogWatch();
    awaited->failed |= !NoUnexpectedWindow();
    return true;
}

// The colour dialog: what it opened on, then its plan, each action said in the transcript as it is taken.
bool ColorDialogOpened(Awaited* awaited)
{
    bool read = ReadColorDialogRgb(awaited->window, &awaited->openedOn) != FALSE;
    Say(read ? L"  dialog: opens on " + ColorText(awaited->openedOn) : L"  dialog: opens showing no colour");
    return read;
}

bool TakeColorDialogStep(Awaited* awaited)
{
    const ColorDialogAction& action = awaited->plan[awaited->taken++];
    if (action.kind == PRESS_CANCEL)
        Say(L"  dialog: Cancel");
    COLORREF shown = 0;
    bool done = TakeColorDialogAction(awaited->window, action, awaited->openedOn, &shown) != FALSE;
    bool ok = action.kind == PRESS_OK || action.kind == PRESS_OPENED_OK;
    if (action.kind == CLICK_CELL && !done)
        Say(L"  dialog: has no custom colours to click");
    else if (action.kind == PRESS_ADD && !done)
        Say(L"  dialog: has no button to add custom colours");
    else if (action.kind == PRESS_ADD && action.cell >= 0)
        Say(Format(L"  dialog: custom colour %d set to ", action.slot + 1) + ColorText(action.color));
    else if (action.kind == CHECK_COLOR && !done)
        Say(Format(L"  dialog: custom colour %d shows ", action.slot + 1) + ColorText(shown));
    else if (ok && !done)
        Say(L"  dialog: shows " + ColorText(shown) + L" instead of " +
            ColorText(action.kind == PRESS_OK ? action.color : awaited->openedOn));
    if (ok)
        Say(action.kind == PRESS_OK ? L"  dialog: OK with " + ColorText(shown) : L"  dialog: OK, colour unchanged");
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
    Say(L"  message box: " + Quoted(content.text) + L", caption " + Quoted(content.caption));
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
    Awaited menu = {FindMenu, [](Awaited*) { return true; }, [](Awaited*) { return EndMenu() || true; }, nullptr, name,
                    true};
    bool played = PlayAwaiting(editor, &menu, WM_SYSCOMMAND, SC_KEYMENU, L'p');
    PumpMessages(TICK_MS);
    return played && menu.done && !menu.failed;
}

// The window of a step, opened through File > New window as needed, made active and set to the step's view.
Editor* WindowFor(const EditorStep& step)
{
    while (!FindEditor(step.window)) {
        // While none has closed, the windows are numbered 1 to their count.
        size_t count = AllEditors().size();
        if (!FindEditor(static_cast<int>(count)))
            return nullptr;
        SendMessageW(AllEditors().back()->frame, WM_COMMAND, ID_FILE_NEW_WINDOW, 0);
        if (AllEditors().size() == count)
            return nullptr;
    }
    Editor* editor = FindEditor(step.window);
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
        if (edit.kind == EDIT_TYPE)
            TypeText(&editor->view, FromUtf8(edit.text));
        else if (edit.kind == EDIT_SAVE)
            SendMessageW(editor->frame, WM_COMMAND, ID_FILE_SAVE, 0);
        else if (OverwriteOn() != (edit.kind == EDIT_OVERWRITE_ON))
            SendMessageW(editor->frame, WM_COMMAND, ID_EDIT_OVERWRITE, 0);
        PumpMessages(TICK_MS);
    }
}

// The document of a run as its options set it up. False, having said why, when the view cannot hold it.
bool SetUpDocument(Editor* editor, const EditorStep& run)
{
    if (run.limit)
        SetDocumentLimit(&editor->view, run.limit);
    std::wstring text = ViewLineBreaks(FromUtf8(run.text)), file = FromUtf8(run.textFile);
    if (!file.empty()) {
        // Read whole by its size, so that a failed or short read fails the stream as a failed open does.
        std::ifstream in(std::filesystem::path(file), std::ios::binary | std::ios::ate);
        std::string bytes(in ? static_cast<size_t>(in.tellg()) : 0, '\0');
        if (!in.seekg(0).read(&bytes[0], static_cast<std::streamsize>(bytes.size()))) {
            Complain(L"cannot read the text file " + file);
            return false;
        }
        text = ViewLineBreaks(FromUtf8(bytes.compare(0, 3, "\xEF\xBB\xBF") ? bytes : bytes.substr(3)));
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
    std::wstring selected = SelectedText(&editor->view);
    Say(L"  editor: document " + DocumentSummary(DocumentText(&editor->view)) +
        (selected.empty() ? std::wstring(L", nothing selected") : L", selected " + Quoted(selected)));
    return true;
}

// The step's window with its document and edits as the step says; null, having said why, when it cannot be.
Editor* PrepareStep(const EditorStep& step)
{
    Editor* editor = WindowFor(step);
    if (!editor)
        Say(L"  editor: the window cannot be opened");
    if (!editor || (step.kind == STEP_RUN && !SetUpDocument(editor, step)))
        return nullptr;
    ApplyEdits(editor, step);
    if (step.kind != STEP_PRESENT && !PluginLoaded()) {
        Say(L"  editor: no plug-in is loaded");
        return nullptr;
    }
    return editor;
}

bool PlayRun(Editor* editor, int number, const EditorStep& run)
{
    PumpMessages(2 * TICK_MS);
    std::wstring prefix = Format(L"run%d-", number);
    bool ok = Shots.empty() || ShootMenu(editor, prefix + L"menu.png");

    int insertions = editor->view.insertions;
    Awaited dialog = {FindColorDialog, ColorDialogOpened, TakeColorDialogStep, L"  dialog: did not open",
                      prefix + L"dialog.png"};
    int slots[CUSTOM_COLOR_SLOTS], customs = 0;
    COLORREF colors[CUSTOM_COLOR_SLOTS];
    for (size_t i = 0; i < run.customColors.size() && customs < CUSTOM_COLOR_SLOTS; i++, customs++) {
        slots[customs] = run.customColors[i].slot;
        colors[customs] = run.customColors[i].color;
    }
    dialog.actions = PlanColorDialog(slots, colors, customs, run.answer != ANSWER_CANCEL, run.answer == ANSWER_CHOOSE,
                                     run.chosen, dialog.plan);
    if (!PlayAwaiting(editor, &dialog, WM_COMMAND, FIRST_PLUGIN_COMMAND))
        return false;
    // The command may open no dialog: that is the plug-in's business, and the answer goes unused.
    if (!dialog.window && !dialog.failed)
        Say(L"  dialog: none opened, the answer goes unused");
    if (editor->view.insertions == insertions)
        Say(L"  editor: nothing entered");

    PumpMessages(4 * TICK_MS);
    Say(L"  editor: document " + DocumentSummary(DocumentText(&editor->view)));
    return Shoot(WindowArea(editor->frame, false), prefix + L"window.png") && ok && !dialog.failed;
}

bool PlayUninstall(Editor* editor, const EditorStep& step)
{
    std::wstring path = PluginPath();
    Awaited box = {FindMessageBox, MessageBoxOpened, AnswerMessageBox, nullptr, L"uninstall.png"};
    box.agree = step.agree;
    if (!PlayAwaiting(editor, &box, WM_COMMAND, ID_PLUGIN_UNINSTALL))
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
        std::wstring title =
            step.kind == STEP_RUN ? Format(L"run %d in window %d", ++runs, step.window)
            : Format(step.kind == STEP_PRESENT ? L"presentation in window %d" : L"uninstall in window %d", step.window);
        Say(title);
        Editor* editor = PrepareStep(step);
        bool played = editor != nullptr;
        if (editor && step.kind == STEP_RUN)
            played = PlayRun(editor, runs, step);
        else if (editor && step.kind == STEP_UNINSTALL)
            played = PlayUninstall(editor, step);
        else if (editor)
            PrintPresentation(editor);
        // A lost text says so itself; any other failure is named here, so that stderr never stays silent.
        bool kept = NothingLost();
        if (!played && kept)
            Complain(title + L" did not go as asked; the transcript says how");
        ok &= played && kept;
    }
    return ok;
}
