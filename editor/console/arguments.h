// The command line of huebird-console: the runs of the command to make, parsed without side effects.
#pragma once

#include "host/win32.h"

#include <string>
#include <vector>

// Most bytes of the selection that the editor hands over: the size of the command's selection buffer.
const size_t MAX_SELECTION_BYTES = 8;

// Stand-in editor windows that runs may use, numbered from 1.
const int CONSOLE_WINDOW_COUNT = 4;

// Custom-colour slots of the colour dialog, numbered from 1 on the command line.
const int CONSOLE_CUSTOM_SLOTS = 16;

// What the user does in the colour dialog of one run.
enum DialogAnswer {
    ANSWER_ASK,     // not given: ask in the terminal
    ANSWER_CONFIRM, // OK with the preset unchanged
    ANSWER_CHOOSE,  // OK with another colour
    ANSWER_CANCEL,  // Cancel
};

// A custom colour that the user defines in the dialog.
struct CustomColorSetting {
    int slot; // 0 to CONSOLE_CUSTOM_SLOTS - 1
    COLORREF color;
};

// One run of the command.
struct ConsoleRun {
    int window;            // 1 to CONSOLE_WINDOW_COUNT
    std::string selection; // what the editor hands over; empty when nothing is selected
    DialogAnswer answer;
    COLORREF chosen;       // for ANSWER_CHOOSE
    std::vector<CustomColorSetting> customColors;
};

struct ConsoleArguments {
    bool help; // --help was given; the runs are then not parsed
    std::vector<ConsoleRun> runs;
};

// Parses argv[1] to argv[argc - 1]. Returns an empty string on success, else a one-line message saying
// what is wrong. Prints nothing and never exits.
std::string ParseArguments(int argc, const char* const* argv, ConsoleArguments* arguments);

// A colour given as #RRGGBB (either case), as red, green and blue from 0 to 255 separated by commas or
// blanks, or as one of the sixteen colour names in any case. FALSE for anything else.
BOOL ParseColorArgument(const std::string& text, COLORREF* color);

// A custom colour given as SLOT=COLOR, SLOT from 1 to 16.
BOOL ParseCustomColorArgument(const std::string& text, CustomColorSetting* setting);

// What a line typed at the dialog's prompt asks for.
enum PromptReply {
    REPLY_CONFIRM, // an empty line
    REPLY_CANCEL,  // "c" or "cancel"
    REPLY_CHOOSE,  // a colour, written to *color
    REPLY_CUSTOM,  // SLOT=COLOR, written to *setting
    REPLY_INVALID,
};

PromptReply ParsePromptReply(const std::string& line, COLORREF* color, CustomColorSetting* setting);

// text with control bytes, DEL and bytes 0x80 to 0xFF written as \xNN, so that it prints on one line
// whatever it holds.
std::string EscapedText(const std::string& text);
