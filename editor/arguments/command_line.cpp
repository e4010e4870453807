// The stand-in editors' one command-line language: one table of options drives the reading and the usage.
#include "editor/arguments/command_line.h"

#include "editor/arguments/escaping.h"

#include <string.h>

#include <algorithm>

namespace {

// A run in window 1, its answer to be asked for.
EditorStep NewStep()
{
    EditorStep step = {};
    step.kind = STEP_RUN;
    step.window = 1;
    step.answer = ANSWER_ASK;
    return step;
}

// The reading in progress: the step being gathered, and the options given in it so far.
struct Reading {
    EditorArguments* arguments;
    bool window; // reading for huebird-window
    EditorStep step = NewStep();
    unsigned given = 0;        // the step's options, a bit each by their place in OPTIONS
    bool runOptions = false;   // one of them sets up a run, which then needs an answer
    std::string stepName = ""; // "run N" or "step N", for messages
};

// Where the usage lists an option.
enum Section { PROGRAM_OPTIONS, RUN_OPTIONS, ANSWERS_SECTION, DOCUMENT_OPTIONS, EDITS, STEPS };

// What sets an option apart: huebird-window's only, given at most once a step, part of setting up a run.
enum OptionFlags { WINDOW_ONLY = 1, ONCE = 2, SETS_UP_RUN = 4 };

struct Option {
    const char* name;
    const char* value;       // its value in the usage ("TEXT"); null: it takes none
    const char* needs;       // what its value is called in "needs ..."; "@" stands for its number's range
    int low, high;           // the range of its number, if it takes one; "~" in a text stands for high
    unsigned flags;          // OptionFlags
    Section section;
    const char* help;        // its line in the usage, "\n" between lines, "@" for its number's range
    const char* consoleHelp; // the console's line where it differs; null: the same
    // Reads the value into the reading; returns why it was refused, or "".
    std::string (*read)(Reading* reading, const std::string& value);
};

// text with "@" written as the option's range of numbers and "~" as its highest.
std::string WithRange(const char* text, const Option& option)
{
    std::string result = text;
    for (size_t at; (at = result.find_first_of("@~")) != std::string::npos;)
        result.replace(at, 1, (result[at] == '@' ? std::to_string(option.low) + " to " : "") +
                                  std::to_string(option.high));
    return result;
}

// Sets *field to value; "" for the caller to return.
template <typename T>
std::string Store(T* field, T value)
{
    *field = value;
    return "";
}

// Adds an edit to the step; "" for the caller to return.
std::string Edit(Reading* reading, EditKind kind, const std::string& text)
{
    reading->step.edits.push_back({kind, text});
    return "";
}

// Every option of either program, in the order of the usage, with how its value is read.
const Option OPTIONS[] = {
    {"--plugin", "PATH", "a path", 0, 0, WINDOW_ONLY, PROGRAM_OPTIONS,
     "the plug-in DLL (default: Huebird.dll beside the program)", nullptr,
     [](Reading* r, const std::string& value) {
         return Store(&r->arguments->plugin, value) + (value.empty() ? "needs a path" : "");
     }},
    {"--shots", "DIR", "a folder", 0, 0, WINDOW_ONLY, PROGRAM_OPTIONS,
     "save screenshots as PNG into DIR: runN-menu.png (the Plug-ins menu open),\nrunN-dialog.png (the colour "
     "dialog as it opened), runN-window.png (afterwards)\nand uninstall.png (the plug-in's question)",
     nullptr,
     [](Reading* r, const std::string& value) {
         return Store(&r->arguments->shots, value) + (value.empty() ? "needs a folder" : "");
     }},
    {"--stay", nullptr, nullptr, 0, 0, WINDOW_ONLY, PROGRAM_OPTIONS, "keep the windows open after the steps", nullptr,
     [](Reading* r, const std::string&) { return Store(&r->arguments->stay, true); }},
    {"--window", "N", "a number from @", 1, EDITOR_WINDOW_COUNT, ONCE, RUN_OPTIONS,
     "run in window N, @, opened with File > New window as needed (default 1)",
     "run in editor window N, @ (default 1); all windows share one plug-in",
     [](Reading* r, const std::string& value) {
         return ParseNumber(Trimmed(value), 1, EDITOR_WINDOW_COUNT, &r->step.window);
     }},
    {"--text", "TEXT", "a text", 0, 0, WINDOW_ONLY | ONCE | SETS_UP_RUN, RUN_OPTIONS,
     "the document's text, all of it selected", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         if (!r->step.textFile.empty())
             return "!" + r->stepName + ": --text given with --text-file; the document comes from one of them";
         r->step.setText = true;
         return Store(&r->step.text, value);
     }},
    {"--select", "TEXT", "a text", 0, static_cast<int>(MAX_SELECTION_BYTES), ONCE | SETS_UP_RUN, RUN_OPTIONS,
     "select the first TEXT in the document; an empty TEXT selects nothing",
     "the selected text, at most ~ bytes (default: nothing selected)",
     [](Reading* r, const std::string& value) -> std::string {
         if (!r->window && value.size() > MAX_SELECTION_BYTES)
             return QuotedValue(value) + " is " + std::to_string(value.size()) +
                    " bytes; the editor hands over at most " + std::to_string(MAX_SELECTION_BYTES);
         r->step.setSelection = true;
         return Store(&r->step.selection, value);
     }},
    {"--custom", "SLOT=COLOR", "SLOT=COLOR", 1, CUSTOM_COLOR_SLOTS, SETS_UP_RUN, RUN_OPTIONS,
     "select custom colour SLOT (@) in the dialog and add COLOR to the custom\ncolours there, before the "
     "answer; may be repeated",
     "define custom colour SLOT (@) in this run's dialog; may be repeated",
     [](Reading* r, const std::string& value) {
         r->step.customColors.push_back({});
         return ParseCustomValue(value, &r->step.customColors.back());
     }},
    {"--confirm", nullptr, nullptr, 0, 0, 0, ANSWERS_SECTION, "press OK with the colour the dialog opened on",
     nullptr, [](Reading* r, const std::string&) { return Store(&r->step.answer, ANSWER_CONFIRM); }},
    {"--choose", "COLOR", "a colour", 0, 0, 0, ANSWERS_SECTION, "choose COLOR and press OK", nullptr,
     [](Reading* r, const std::string& value) {
         return Store(&r->step.answer, ANSWER_CHOOSE) + ParseColorValue(value, &r->step.chosen);
     }},
    {"--cancel", nullptr, nullptr, 0, 0, 0, ANSWERS_SECTION, "press Cancel", nullptr,
     [](Reading* r, const std::string&) { return Store(&r->step.answer, ANSWER_CANCEL); }},
    {"--view", "MODE", "a mode: small, large, 16, 256 or true", 0, 0, WINDOW_ONLY, DOCUMENT_OPTIONS,
     "before the step, choose View > MODE in its window: small or large toolbar\npictures, 16, 256 or true "
     "colours; may be repeated",
     nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         const char* const MODES[] = {"small", "large", "16", "256", "true"};
         auto mode = std::find(std::begin(MODES), std::end(MODES), value);
         if (mode == std::end(MODES))
             return QuotedValue(value) + " is no mode; give small, large, 16, 256 or true";
         r->step.views.push_back(static_cast<ViewMode>(mode - MODES));
         return "";
     }},
    {"--text-file", "PATH", "a path", 0, 0, WINDOW_ONLY | SETS_UP_RUN, DOCUMENT_OPTIONS,
     "the document's text from a UTF-8 file, all of it selected (instead of --text)", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         if (r->step.setText || !r->step.textFile.empty())
             return "!" + r->stepName + ": --text-file given with --text or twice; the document comes from one of them";
         return Store(&r->step.textFile, value) + (value.empty() ? "needs a path" : "");
     }},
    {"--limit", "N", "a number of characters", 0, 0, WINDOW_ONLY | SETS_UP_RUN, DOCUMENT_OPTIONS,
     "the document holds at most N characters (default: as many as the view can)", nullptr,
     [](Reading* r, const std::string& value) {
         int limit = 0;
         std::string why = ParseNumber(Trimmed(value), 1, 999999999, &limit);
         r->step.limit = static_cast<unsigned>(limit);
         return why;
     }},
    {"--type", "TEXT", "a text", 0, 0, WINDOW_ONLY, EDITS, "type TEXT at the caret, key by key", nullptr,
     [](Reading* r, const std::string& value) { return Edit(r, EDIT_TYPE, value); }},
    {"--save", nullptr, nullptr, 0, 0, WINDOW_ONLY, EDITS,
     "choose File > Save: the document counts as saved (nothing is written)", nullptr,
     [](Reading* r, const std::string&) { return Edit(r, EDIT_SAVE, ""); }},
    {"--overwrite", "on|off", "on or off", 0, 0, WINDOW_ONLY, EDITS,
     "set Edit > Overwrite, which the plug-in's text insertions follow", nullptr,
     [](Reading* r, const std::string& value) {
         return Edit(r, value == "on" ? EDIT_OVERWRITE_ON : EDIT_OVERWRITE_OFF, "") +
                (value == "on" || value == "off" ? "" : QuotedValue(value) + " is no setting; give on or off");
     }},
    {"--present", nullptr, nullptr, 0, 0, WINDOW_ONLY, STEPS, "print what the window presents, in each toolbar mode",
     nullptr, [](Reading* r, const std::string&) { return Store(&r->step.kind, STEP_PRESENT); }},
    {"--uninstall", "yes|no", "yes or no", 0, 0, WINDOW_ONLY, STEPS,
     "choose Plug-ins > Uninstall and give this answer to the plug-in's question", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         r->step.kind = STEP_UNINSTALL;
         r->step.agree = value == "yes";
         return value == "yes" || value == "no" ? "" : QuotedValue(value) + " is no answer; give yes or no";
     }},
};

// Reads one option with its value; returns the error line, or "".
std::string ReadOption(Reading* reading, const Option& option, const std::string& value)
{
    reading->stepName = (reading->window ? "step " : "run ") + std::to_string(reading->arguments->steps.size() + 1);
    unsigned bit = 1u << (&option - OPTIONS);
    if ((option.flags & ONCE) && (reading->given & bit))
        return reading->stepName + ": " + option.name +
               " given twice; an answer (--confirm, --choose or --cancel) ends a run";
    // --present and --uninstall are steps of their own, with --window and --view but no run options.
    if (option.section == STEPS && reading->runOptions)
        return std::string("run options before ") + option.name + ": end the run with --confirm, --choose or --cancel";
    std::string why = option.read(reading, value);
    // A reason that starts with "!" is the whole line; "needs" follows the name; others after a colon.
    if (!why.empty())
        return why[0] == '!' ? why.substr(1) : option.name + std::string(why.compare(0, 6, "needs ") ? ": " : " ") + why;
    // The program's own options belong to no step, wherever they stand.
    if (option.section == PROGRAM_OPTIONS)
        return "";
    reading->given |= bit;
    reading->runOptions |= (option.flags & SETS_UP_RUN) != 0;
    // An answer, --present or --uninstall ends the step; the next starts afresh.
    if (reading->step.answer != ANSWER_ASK || reading->step.kind != STEP_RUN) {
        reading->arguments->steps.push_back(reading->step);
        *reading = {reading->arguments, reading->window};
    }
    return "";
}

} // namespace

std::string ParseEditorArguments(EditorProgram program, int argc, const char* const* argv,
                                 EditorArguments* arguments)
{
    *arguments = EditorArguments();
    Reading reading = {arguments, program == PROGRAM_WINDOW};
    for (int i = 1; i < argc; i++) {
        // --NAME=VALUE carries its value; any other word is a name.
        std::string argument = argv[i];
        size_t equals = argument.compare(0, 2, "--") == 0 ? argument.find('=') : std::string::npos;
        bool hasValue = equals != std::string::npos;
        std::string name = argument.substr(0, equals), value = hasValue ? argument.substr(equals + 1) : "";
        if (name == "-h" || name == "--help") {
            *arguments = EditorArguments();
            arguments->help = true;
            return "";
        }
        auto option = std::find_if(std::begin(OPTIONS), std::end(OPTIONS),
                                   [&](const Option& known) { return name == known.name; });
        if (option == std::end(OPTIONS) && argument[0] == '-')
            return "unknown option " + QuotedValue(name) + " (see --help)";
        if (option == std::end(OPTIONS))
            return "unexpected argument " + QuotedValue(argument) + ": every value follows its option (see --help)";
        if ((option->flags & WINDOW_ONLY) && !reading.window)
            return name + " is an option of huebird-window only (see --help)";
        if (!option->value && hasValue)
            return name + " takes no value";
        if (option->value && !hasValue) {
            // A word that starts with -- is the next option, never a value: --select --confirm is a mistake.
            std::string needs = name + " needs " + WithRange(option->needs, *option);
            if (i + 1 >= argc)
                return needs;
            if (strncmp(argv[i + 1], "--", 2) == 0)
                return needs + " (write " + name + "=" + EscapedText(argv[i + 1], true) +
                       " for a value that starts with --)";
            value = argv[++i];
        }
        std::string error = ReadOption(&reading, *option, value);
        if (!error.empty())
            return error;
    }
    if (reading.window && reading.given)
        return "the last run has no answer: end it with --confirm, --choose or --cancel";
    // Options after the last answer, or none at all, make one more run whose answer is asked for.
    if (!reading.window && (reading.given || arguments->steps.empty()))
        arguments->steps.push_back(reading.step);
    return "";
}

std::string OptionsUsage(EditorProgram program)
{
    // Each section's heading, by program; null: its options go on under the heading before it.
    const char* const HEADINGS[][STEPS + 1] = {
        {nullptr, "Run options (before the answer that ends the run):", "Answers (each ends a run):"},
        {"Options:", "A run of the command is set up by run options and ended by the dialog's answer:", nullptr,
         nullptr, "Before any step, in its window and in the order given (after --text, --select and --view):",
         "Other steps (--window and --view apply to them too):"},
    };
    bool window = program == PROGRAM_WINDOW;
    std::string usage;
    const Option* previous = nullptr;
    for (const Option& option : OPTIONS) {
        if ((option.flags & WINDOW_ONLY) && !window)
            continue;
        const char* heading = HEADINGS[program][option.section];
        if (heading && (!previous || previous->section != option.section))
            usage += (usage.empty() ? "" : "\n") + std::string(heading) + "\n";
        previous = &option;
        std::string head = "  " + std::string(option.name) + (option.value ? " " + std::string(option.value) : "");
        std::string help = WithRange(!window && option.consoleHelp ? option.consoleHelp : option.help, option);
        for (size_t feed = help.find('\n'); feed != std::string::npos; feed = help.find('\n', feed + 1))
            help.insert(feed + 1, 22, ' ');
        usage += head + std::string(head.size() < 22 ? 22 - head.size() : 1, ' ') + help + "\n";
    }
    return usage;
}
