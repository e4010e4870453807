// The stand-in editors' one command-line language: runs of the command, and the window's other steps.
// Both read it here (the window in UTF-8), so that an option means the same and takes the same values in both.
#pragma once

#include "editor/arguments/color_value.h"

#include <string>
#include <vector>

// Most bytes of the selection that the editor hands over: the size of the command's selection buffer.
const size_t MAX_SELECTION_BYTES = 8;

// Editor windows that runs may use, numbered from 1.
const int EDITOR_WINDOW_COUNT = 4;

// Which stand-in reads the arguments: the window has options of its own and no prompt to ask on.
enum EditorProgram { PROGRAM_CONSOLE, PROGRAM_WINDOW };

// What the user does in the colour dialog of one run.
enum DialogAnswer {
    ANSWER_ASK,     // not given: the console asks in the terminal
    ANSWER_CONFIRM, // OK with the preset unchanged
    ANSWER_CHOOSE,  // OK with another colour
    ANSWER_CANCEL,  // Cancel
};

// What a step does: a run of the command, or (window only) the presentation or the uninstall question.
enum StepKind { STEP_RUN, STEP_PRESENT, STEP_UNINSTALL };

// The window's View menu: toolbar picture size and colour depth.
enum ViewMode { VIEW_SMALL, VIEW_LARGE, VIEW_16_COLORS, VIEW_256_COLORS, VIEW_TRUE_COLOR };

// What the user does in the window before a step (window only): type a text, save, set Edit > Overwrite.
enum EditKind { EDIT_TYPE, EDIT_SAVE, EDIT_OVERWRITE_ON, EDIT_OVERWRITE_OFF };

struct EditAction {
    EditKind kind;
    std::string text; // for EDIT_TYPE
};

// One step: where, on what text, and how the colour dialog (or the uninstall question) is answered.
struct EditorStep {
    StepKind kind;
    int window;                  // 1 to EDITOR_WINDOW_COUNT
    std::vector<ViewMode> views; // window only, applied in order before the step
    std::vector<EditAction> edits; // window only, applied in order after the views
    bool setText;                // window only: the document is replaced by text, all selected
    std::string text;
    std::string textFile;        // window only: the document read from this UTF-8 file instead, all selected
    unsigned limit;              // window only: the most characters the document holds; 0 for the view's own
    bool setSelection;           // the selection is given (console: the bytes; window: text to find)
    std::string selection;
    std::vector<CustomColorSetting> customColors; // set in the dialog before the answer
    DialogAnswer answer;
    ColorValue chosen; // for ANSWER_CHOOSE
    bool agree;        // for STEP_UNINSTALL
};

struct EditorArguments {
    bool help;          // --help was given; nothing else is then read
    std::string plugin; // window only: the DLL, empty for the one beside the program
    std::string shots;  // window only: the screenshots' folder, empty for none
    bool stay;          // window only: stay open after the steps
    std::vector<EditorStep> steps;
};

// Reads argv[1] to argv[argc - 1] for program; returns "", else one line saying what is wrong. Prints nothing.
std::string ParseEditorArguments(EditorProgram program, int argc, const char* const* argv,
                                 EditorArguments* arguments);

// The program's options as its usage lists them, under their headings, from the table the parser reads.
std::string OptionsUsage(EditorProgram program);
