// The command line of huebird-console: the runs of the command to make, parsed without side effects.
#include "editor/console/arguments.h"

#include "color/notation.h"

#include <stdio.h>

// A decimal number from 0 to max, digits only.
static BOOL ParseNumber(const std::string& text, int max, int* number)
{
    if (text.empty() || text.size() > 3)
        return FALSE;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return FALSE;
        value = value * 10 + (ch - '0');
    }
    if (value > max)
        return FALSE;
    *number = value;
    return TRUE;
}

static char LowerCase(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

static BOOL IsSeparator(char ch)
{
    return ch == ',' || ch == ' ' || ch == '\t';
}

// Red, green and blue as three numbers separated by runs of commas and blanks.
static BOOL ParseComponents(const std::string& text, COLORREF* color)
{
    int components[3];
    int count = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && !IsSeparator(text[end]))
            end++;
        if (count == 3 || !ParseNumber(text.substr(start, end - start), 255, &components[count]))
            return FALSE;
        count++;
        if (end == text.size())
            break;
        while (end < text.size() && IsSeparator(text[end]))
            end++;
        start = end;
    }
    if (count != 3)
        return FALSE;
    *color = RGB(components[0], components[1], components[2]);
    return TRUE;
}

BOOL ParseColorArgument(const std::string& text, COLORREF* color)
{
    if (!text.empty() && text[0] == '#') {
        // Exactly a code: the plug-in's decoder then reads it from the string's seven bytes and its NUL.
        if (text.size() != 7)
            return FALSE;
        return ParseColorText(text.c_str(), color);
    }
    if (!text.empty() && text[0] >= '0' && text[0] <= '9')
        return ParseComponents(text, color);
    // A whole name, unlike the plug-in's decoder, which is content with a name at the start.
    for (const NamedColor& entry : NamedColors) {
        std::string name = entry.name;
        if (name.size() != text.size())
            continue;
        size_t i = 0;
        while (i < name.size() && LowerCase(text[i]) == name[i])
            i++;
        if (i == name.size()) {
            *color = entry.color;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL ParseCustomColorArgument(const std::string& text, CustomColorSetting* setting)
{
    size_t equals = text.find('=');
    if (equals == std::string::npos)
        return FALSE;
    int slot;
    COLORREF color;
    if (!ParseNumber(text.substr(0, equals), CONSOLE_CUSTOM_SLOTS, &slot) || slot < 1 ||
        !ParseColorArgument(text.substr(equals + 1), &color))
        return FALSE;
    setting->slot = slot - 1;
    setting->color = color;
    return TRUE;
}

PromptReply ParsePromptReply(const std::string& line, COLORREF* color, CustomColorSetting* setting)
{
    size_t first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return REPLY_CONFIRM;
    std::string reply = line.substr(first, line.find_last_not_of(" \t\r\n") + 1 - first);
    std::string lower;
    for (char ch : reply)
        lower += LowerCase(ch);
    if (lower == "c" || lower == "cancel")
        return REPLY_CANCEL;
    if (reply.find('=') != std::string::npos)
        return ParseCustomColorArgument(reply, setting) ? REPLY_CUSTOM : REPLY_INVALID;
    return ParseColorArgument(reply, color) ? REPLY_CHOOSE : REPLY_INVALID;
}

std::string EscapedText(const std::string& text)
{
    std::string escaped;
    for (char ch : text) {
        unsigned char byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            escaped += '\\';
            escaped += ch;
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += ch;
        } else {
            char code[8];
            snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        }
    }
    return escaped;
}

static ConsoleRun NewRun()
{
    ConsoleRun run = {};
    run.window = 1;
    run.answer = ANSWER_ASK;
    return run;
}

// The message for a bad colour, the same wherever a colour is expected.
static std::string BadColor(const std::string& option, const std::string& text)
{
    return option + ": \"" + EscapedText(text) + "\" is not a colour; give #RRGGBB, R,G,B (each 0 to 255) or a " +
           "colour name";
}

std::string ParseArguments(int argc, const char* const* argv, ConsoleArguments* arguments)
{
    arguments->help = false;
    arguments->runs.clear();
    ConsoleRun run = NewRun();
    // Whether the run being gathered has options of its own, and which of those that may be given once.
    bool started = false;
    bool selected = false;
    bool windowed = false;
    for (int i = 1; i < argc; i++) {
        std::string argument = argv[i];
        std::string option = argument;
        std::string value;
        bool hasValue = false;
        size_t equals = argument.find('=');
        if (argument.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            option = argument.substr(0, equals);
            value = argument.substr(equals + 1);
            hasValue = true;
        }
        std::string runName = "run " + std::to_string(arguments->runs.size() + 1);

        if (option == "-h" || option == "--help") {
            arguments->help = true;
            arguments->runs.clear();
            return "";
        }
        bool takesValue = option == "--select" || option == "--window" || option == "--custom" ||
                          option == "--choose";
        bool takesNone = option == "--confirm" || option == "--cancel";
        if (!takesValue && !takesNone) {
            if (!argument.empty() && argument[0] == '-')
                return "unknown option \"" + EscapedText(option) + "\" (see --help)";
            return "unexpected argument \"" + EscapedText(argument) + "\": every value follows its option (see --help)";
        }
        if (takesNone && hasValue)
            return option + " takes no value";
        if (takesValue && !hasValue) {
            if (i + 1 >= argc)
                return option + " needs a value";
            value = argv[++i];
        }

        if (option == "--select") {
            if (selected)
                return runName + ": --select given twice; an answer (--confirm, --choose or --cancel) ends a run";
            if (value.size() > MAX_SELECTION_BYTES)
                return "--select: \"" + EscapedText(value) + "\" is " + std::to_string(value.size()) +
                       " bytes; the editor hands over at most " + std::to_string(MAX_SELECTION_BYTES);
            run.selection = value;
            selected = true;
        } else if (option == "--window") {
            if (windowed)
                return runName + ": --window given twice; an answer (--confirm, --choose or --cancel) ends a run";
            if (!ParseNumber(value, CONSOLE_WINDOW_COUNT, &run.window) || run.window < 1)
                return "--window: \"" + EscapedText(value) + "\" is no window; give 1 to " +
                       std::to_string(CONSOLE_WINDOW_COUNT);
            windowed = true;
        } else if (option == "--custom") {
            CustomColorSetting setting;
            if (!ParseCustomColorArgument(value, &setting))
                return "--custom: \"" + EscapedText(value) + "\" is not SLOT=COLOR with SLOT 1 to " +
                       std::to_string(CONSOLE_CUSTOM_SLOTS) + " and COLOR #RRGGBB, R,G,B or a colour name";
            run.customColors.push_back(setting);
        } else if (option == "--choose") {
            if (!ParseColorArgument(value, &run.chosen))
                return BadColor(option, value);
            run.answer = ANSWER_CHOOSE;
        } else {
            run.answer = option == "--confirm" ? ANSWER_CONFIRM : ANSWER_CANCEL;
        }
        started = true;

        // An answer ends the run.
        if (run.answer != ANSWER_ASK) {
            arguments->runs.push_back(run);
            run = NewRun();
            started = selected = windowed = false;
        }
    }
    // Options after the last answer, or none at all, make one more run whose answer is asked for.
    if (started || arguments->runs.empty())
        arguments->runs.push_back(run);
    return "";
}
