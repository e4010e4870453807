// The stand-in editors' one command-line language: runs of the command, and the window's other steps.
//
// huebird-console and huebird-window read their arguments here, as narrow text (the window converts its
// wide arguments to UTF-8 first), so that an option means the same and accepts the same values in both.
#pragma once

#include "host/win32.h"

#include <string>
#include <vector>

// Most bytes of the selection that the editor hands over: the size of the command's selection buffer.
const size_t MAX_SELECTION_BYTES = 8;

// Editor windows that runs may use, numbered from 1.
const int EDITOR_WINDOW_COUNT = 4;

// Custom-colour slots of the colour dialog, numbered from 1 on the command line.
const int CUSTOM_COLOR_SLOTS = 16;

// Which stand-in reads the arguments: the window has options of its own and no prompt to ask on.
enum EditorProgram {
    PROGRAM_CONSOLE,
    PROGRAM_WINDOW,
};

// What the user does in the colour dialog of one run.
enum DialogAnswer {
    ANSWER_ASK,     // not given: the console asks in the terminal
    ANSWER_CONFIRM, // OK with the preset unchanged
    ANSWER_CHOOSE,  // OK with another colour
    ANSWER_CANCEL,  // Cancel
};

// What a step does: a run of the command, or (window only) the presentation or the uninstall question.
enum StepKind {
    STEP_RUN,
    STEP_PRESENT,
    STEP_UNINSTALL,
};

// The window's View menu: toolbar picture size and colour depth.
enum ViewMode {
    VIEW_SMALL,
    VIEW_LARGE,
    VIEW_16_COLORS,
    VIEW_256_COLORS,
    VIEW_TRUE_COLOR,
};

// What the user does in the window before a step (window only): type a text, save, set Edit > Overwrite.
enum EditKind {
    EDIT_TYPE,
    EDIT_SAVE,
    EDIT_OVERWRITE_ON,
    EDIT_OVERWRITE_OFF,
};

struct EditAction {
    EditKind kind;
    std::string text; // for EDIT_TYPE
};

// A custom colour that the user defines in the dialog.
struct CustomColorSetting {
    int slot; // 0 to CUSTOM_COLOR_SLOTS - 1
    COLORREF color;
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
    COLORREF chosen; // for ANSWER_CHOOSE
    bool agree;      // for STEP_UNINSTALL
};

struct EditorArguments {
    bool help;          // --help was given; nothing else is then read
    std::string plugin; // window only: the DLL, empty for the one beside the program
    std::string shots;  // window only: the screenshots' folder, empty for none
    bool stay;          // window only: stay open after the steps
    std::vector<EditorStep> steps;
};

// Reads argv[1] to argv[argc - 1] for program. Returns an empty string on success, else one line saying
// what is wrong and why. Prints nothing.
std::string ParseEditorArguments(EditorProgram program, int argc, const char* const* argv,
                                 EditorArguments* arguments);

// A colour: #RRGGBB (either case), red, green and blue from 0 to 255 as R,G,B (or blank-separated), or one
// of the sixteen colour names in any case, with blanks around it or its numbers ignored. Returns an empty
// string and writes *color on success; else says why the text is no colour and leaves *color alone.
std::string ParseColorValue(const std::string& text, COLORREF* color);

// A custom colour as SLOT=COLOR, SLOT from 1 to CUSTOM_COLOR_SLOTS. Returns why it was refused, or "".
std::string ParseCustomValue(const std::string& text, CustomColorSetting* setting);

// What a line typed at the console's dialog prompt asks for.
enum PromptReply {
    REPLY_CONFIRM, // an empty line
    REPLY_CANCEL,  // "c" or "cancel"
    REPLY_CHOOSE,  // a colour, written to *color
    REPLY_CUSTOM,  // SLOT=COLOR, written to *setting
    REPLY_INVALID, // *why says what is wrong
};

PromptReply ParsePromptReply(const std::string& line, COLORREF* color, CustomColorSetting* setting,
                             std::string* why);

// text on one line: control bytes, DEL, quotes and backslashes escaped. Bytes 0x80 to 0xFF are kept where
// they form valid UTF-8 and keepUtf8 is set, else written as \xNN.
std::string EscapedText(const std::string& text, bool keepUtf8);

// Whether text is valid UTF-8 (overlong forms, surrogates and code points past U+10FFFF are not).
bool IsValidUtf8(const std::string& text);
