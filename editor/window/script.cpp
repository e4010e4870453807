// The scripted mode's player: it works the windows through their own commands and answers the dialogs.
//
// The colour dialog and the message box are answered with the dialog driver, from a timer that their modal
// loops dispatch on this same thread.
#include "script.h"

#include "dialog_driver.h"
#include "editor_window.h"
#include "plugin_answers.h"
#include "screenshot.h"
#include "text.h"
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

// The timer's period, and how many ticks a dialog gets to appear before the step counts as failed.
const UINT TICK_MS = 50;
const int PATIENCE_TICKS = 200;
// Ticks between a window's appearing and its screenshot, so that it has painted.
const int PAINT_TICKS = 3;

std::wstring ShotPath(const Script& script, const std::wstring& name)
{
    return script.shots + L"\\" + name;
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

// The colour dialog of one run, answered step by step: one action a tick, so that the dialog has handled
// the last one (clicks are posted) before the next.
struct ColorDialogDrive {
    const ScriptRun* run;
    std::wstring shot; // where the dialog's screenshot goes, or empty
    int ticks = 0;
    HWND dialog = nullptr;
    COLORREF openedOn = 0;
    size_t customsAdded = 0;
    int customStage = 0; // of the custom colour being set: cell clicked, colour typed, added, checked
    int adds = 0;        // presses of Add so far, which say the cell that the next one fills
    bool walkClicked = false; // a cell before the wanted one was clicked and is to be added again
    bool colorSet = false;
    bool answered = false;
    bool failed = false;
};

BOOL DriveColorDialog(HWND owner, void* context)
{
    ColorDialogDrive* drive = static_cast<ColorDialogDrive*>(context);
    const ScriptRun& run = *drive->run;
    drive->ticks++;
    if (!drive->dialog) {
        drive->dialog = FindColorDialog(owner);
        if (!drive->dialog) {
            if (drive->ticks < PATIENCE_TICKS)
                return FALSE;
            // Any other window it opened meanwhile the watch has closed already, as unexpected.
            Say(L"  dialog: did not open");
            drive->failed = true;
            return TRUE;
        }
        if (ReadColorDialogRgb(drive->dialog, &drive->openedOn)) {
            Say(L"  dialog: opens on " + ColorText(drive->openedOn));
        } else {
            Say(L"  dialog: opens showing no colour");
            drive->failed = true;
        }
        drive->ticks = 0;
        return FALSE;
    }
    if (drive->ticks < PAINT_TICKS)
        return FALSE;
    if (drive->ticks == PAINT_TICKS && !drive->shot.empty() && !Shoot(WindowArea(drive->dialog, false), drive->shot))
        drive->failed = true;

    if (drive->customsAdded < run.customColors.size()) {
        // The slot's cell is selected with a click, so that Add fills it; a second click reads it back.
        const CustomColorSetting& custom = run.customColors[drive->customsAdded];
        if (drive->customStage == 0 && CustomColorCellOfAdd(drive->adds) != custom.slot) {
            // Add fills cells in its own order: each cell before the wanted one is clicked, which shows its
            // colour, and added again, unchanged.
            int cell = CustomColorCellOfAdd(drive->adds);
            if (!drive->walkClicked) {
                drive->walkClicked = ClickCustomColorCell(drive->dialog, cell) != FALSE;
                if (!drive->walkClicked) {
                    Say(L"  dialog: has no custom colours to click");
                    drive->failed = true;
                    drive->customsAdded = run.customColors.size();
                }
            } else {
                PressDialogButton(drive->dialog, COLOR_ADD);
                drive->walkClicked = false;
                drive->adds++;
            }
            return FALSE;
        }
        int stage = drive->customStage++;
        if (stage == 0 || stage == 3) {
            if (!ClickCustomColorCell(drive->dialog, custom.slot)) {
                Say(L"  dialog: has no custom colours to click");
                drive->failed = true;
            }
        } else if (stage == 1) {
            SetColorDialogRgb(drive->dialog, custom.color);
        } else if (stage == 2) {
            if (!PressDialogButton(drive->dialog, COLOR_ADD)) {
                Say(L"  dialog: has no button to add custom colours");
                drive->failed = true;
            }
            drive->adds++;
            Say(Format(L"  dialog: custom colour %d set to ", custom.slot + 1) + ColorText(custom.color));
        } else {
            COLORREF shown = 0;
            if (!ReadColorDialogRgb(drive->dialog, &shown) || shown != custom.color) {
                Say(Format(L"  dialog: custom colour %d shows ", custom.slot + 1) + ColorText(shown));
                drive->failed = true;
            }
            drive->customsAdded++;
            drive->customStage = 0;
        }
        return FALSE;
    }
    if (!drive->colorSet) {
        drive->colorSet = true;
        if (run.answer == ScriptRun::CHOOSE)
            SetColorDialogRgb(drive->dialog, run.color);
        else if (run.answer == ScriptRun::CONFIRM && !run.customColors.empty())
            SetColorDialogRgb(drive->dialog, drive->openedOn); // back from the last custom colour
        return FALSE;
    }

    if (run.answer == ScriptRun::CANCEL) {
        Say(L"  dialog: Cancel");
        PressDialogButton(drive->dialog, IDCANCEL);
    } else {
        COLORREF shown = 0;
        COLORREF wanted = run.answer == ScriptRun::CHOOSE ? run.color : drive->openedOn;
        if (!ReadColorDialogRgb(drive->dialog, &shown) || shown != wanted) {
            Say(L"  dialog: shows " + ColorText(shown) + L" instead of " + ColorText(wanted));
            drive->failed = true;
        }
        Say(run.answer == ScriptRun::CHOOSE ? L"  dialog: OK with " + ColorText(shown)
                                            : std::wstring(L"  dialog: OK, colour unchanged"));
        PressDialogButton(drive->dialog, IDOK);
    }
    drive->answered = true;
    return TRUE;
}

// The uninstall question: read, shot, and answered.
struct MessageBoxDrive {
    bool agree;
    std::wstring shot;
    int ticks = 0;
    HWND box = nullptr;
    bool answered = false;
    bool failed = false;
};

BOOL DriveMessageBox(HWND owner, void* context)
{
    MessageBoxDrive* drive = static_cast<MessageBoxDrive*>(context);
    drive->ticks++;
    if (!drive->box) {
        drive->box = FindMessageBox(owner);
        if (!drive->box) {
            if (drive->ticks < PATIENCE_TICKS)
                return FALSE;
            drive->failed = true;
            return TRUE;
        }
        char text[256] = "", caption[256] = "";
        ReadMessageBoxText(drive->box, text, sizeof text);
        ReadMessageBoxCaption(drive->box, caption, sizeof caption);
        Say(L"  message box: " + Quoted(FromAnsi(text)) + L", caption " + Quoted(FromAnsi(caption)));
        drive->ticks = 0;
        return FALSE;
    }
    if (drive->ticks < PAINT_TICKS)
        return FALSE;
    if (!drive->shot.empty() && !Shoot(WindowArea(drive->box, false), drive->shot))
        drive->failed = true;
    Say(drive->agree ? L"  message box: Yes" : L"  message box: No");
    if (!PressDialogButton(drive->box, drive->agree ? IDYES : IDNO)) {
        Say(L"  message box: has no such button");
        drive->failed = true;
        PressDialogButton(drive->box, IDCANCEL);
    }
    drive->answered = true;
    return TRUE;
}

// The Plug-ins menu, opened from the keyboard as a user would (Alt+P), shot with the window, and closed.
struct MenuDrive {
    std::wstring shot;
    int ticks = 0;
    bool open = false;
    bool done = false;
    bool failed = false;
};

bool MenuShown()
{
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menu))
            return true;
    }
    return false;
}

BOOL DriveMenu(HWND owner, void* context)
{
    MenuDrive* drive = static_cast<MenuDrive*>(context);
    drive->ticks++;
    if (!drive->open) {
        drive->open = MenuShown();
        if (!drive->open && drive->ticks < PATIENCE_TICKS)
            return FALSE;
        drive->failed = !drive->open;
        drive->done = !drive->open;
        drive->ticks = 0;
        return drive->done;
    }
    if (drive->ticks < PAINT_TICKS)
        return FALSE;
    if (!Shoot(WindowArea(owner, true), drive->shot))
        drive->failed = true;
    EndMenu();
    drive->done = true;
    return TRUE;
}

bool ShootMenu(Editor* editor, const std::wstring& path)
{
    MenuDrive drive;
    drive.shot = path;
    if (!StartDialogWatch(editor->frame, DriveMenu, &drive, TICK_MS))
        return false;
    PostMessageW(editor->frame, WM_SYSCOMMAND, SC_KEYMENU, L'p');
    DWORD start = GetTickCount();
    while (!drive.done && GetTickCount() - start < PATIENCE_TICKS * TICK_MS)
        PumpMessages(TICK_MS);
    StopDialogWatch();
    PumpMessages(TICK_MS);
    return NoUnexpectedWindow() && drive.done && !drive.failed;
}

// The window of a step, opened through File > New window as needed, made active and set to the step's view.
Editor* WindowFor(const ScriptStep& step)
{
    int number = step.window;
    while (!FindEditor(number)) {
        // While none has closed, the windows are numbered 1 to their count.
        int count = EditorCount();
        Editor* last = FindEditor(count);
        if (!last)
            return nullptr;
        SendMessageW(last->frame, WM_COMMAND, ID_FILE_NEW_WINDOW, 0);
        if (EditorCount() == count)
            return nullptr;
    }
    Editor* editor = FindEditor(number);
    if (GetForegroundWindow() != editor->frame) {
        SetForegroundWindow(editor->frame);
        PumpMessages(TICK_MS);
    }
    for (int command : step.view)
        SendMessageW(editor->frame, WM_COMMAND, command, 0);
    return editor;
}

// What the user does in the window before the step: types, saves, sets Overwrite.
void ApplyActions(Editor* editor, const ScriptStep& step)
{
    for (const ScriptAction& action : step.actions) {
        switch (action.kind) {
        case ScriptAction::TYPE: TypeText(editor, action.text); break;
        case ScriptAction::SAVE: SendMessageW(editor->frame, WM_COMMAND, ID_FILE_SAVE, 0); break;
        case ScriptAction::OVERWRITE_ON:
        case ScriptAction::OVERWRITE_OFF:
            if (OverwriteOn() != (action.kind == ScriptAction::OVERWRITE_ON))
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
bool SetUpDocument(Editor* editor, const ScriptRun& run)
{
    if (run.setLimit)
        SetDocumentLimit(editor, run.limit);
    std::wstring text = ViewLineBreaks(run.text);
    if (!run.textFile.empty() && !ReadTextFile(run.textFile, &text)) {
        Complain(L"cannot read the text file " + run.textFile);
        return false;
    }
    if ((run.setText || !run.textFile.empty()) && !OpenDocument(editor, text)) {
        Complain(Format(L"window %d cannot hold a document of %lu characters", editor->number,
                        static_cast<unsigned long>(text.size())));
        return false;
    }
    std::wstring selection = ViewLineBreaks(run.selection);
    if (run.setSelection && !SelectText(editor, selection)) {
        Say(L"  editor: the document has no " + Quoted(selection));
        return false;
    }
    return true;
}

bool PlayRun(const Script& script, int number, const ScriptStep& step)
{
    const ScriptRun& run = step.run;
    Say(Format(L"run %d in window %d", number, step.window));
    Editor* editor = WindowFor(step);
    if (!editor) {
        Say(L"  editor: the window cannot be opened");
        return false;
    }
    if (!SetUpDocument(editor, run))
        return false;
    std::wstring selected = SelectedText(editor);
    Say(L"  editor: document " + DocumentSummary(DocumentText(editor)) +
        (selected.empty() ? std::wstring(L", nothing selected") : L", selected " + Quoted(selected)));
    ApplyActions(editor, step);
    if (!PluginLoaded()) {
        Say(L"  editor: no plug-in is loaded");
        return false;
    }
    PumpMessages(2 * TICK_MS);

    bool ok = true;
    std::wstring prefix = Format(L"run%d-", number);
    if (!script.shots.empty())
        ok &= ShootMenu(editor, ShotPath(script, prefix + L"menu.png"));

    int insertions = editor->insertions;
    ColorDialogDrive drive;
    drive.run = &run;
    if (!script.shots.empty())
        drive.shot = ShotPath(script, prefix + L"dialog.png");
    if (!StartDialogWatch(editor->frame, DriveColorDialog, &drive, TICK_MS))
        return false;
    SendMessageW(editor->frame, WM_COMMAND, FIRST_PLUGIN_COMMAND, 0);
    StopDialogWatch();
    if (!NoUnexpectedWindow())
        drive.failed = true;
    // The command may open no dialog: that is the plug-in's business, and the answer goes unused.
    if (!drive.dialog && !drive.failed)
        Say(L"  dialog: none opened, the answer goes unused");
    ok &= !drive.failed;
    if (editor->insertions == insertions)
        Say(L"  editor: nothing entered");

    PumpMessages(4 * TICK_MS);
    Say(L"  editor: document " + DocumentSummary(DocumentText(editor)));
    if (!script.shots.empty())
        ok &= Shoot(WindowArea(editor->frame, false), ShotPath(script, prefix + L"window.png"));
    return ok;
}

bool PlayUninstall(const Script& script, const ScriptStep& step)
{
    Say(Format(L"uninstall in window %d", step.window));
    Editor* editor = WindowFor(step);
    if (!editor) {
        Say(L"  editor: the window cannot be opened");
        return false;
    }
    ApplyActions(editor, step);
    if (!PluginLoaded()) {
        Say(L"  editor: no plug-in is loaded");
        return false;
    }
    std::wstring path = CurrentPlugin().path;
    MessageBoxDrive drive;
    drive.agree = step.agree;
    if (!script.shots.empty())
        drive.shot = ShotPath(script, L"uninstall.png");
    if (!StartDialogWatch(editor->frame, DriveMessageBox, &drive, TICK_MS))
        return false;
    SendMessageW(editor->frame, WM_COMMAND, ID_PLUGIN_UNINSTALL, 0);
    StopDialogWatch();
    if (!NoUnexpectedWindow())
        drive.failed = true;
    // Only a plug-in that takes part in its uninstall may ask the user; its answer decides either way.
    if (!drive.answered && Facts().uninstall)
        Say(L"  message box: none opened, the plug-in's answer decides");
    PumpMessages(2 * TICK_MS);
    Say(GetModuleHandleW(path.c_str()) ? L"  editor: the library is still in the process"
                                       : L"  editor: the library is out of the process");
    return !drive.failed;
}

// Texts that the windows could not enter while the step played (whether the plug-in sent them on its
// command or on an event): each reported on stderr. False if there was one.
bool NothingLost()
{
    bool none = true;
    for (Editor* editor : AllEditors()) {
        if (!editor->failure.empty()) {
            Complain(editor->failure);
            editor->failure.clear();
            none = false;
        }
    }
    return none;
}

} // namespace

bool PlayScript(const Script& script)
{
    bool ok = true;
    int runs = 0;
    for (const ScriptStep& step : script.steps) {
        bool played = true;
        std::wstring title;
        switch (step.kind) {
        case ScriptStep::RUN:
            title = Format(L"run %d in window %d", runs + 1, step.window);
            played = PlayRun(script, ++runs, step);
            break;
        case ScriptStep::PRESENT: {
            title = Format(L"presentation in window %d", step.window);
            Say(title);
            Editor* editor = WindowFor(step);
            if (editor) {
                ApplyActions(editor, step);
                PrintPresentation(editor);
            }
            played = editor != nullptr;
            break;
        }
        case ScriptStep::UNINSTALL:
            title = Format(L"uninstall in window %d", step.window);
            played = PlayUninstall(script, step);
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
