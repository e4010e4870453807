// The stand-in editors' one command-line language: one table of options drives the reading and the usage.
#include "editor/arguments/command_line.h"

#include "editor/arguments/escaping.h"

#include <string.h>

namespace {

const char ANSWERS[] = "an answer (--confirm, --choose or --cancel)";

// The reading in progress: the step being gathered, and whether it has run options (which need an answer)
// or any options at all.
struct Reading {
    EditorArguments* arguments;
    bool window; // reading for huebird-window
    EditorStep step;
    bool runOptions, started, windowGiven;
    std::string stepName; // "run N" or "step N", for messages
};

// Reads the option's value into the reading; returns why it was refused, or "".
typedef std::string (*ValueReader)(Reading* reading, const std::string& value);

// Where the usage lists an option.
enum Section { PROGRAM_OPTIONS, RUN_OPTIONS, ANSWERS_SECTION, DOCUMENT_OPTIONS, EDITS, STEPS };

struct Option {
    const char* name;
    const char* value;       // its value in the usage ("TEXT"); null: it takes none
    const char* needs;       // what its value is called in "needs ..."; "@" stands for its number's range
    int low, high;           // the range of its number, if it takes one; "~" in a text stands for high
    bool windowOnly;
    Section section;
    const char* help;        // its line in the usage, "\n" between lines, "@" for its number's range
    const char* consoleHelp; // the console's line where it differs; null: the same
    ValueReader read;
};

std::string Range(const Option& option)
{
    return std::to_string(option.low) + " to " + std::to_string(option.high);
}

std::string WithRange(const char* text, const Option& option)
{
    std::string result = text;
    size_t at = result.find('@'), most = result.find('~');
    if (most != std::string::npos)
        result.replace(most, 1, std::to_string(option.high));
    return at == std::string::npos ? result : result.replace(at, 1, Range(option));
}

EditorStep NewStep()
{
    EditorStep step = {};
    step.kind = STEP_RUN;
    step.window = 1;
    step.answer = ANSWER_ASK;
    return step;
}

std::string Twice(const Reading* reading, const char* name)
{
    return "!" + reading->stepName + ": " + name + " given twice; " + ANSWERS + " ends a run";
}

// --present and --uninstall: steps of their own, with --window and --view but no run options.
std::string OtherStep(Reading* reading, StepKind kind, const char* name)
{
    if (reading->runOptions)
        return std::string("!run options before ") + name + ": end the run with --confirm, --choose or --cancel";
    reading->step.kind = kind;
    return "";
}

// Sets the run's answer; "" for the caller to return.
std::string Answer(Reading* reading, DialogAnswer answer)
{
    reading->step.answer = answer;
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
    {"--plugin", "PATH", "a path", 0, 0, true, PROGRAM_OPTIONS,
     "the plug-in DLL (default: Huebird.dll beside the program)", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         r->arguments->plugin = value;
         return value.empty() ? "needs a path" : "";
     }},
    {"--shots", "DIR", "a folder", 0, 0, true, PROGRAM_OPTIONS,
     "save screenshots as PNG into DIR: runN-menu.png (the Plug-ins menu open),\nrunN-dialog.png (the colour "
     "dialog as it opened), runN-window.png (afterwards)\nand uninstall.png (the plug-in's question)",
     nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         r->arguments->shots = value;
         return value.empty() ? "needs a folder" : "";
     }},
    {"--stay", nullptr, nullptr, 0, 0, true, PROGRAM_OPTIONS, "keep the windows open after the steps", nullptr,
     [](Reading* r, const std::string&) -> std::string {
         r->arguments->stay = true;
         return "";
     }},
    {"--window", "N", "a number from @", 1, EDITOR_WINDOW_COUNT, false, RUN_OPTIONS,
     "run in window N, @, opened with File > New window as needed (default 1)",
     "run in editor window N, @ (default 1); all windows share one plug-in",
     [](Reading* r, const std::string& value) -> std::string {
         if (r->windowGiven)
             return Twice(r, "--window");
         r->windowGiven = true;
         return ParseNumber(Trimmed(value), 1, EDITOR_WINDOW_COUNT, &r->step.window);
     }},
    {"--text", "TEXT", "a text", 0, 0, true, RUN_OPTIONS, "the document's text, all of it selected", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         if (r->step.setText)
             return Twice(r, "--text");
         if (!r->step.textFile.empty())
             return "!" + r->stepName + ": --text given with --text-file; the document comes from one of them";
         r->step.setText = r->runOptions = true;
         r->step.text = value;
         return "";
     }},
    {"--select", "TEXT", "a text", 0, static_cast<int>(MAX_SELECTION_BYTES), false, RUN_OPTIONS,
     "select the first TEXT in the document; an empty TEXT selects nothing",
     "the selected text, at most ~ bytes (default: nothing selected)",
     [](Reading* r, const std::string& value) -> std::string {
         if (r->step.setSelection)
             return Twice(r, "--select");
         if (!r->window && value.size() > MAX_SELECTION_BYTES)
             return QuotedValue(value) + " is " + std::to_string(value.size()) +
                    " bytes; the editor hands over at most " + std::to_string(MAX_SELECTION_BYTES);
         r->step.setSelection = r->runOptions = true;
         r->step.selection = value;
         return "";
     }},
    {"--custom", "SLOT=COLOR", "SLOT=COLOR", 1, CUSTOM_COLOR_SLOTS, false, RUN_OPTIONS,
     "select custom colour SLOT (@) in the dialog and add COLOR to the custom\ncolours there, before the "
     "answer; may be repeated",
     "define custom colour SLOT (@) in this run's dialog; may be repeated",
     [](Reading* r, const std::string& value) -> std::string {
         CustomColorSetting setting;
         std::string why = ParseCustomValue(value, &setting);
         r->step.customColors.push_back(setting);
         r->runOptions = true;
         return why;
     }},
    {"--confirm", nullptr, nullptr, 0, 0, false, ANSWERS_SECTION, "press OK with the colour the dialog opened on",
     nullptr, [](Reading* r, const std::string&) { return Answer(r, ANSWER_CONFIRM); }},
    {"--choose", "COLOR", "a colour", 0, 0, false, ANSWERS_SECTION, "choose COLOR and press OK", nullptr,
     [](Reading* r, const std::string& value) { return Answer(r, ANSWER_CHOOSE) + ParseColorValue(value, &r->step.chosen); }},
    {"--cancel", nullptr, nullptr, 0, 0, false, ANSWERS_SECTION, "press Cancel", nullptr,
     [](Reading* r, const std::string&) { return Answer(r, ANSWER_CANCEL); }},
    {"--view", "MODE", "a mode: small, large, 16, 256 or true", 0, 0, true, DOCUMENT_OPTIONS,
     "before the step, choose View > MODE in its window: small or large toolbar\npictures, 16, 256 or true "
     "colours; may be repeated",
     nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         const char* const MODES[] = {"small", "large", "16", "256", "true"};
         for (int mode = VIEW_SMALL; mode <= VIEW_TRUE_COLOR; mode++) {
             if (value == MODES[mode]) {
                 r->step.views.push_back(static_cast<ViewMode>(mode));
                 return "";
             }
         }
         return QuotedValue(value) + " is no mode; give small, large, 16, 256 or true";
     }},
    {"--text-file", "PATH", "a path", 0, 0, true, DOCUMENT_OPTIONS,
     "the document's text from a UTF-8 file, all of it selected (instead of --text)", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         if (r->step.setText || !r->step.textFile.empty())
             return "!" + r->stepName + ": --text-file given with --text or twice; the document comes from one of them";
         r->step.textFile = value;
         r->runOptions = true;
         return value.empty() ? "needs a path" : "";
     }},
    {"--limit", "N", "a number of characters", 0, 0, true, DOCUMENT_OPTIONS,
     "the document holds at most N characters (default: as many as the view can)", nullptr,
     [](Reading* r, const std::string& value) -> std::string {
         int limit = 0;
         r->runOptions = true;
         std::string why = ParseNumber(Trimmed(value), 1, 999999999, &limit);
         r->step.limit = static_cast<unsigned>(limit);
         return why;
     }},
    {"--type", "TEXT", "a text", 0, 0, true, EDITS, "type TEXT at the caret, key by key", nullptr,
     [](Reading* r, const std::string& value) { return Edit(r, EDIT_TYPE, value); }},
    {"--save", nullptr, nullptr, 0, 0, true, EDITS,
     "choose File > Save: the document counts as saved (nothing is written)", nullptr,
     [](Reading* r, const std::string&) { return Edit(r, EDIT_SAVE, ""); }},
    {"--overwrite", "on|off", "on or off", 0, 0, true, EDITS,
     "set Edit > Overwrite, which the plug-in's text insertions follow", nullptr,
     [](Reading* r, const std::string& value) {
         return Edit(r, value == "on" ? EDIT_OVERWRITE_ON : EDIT_OVERWRITE_OFF, "") +
                (value == "on" || value == "off" ? "" : QuotedValue(value) + " is no setting; give on or off");
     }},
    {"--present", nullptr, nullptr, 0, 0, true, STEPS, "print what the window presents, in each toolbar mode",
     nullptr, [](Reading* r, const std::string&) { return OtherStep(r, STEP_PRESENT, "--present"); }},
    {"--uninstall", "yes|no", "yes or no", 0, 0, true, STEPS,
     "choose Plug-ins > Uninstall and give this answer to the plug-in's question", nullptr,
     [](Reading* r, const std::string& value) {
         std::string why = OtherStep(r, STEP_UNINSTALL, "--uninstall");
         r->step.agree = value == "yes";
         return why.empty() && value != "yes" && value != "no" ? QuotedValue(value) + " is no answer; give yes or no"
                                                                : why;
     }},
};

const Option* FindOption(const std::string& name)
{
    for (const Option& option : OPTIONS) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// Reads one option with its value; returns the error line, or "".
std::string ReadOption(Reading* reading, const Option& option, const std::string& value)
{
    const EditorArguments& arguments = *reading->arguments;
    reading->stepName = (reading->window ? "step " : "run ") + std::to_string(arguments.steps.size() + 1);
    std::string why = option.read(reading, value);
    // A reason that starts with "!" is the whole line; "needs" follows the name; others after a colon.
    if (!why.empty())
        return why[0] == '!' ? why.substr(1) : option.name + std::string(why.compare(0, 6, "needs ") ? ": " : " ") + why;
    // The program's own options belong to no step, wherever they stand.
    if (option.section == PROGRAM_OPTIONS)
        return "";
    reading->started = true;
    // An answer, --present or --uninstall ends the step.
    if (reading->step.answer != ANSWER_ASK || reading->step.kind != STEP_RUN) {
        reading->arguments->steps.push_back(reading->step);
        reading->step = NewStep();
        reading->started = reading->runOptions = reading->windowGiven = false;
    }
    return "";
}

} // namespace

std::string ParseEditorArguments(EditorProgram program, int argc, const char* const* argv,
                                 EditorArguments* arguments)
{
    *arguments = EditorArguments();
    Reading reading = {arguments, program == PROGRAM_WINDOW, NewStep(), false, false, false, ""};
    for (int i = 1; i < argc; i++) {
        std::string argument = argv[i], name = argument, value;
        size_t equals = argument.find('=');
        bool hasValue = argument.compare(0, 2, "--") == 0 && equals != std::string::npos;
        if (hasValue) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name == "-h" || name == "--help") {
            *arguments = EditorArguments();
            arguments->help = true;
            return "";
        }
        const Option* option = FindOption(name);
        if (!option) {
            if (!argument.empty() && argument[0] == '-')
                return "unknown option " + QuotedValue(name) + " (see --help)";
            return "unexpected argument " + QuotedValue(argument) + ": every value follows its option (see --help)";
        }
        if (option->windowOnly && !reading.window)
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
    if (reading.window) {
        if (reading.started)
            return "the last run has no answer: end it with --confirm, --choose or --cancel";
    } else if (reading.started || arguments->steps.empty()) {
        // Options after the last answer, or none at all, make one more run whose answer is asked for.
        arguments->steps.push_back(reading.step);
    }
    return "";
}

std::string OptionsUsage(EditorProgram program)
{
    const struct {
        EditorProgram program;
        Section first, last;
        const char* heading;
    } SECTIONS[] = {
        {PROGRAM_CONSOLE, RUN_OPTIONS, RUN_OPTIONS, "Run options (before the answer that ends the run):"},
        {PROGRAM_CONSOLE, ANSWERS_SECTION, ANSWERS_SECTION, "Answers (each ends a run):"},
        {PROGRAM_WINDOW, PROGRAM_OPTIONS, PROGRAM_OPTIONS, "Options:"},
        {PROGRAM_WINDOW, RUN_OPTIONS, DOCUMENT_OPTIONS,
         "A run of the command is set up by run options and ended by the dialog's answer:"},
        {PROGRAM_WINDOW, EDITS, EDITS,
         "Before any step, in its window and in the order given (after --text, --select and --view):"},
        {PROGRAM_WINDOW, STEPS, STEPS, "Other steps (--window and --view apply to them too):"},
    };
    bool window = program == PROGRAM_WINDOW;
    std::string usage;
    for (const auto& section : SECTIONS) {
        if (section.program != program)
            continue;
        usage += (usage.empty() ? "" : "\n") + std::string(section.heading) + "\n";
        for (const Option& option : OPTIONS) {
            if (option.section < section.first || option.section > section.last || (option.windowOnly && !window))
                continue;
            std::string head = "  " + std::string(option.name) + (option.value ? " " + std::string(option.value) : "");
            std::string help = WithRange(!window && option.consoleHelp ? option.consoleHelp : option.help, option);
            for (size_t feed = help.find('\n'); feed != std::string::npos; feed = help.find('\n', feed + 1))
                help.insert(feed + 1, 22, ' ');
            usage += head + std::string(head.size() < 22 ? 22 - head.size() : 1, ' ') + help + "\n";
        }
    }
    return usage;
}
