// The scripted mode's command line: the shared parser's result in the window's terms, and the usage.
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
    L"  --custom SLOT=COLOR select custom colour SLOT (1 to 16) in the dialog and add COLOR to the custom\n"
    L"                      colours there, before the answer; may be repeated\n"
    L"  --confirm           press OK with the colour the dialog opened on\n"
    L"  --choose COLOR      choose COLOR and press OK\n"
    L"  --cancel            press Cancel\n"
    L"  --view MODE         before the step, choose View > MODE in its window: small or large toolbar\n"
    L"                      pictures, 16, 256 or true colours; may be repeated\n"
    L"  --text-file PATH    the document's text from a UTF-8 file, all of it selected (instead of --text)\n"
    L"  --limit N           the document holds at most N characters (default: as many as the view can)\n"
    L"A COLOR is #RRGGBB, red, green and blue from 0 to 255 as R,G,B, or one of the sixteen colour names.\n"
    L"A value that starts with -- is given as --OPTION=VALUE.\n"
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
    L"Example: huebird-window --text '#00ff00' --confirm --select lime --custom 3=#FF8000 --choose red\n"
    L"\n"
    L"Exit status: 0 when every step went as asked, 1 when one failed, 2 for bad arguments.\n";

namespace {

int ViewCommand(ViewMode mode)
{
    switch (mode) {
    case VIEW_SMALL: return ID_VIEW_SMALL;
    case VIEW_LARGE: return ID_VIEW_LARGE;
    case VIEW_16_COLORS: return ID_VIEW_16_COLORS;
    case VIEW_256_COLORS: return ID_VIEW_256_COLORS;
    case VIEW_TRUE_COLOR: return ID_VIEW_TRUE_COLOR;
    }
    return ID_VIEW_SMALL;
}

} // namespace

bool ParseScript(const std::vector<std::wstring>& arguments, Script* script, std::wstring* error)
{
    *script = Script();
    std::vector<std::string> words = {"huebird-window"};
    for (const std::wstring& argument : arguments)
        words.push_back(ToUtf8(argument));
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    EditorArguments parsed;
    std::string why = ParseEditorArguments(PROGRAM_WINDOW, static_cast<int>(argv.size()), argv.data(), &parsed);
    if (!why.empty()) {
        *error = FromUtf8(why);
        return false;
    }
    script->help = parsed.help;
    script->plugin = FromUtf8(parsed.plugin);
    script->shots = FromUtf8(parsed.shots);
    script->stay = parsed.stay;
    for (const EditorStep& each : parsed.steps) {
        ScriptStep step;
        step.kind = each.kind == STEP_PRESENT     ? ScriptStep::PRESENT
                    : each.kind == STEP_UNINSTALL ? ScriptStep::UNINSTALL
                                                  : ScriptStep::RUN;
        step.window = each.window;
        for (ViewMode mode : each.views)
            step.view.push_back(ViewCommand(mode));
        for (const EditAction& edit : each.edits) {
            ScriptAction action;
            action.kind = edit.kind == EDIT_TYPE             ? ScriptAction::TYPE
                          : edit.kind == EDIT_SAVE           ? ScriptAction::SAVE
                          : edit.kind == EDIT_OVERWRITE_ON   ? ScriptAction::OVERWRITE_ON
                                                             : ScriptAction::OVERWRITE_OFF;
            action.text = FromUtf8(edit.text);
            step.actions.push_back(action);
        }
        step.agree = each.agree;
        step.run.setText = each.setText;
        step.run.text = FromUtf8(each.text);
        step.run.setSelection = each.setSelection;
        step.run.selection = FromUtf8(each.selection);
        step.run.textFile = FromUtf8(each.textFile);
        step.run.setLimit = each.limit != 0;
        step.run.limit = each.limit;
        step.run.customColors = each.customColors;
        step.run.answer = each.answer == ANSWER_CHOOSE   ? ScriptRun::CHOOSE
                          : each.answer == ANSWER_CANCEL ? ScriptRun::CANCEL
                                                         : ScriptRun::CONFIRM;
        step.run.color = each.chosen;
        script->steps.push_back(step);
    }
    return true;
}
