// The scripted mode's parser and player. The player works the windows through their own commands and
// answers the colour dialog and the message box with the dialog driver, from a timer that the dialogs'
// modal loops dispatch.
#include "script.h"

#include "dialog_driver.h"
#include "editor_window.h"
#include "screenshot.h"
#include "text.h"

#include <colordlg.h>
#include <wchar.h>

const wchar_t SCRIPT_USAGE[] =
    L"Usage: huebird-window [OPTION]... [STEP]...\n"
    L"\n"
    L"A stand-in editor window for Windows that loads a plug-in DLL as the editor does and presents it: its\n"
    L"menu item, toolbar picture, status text and tooltip, About and Uninstall. With no steps it stays open\n"
    L"for the user; with steps it plays them, printing what the editor saw, and closes.\n"
    L"\n"
    L"Options:\n"
    L"  --plugin PATH       the plug-in DLL (default: Huebird.dll beside the program)\n"
    L"  --shots DIR         save screenshots as PNG into DIR: runN-menu.png (the Plug-ins menu open),\n"
    L"                      runN-dialog.png (the colour dialog as it opened), runN-window.png (afterwards)\n"
    L"                      and uninstall.png (the plug-in's question)\n"
    L"  --stay              keep the windows open after the steps\n"
    L"  -h, --help          show this help\n"
    L"\n"
    L"A run of the command is set up by run options and ended by the dialog's answer:\n"
    L"  --window N          run in window N, 1 to 4, opened with File > New window as needed (default 1)\n"
    L"  --text TEXT         the document's text, all of it selected\n"
    L"  --select TEXT       select the first TEXT in the document; an empty TEXT selects nothing\n"
    L"  --custom COLOR      add COLOR to the dialog's custom colours first; may be repeated\n"
    L"  --confirm           press OK with the colour the dialog opened on\n"
    L"  --choose COLOR      choose COLOR and press OK\n"
    L"  --cancel            press Cancel\n"
    L"  --view MODE         before the step, choose View > MODE in its window: small or large toolbar\n"
    L"                      pictures, 16, 256 or true colours; may be repeated\n"
    L"A COLOR is R,G,B with each from 0 to 255, or #RRGGBB.\n"
    L"\n"
    L"Other steps (--window N before them picks the window):\n"
    L"  --present           print what the window presents, in each toolbar mode\n"
    L"  --uninstall yes|no  choose Plug-ins > Uninstall and give this answer to the plug-in's question\n"
    L"\n"
    L"Example: huebird-window --text '#00ff00' --confirm --select lime --choose 18,52,86\n"
    L"\n"
    L"Exit status: 0 when every step went as asked, 1 when one failed, 2 for bad arguments.\n";

namespace {

bool ParseNumber(const std::wstring& text, int low, int high, int* value)
{
    if (text.empty() || text.size() > 3)
        return false;
    int number = 0;
    for (wchar_t ch : text) {
        if (ch < L'0' || ch > L'9')
            return false;
        number = number * 10 + (ch - L'0');
    }
    if (number < low || number > high)
        return false;
    *value = number;
    return true;
}

int HexDigit(wchar_t ch)
{
    if (ch >= L'0' && ch <= L'9')
        return ch - L'0';
    if (ch >= L'a' && ch <= L'f')
        return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F')
        return ch - L'A' + 10;
    return -1;
}

bool ParseColor(const std::wstring& text, COLORREF* color)
{
    if (text.size() == 7 && text[0] == L'#') {
        int parts[3];
        for (int i = 0; i < 3; i++) {
            int high = HexDigit(text[1 + 2 * i]), low = HexDigit(text[2 + 2 * i]);
            if (high < 0 || low < 0)
                return false;
            parts[i] = high * 16 + low;
        }
        *color = RGB(parts[0], parts[1], parts[2]);
        return true;
    }
    size_t first = text.find(L','), second = first == std::wstring::npos ? first : text.find(L',', first + 1);
    if (second == std::wstring::npos)
        return false;
    int red, green, blue;
    if (!ParseNumber(text.substr(0, first), 0, 255, &red) ||
        !ParseNumber(text.substr(first + 1, second - first - 1), 0, 255, &green) ||
        !ParseNumber(text.substr(second + 1), 0, 255, &blue))
        return false;
    *color = RGB(red, green, blue);
    return true;
}

} // namespace

bool ParseScript(const std::vector<std::wstring>& arguments, Script* script, std::wstring* error)
{
    *script = Script();
    ScriptStep pending;        // the step being set up
    bool pendingRun = false;   // run options were given for it
    bool pendingWindow = false; // --window was given for it
    bool pendingView = false;   // --view was given for it
    for (size_t i = 0; i < arguments.size(); i++) {
        const std::wstring& option = arguments[i];
        bool needsValue = option == L"--plugin" || option == L"--shots" || option == L"--window" ||
                          option == L"--text" || option == L"--select" || option == L"--custom" ||
                          option == L"--choose" || option == L"--uninstall" || option == L"--view";
        if (needsValue && i + 1 >= arguments.size()) {
            *error = option + L" needs a value";
            return false;
        }
        std::wstring value = needsValue ? arguments[++i] : std::wstring();

        if (option == L"-h" || option == L"--help") {
            script->help = true;
        } else if (option == L"--plugin") {
            script->plugin = value;
        } else if (option == L"--shots") {
            script->shots = value;
        } else if (option == L"--stay") {
            script->stay = true;
        } else if (option == L"--window") {
            if (pendingWindow) {
                *error = L"--window given twice for one step";
                return false;
            }
            if (!ParseNumber(value, 1, 4, &pending.window)) {
                *error = L"--window takes a number from 1 to 4, not " + Quoted(value);
                return false;
            }
            pendingWindow = true;
        } else if (option == L"--view") {
            static const struct {
                const wchar_t* name;
                int command;
            } MODES[] = {{L"small", ID_VIEW_SMALL},       {L"large", ID_VIEW_LARGE},
                         {L"16", ID_VIEW_16_COLORS},     {L"256", ID_VIEW_256_COLORS},
                         {L"true", ID_VIEW_TRUE_COLOR}};
            size_t before = pending.view.size();
            for (const auto& mode : MODES) {
                if (value == mode.name)
                    pending.view.push_back(mode.command);
            }
            if (pending.view.size() == before) {
                *error = L"--view takes small, large, 16, 256 or true, not " + Quoted(value);
                return false;
            }
            pendingView = true;
        } else if (option == L"--text" || option == L"--select") {
            bool text = option == L"--text";
            if (text ? pending.run.setText : pending.run.setSelection) {
                *error = option + L" given twice for one run";
                return false;
            }
            (text ? pending.run.setText : pending.run.setSelection) = true;
            (text ? pending.run.text : pending.run.selection) = value;
            pendingRun = true;
        } else if (option == L"--custom") {
            COLORREF color;
            if (!ParseColor(value, &color)) {
                *error = L"--custom takes R,G,B or #RRGGBB, not " + Quoted(value);
                return false;
            }
            pending.run.customColors.push_back(color);
            pendingRun = true;
        } else if (option == L"--confirm" || option == L"--choose" || option == L"--cancel") {
            pending.kind = ScriptStep::RUN;
            pending.run.answer = option == L"--confirm"  ? ScriptRun::CONFIRM
                                 : option == L"--choose" ? ScriptRun::CHOOSE
                                                         : ScriptRun::CANCEL;
            if (option == L"--choose" && !ParseColor(value, &pending.run.color)) {
                *error = L"--choose takes R,G,B or #RRGGBB, not " + Quoted(value);
                return false;
            }
            script->steps.push_back(pending);
            pending = ScriptStep();
            pendingRun = pendingWindow = pendingView = false;
        } else if (option == L"--present" || option == L"--uninstall") {
            if (pendingRun) {
                *error = L"run options before " + option + L": end the run with --confirm, --choose or --cancel";
                return false;
            }
            pending.kind = option == L"--present" ? ScriptStep::PRESENT : ScriptStep::UNINSTALL;
            if (pending.kind == ScriptStep::UNINSTALL) {
                if (value != L"yes" && value != L"no") {
                    *error = L"--uninstall takes yes or no, not " + Quoted(value);
                    return false;
                }
                pending.agree = value == L"yes";
            }
            script->steps.push_back(pending);
            pending = ScriptStep();
            pendingWindow = pendingView = false;
        } else if (!option.empty() && option[0] == L'-') {
            *error = L"unknown option " + Quoted(option);
            return false;
        } else {
            *error = L"unexpected argument " + Quoted(option) + L": steps are options";
            return false;
        }
    }
    if (pendingRun || pendingWindow || pendingView) {
        *error = L"the last run has no answer: end it with --confirm, --choose or --cancel";
        return false;
    }
    return true;
}

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

// The colour dialog of one run, answered step by step: one action a tick, so that the dialog has handled
// the last one (clicks are posted) before the next.
struct ColorDialogDrive {
    const ScriptRun* run;
    std::wstring shot; // where the dialog's screenshot goes, or empty
    int ticks = 0;
    HWND dialog = nullptr;
    COLORREF openedOn = 0;
    size_t customsAdded = 0;
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
            Say(L"  dialog: did not open");
            drive->failed = true;
            HWND other = FindOwnedDialog(owner);
            if (other)
                PressDialogButton(other, IDCANCEL);
            return TRUE;
        }
        if (!ReadColorDialogRgb(drive->dialog, &drive->openedOn)) {
            Say(L"  dialog: shows no colour");
            drive->failed = true;
        }
        Say(L"  dialog: opens on " + ColorText(drive->openedOn));
        drive->ticks = 0;
        return FALSE;
    }
    if (drive->ticks < PAINT_TICKS)
        return FALSE;
    if (drive->ticks == PAINT_TICKS && !drive->shot.empty() && !Shoot(WindowArea(drive->dialog, false), drive->shot))
        drive->failed = true;

    if (drive->customsAdded < run.customColors.size()) {
        COLORREF custom = run.customColors[drive->customsAdded++];
        SetColorDialogRgb(drive->dialog, custom);
        if (!PressDialogButton(drive->dialog, COLOR_ADD)) {
            Say(L"  dialog: has no button to add custom colours");
            drive->failed = true;
        }
        Say(L"  dialog: adds " + ColorText(custom) + L" to the custom colours");
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
    while ((menu = FindWindowExW(nullptr, menu, MAKEINTATOM(0x8000), nullptr)) != nullptr) {
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
    return drive.done && !drive.failed;
}

// The window of a step, opened through File > New window as needed, made active and set to the step's view.
Editor* WindowFor(const ScriptStep& step)
{
    int number = step.window;
    while (!FindEditor(number)) {
        Editor* last = FindEditor(EditorCount());
        if (!last || !OpenEditor())
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

bool PlayRun(const Script& script, int number, const ScriptStep& step)
{
    const ScriptRun& run = step.run;
    Say(Format(L"run %d in window %d", number, step.window));
    Editor* editor = WindowFor(step);
    if (!editor) {
        Say(L"  editor: the window cannot be opened");
        return false;
    }
    if (run.setText)
        SetDocument(editor, run.text);
    if (run.setSelection && !SelectText(editor, run.selection)) {
        Say(L"  editor: the document has no " + Quoted(run.selection));
        return false;
    }
    std::wstring selected = SelectedText(editor);
    Say(L"  editor: document " + Quoted(DocumentText(editor)) +
        (selected.empty() ? std::wstring(L", nothing selected") : L", selected " + Quoted(selected)));
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
    SendMessageW(editor->frame, WM_COMMAND, ID_PLUGIN_COMMAND, 0);
    StopDialogWatch();
    if (!drive.dialog && !drive.failed) {
        Say(L"  dialog: did not open");
        drive.failed = true;
    }
    ok &= !drive.failed;
    if (editor->insertions == insertions)
        Say(L"  editor: nothing entered");

    PumpMessages(4 * TICK_MS);
    Say(L"  editor: document " + Quoted(DocumentText(editor)));
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
    if (!drive.answered) {
        Say(L"  message box: did not open");
        drive.failed = true;
    }
    PumpMessages(2 * TICK_MS);
    Say(GetModuleHandleW(path.c_str()) ? L"  editor: the library is still in the process"
                                       : L"  editor: the library is out of the process");
    return !drive.failed;
}

} // namespace

bool PlayScript(const Script& script)
{
    if (!script.shots.empty())
        CreateDirectoryW(script.shots.c_str(), nullptr);
    bool ok = true;
    int runs = 0;
    for (const ScriptStep& step : script.steps) {
        switch (step.kind) {
        case ScriptStep::RUN:
            ok &= PlayRun(script, ++runs, step);
            break;
        case ScriptStep::PRESENT: {
            Say(Format(L"presentation in window %d", step.window));
            Editor* editor = WindowFor(step);
            if (editor)
                PrintPresentation(editor);
            ok &= editor != nullptr;
            break;
        }
        case ScriptStep::UNINSTALL:
            ok &= PlayUninstall(script, step);
            break;
        }
    }
    return ok;
}
