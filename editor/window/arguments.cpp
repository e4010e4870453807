// The scripted mode's command line: options and steps read into a Script, or a one-line error.
#include "arguments.h"

#include "editor_window.h"
#include "text.h"

const wchar_t SCRIPT_USAGE[] =
    L"Usage: huebird-window [OPTION]... [STEP]...\n"
    L"\n"
    L"A stand-in editor window for Windows that loads a plug-in DLL as the editor does and presents it: its\n"
    L"menu item, toolbar picture, status text and tooltip, About and Uninstall. With no steps it stays open\n"
    L"for the user (not on the runner's virtual display, where it exits 2); with steps it plays them,\n"
    L"printing what the editor saw and did, and closes.\n"
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
    L"  --text-file PATH    the document's text from a UTF-8 file, all of it selected\n"
    L"  --limit N           the document holds at most N characters (default: as many as the view can)\n"
    L"A COLOR is R,G,B with each from 0 to 255, or #RRGGBB.\n"
    L"\n"
    L"Before any step, in its window and in the order given (after --text, --select and --view):\n"
    L"  --type TEXT         type TEXT at the caret, key by key\n"
    L"  --save              choose File > Save: the document counts as saved (nothing is written)\n"
    L"  --overwrite on|off  set Edit > Overwrite, which the plug-in's text insertions follow\n"
    L"\n"
    L"Other steps (--window and --view apply to them too):\n"
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
        // The editing options and the document's other sources.
        needsValue = needsValue || option == L"--type" || option == L"--overwrite" || option == L"--text-file" ||
                     option == L"--limit";
        if (needsValue && i + 1 >= arguments.size()) {
            *error = option + L" needs a value";
            return false;
        }
        std::wstring value = needsValue ? arguments[++i] : std::wstring();

        // The editing options and the document's other sources.
        if (option == L"--type" || option == L"--save" || option == L"--overwrite") {
            ScriptAction action;
            action.kind = option == L"--type" ? ScriptAction::TYPE
                          : option == L"--save" ? ScriptAction::SAVE
                          : value == L"on"      ? ScriptAction::OVERWRITE_ON
                                                : ScriptAction::OVERWRITE_OFF;
            if (option == L"--overwrite" && value != L"on" && value != L"off") {
                *error = L"--overwrite takes on or off, not " + Quoted(value);
                return false;
            }
            action.text = value;
            pending.actions.push_back(action);
            pendingView = true;
            continue;
        }
        if (option == L"--text-file") {
            if (pending.run.setText || !pending.run.textFile.empty()) {
                *error = L"--text-file given with --text or twice for one run";
                return false;
            }
            pending.run.textFile = value;
            pendingRun = true;
            continue;
        }
        if (option == L"--limit") {
            int limit = 0;
            bool digits = !value.empty() && value.size() <= 9;
            for (wchar_t ch : value)
                digits = digits && ch >= L'0' && ch <= L'9';
            for (wchar_t ch : value)
                limit = digits ? limit * 10 + (ch - L'0') : 0;
            if (!digits || limit < 1) {
                *error = L"--limit takes a number of characters from 1 to 999999999, not " + Quoted(value);
                return false;
            }
            pending.run.setLimit = true;
            pending.run.limit = static_cast<UINT>(limit);
            pendingRun = true;
            continue;
        }

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
