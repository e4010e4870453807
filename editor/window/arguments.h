// The scripted mode's command line: the options, and the steps (runs of the command, presentation, uninstall).
#pragma once

#include "editor/arguments/command_line.h"

#include <windows.h>

#include <string>
#include <vector>

// One run of the command: where, on what text, and how the colour dialog is answered.
struct ScriptRun {
    enum Answer { CONFIRM, CHOOSE, CANCEL };
    bool setText = false;
    std::wstring text;
    bool setSelection = false;
    std::wstring selection;
    std::vector<CustomColorSetting> customColors; // set in the dialog's custom colours before the answer
    Answer answer = CONFIRM;
    COLORREF color = 0; // for CHOOSE
    // Set-up of the document beyond --text: read from a UTF-8 file, and the most characters the view holds.
    std::wstring textFile; // empty: none
    bool setLimit = false;
    UINT limit = 0;
};

// What the user does in the step's window before the step, in the order given: type, save, set Overwrite.
struct ScriptAction {
    enum Kind { TYPE, SAVE, OVERWRITE_ON, OVERWRITE_OFF };
    Kind kind = TYPE;
    std::wstring text; // for TYPE
};

struct ScriptStep {
    enum Kind { RUN, PRESENT, UNINSTALL };
    Kind kind = RUN;
    int window = 1;
    std::vector<int> view; // View menu commands given to the window first
    std::vector<ScriptAction> actions; // then these
    ScriptRun run;
    bool agree = false; // for UNINSTALL: the answer to the plug-in's question
};

struct Script {
    std::wstring plugin; // empty: Huebird.dll beside the program
    std::wstring shots;  // empty: no screenshots
    bool stay = false;   // keep the windows open for the user after the steps
    bool help = false;
    std::vector<ScriptStep> steps;
};

// Reads the arguments after the program's name with the stand-in editors' shared parser, converted to UTF-8
// and back. On bad input, error says what is wrong in one line.
bool ParseScript(const std::vector<std::wstring>& arguments, Script* script, std::wstring* error);

extern const wchar_t SCRIPT_USAGE[];
