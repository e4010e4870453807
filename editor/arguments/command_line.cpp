// The stand-in editors' one command-line language, read without side effects into steps.
#include "editor/arguments/command_line.h"

#include "color/notation.h"

#include <stdio.h>
#include <string.h>

namespace {

// An option: its name, what its value is called in "needs ..." (null: it takes none), and whether only
// the window has it.
struct OptionInfo {
    const char* name;
    const char* value;
    bool windowOnly;
};

// Every option of either program.
const OptionInfo OPTIONS[] = {
    {"--select", "a text", false},
    {"--window", "a number from 1 to 4", false},
    {"--custom", "SLOT=COLOR", false},
    {"--confirm", nullptr, false},
    {"--choose", "a colour", false},
    {"--cancel", nullptr, false},
    {"--text", "a text", true},
    {"--text-file", "a path", true},
    {"--limit", "a number of characters", true},
    {"--type", "a text", true},
    {"--save", nullptr, true},
    {"--overwrite", "on or off", true},
    {"--view", "a mode: small, large, 16, 256 or true", true},
    {"--present", nullptr, true},
    {"--uninstall", "yes or no", true},
    {"--plugin", "a path", true},
    {"--shots", "a folder", true},
    {"--stay", nullptr, true},
};

// The values of --view.
const struct {
    const char* name;
    ViewMode mode;
} VIEW_MODES[] = {
    {"small", VIEW_SMALL}, {"large", VIEW_LARGE}, {"16", VIEW_16_COLORS}, {"256", VIEW_256_COLORS},
    {"true", VIEW_TRUE_COLOR},
};

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

std::string Trimmed(const std::string& text)
{
    size_t start = 0, end = text.size();
    while (start < end && IsBlank(text[start]))
        start++;
    while (end > start && IsBlank(text[end - 1]))
        end--;
    return text.substr(start, end - start);
}

char LowerCase(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string Shown(const std::string& text)
{
    return "\"" + EscapedText(text, true) + "\"";
}

// A decimal number from low to high, digits only. Returns why it is refused, or "".
std::string ParseNumber(const std::string& text, int low, int high, int* number)
{
    if (text.empty())
        return "a number is missing";
    long long value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return Shown(text) + " is not a number";
        if (value <= high)
            value = value * 10 + (ch - '0');
    }
    if (value < low || value > high)
        return EscapedText(text, true) + " is outside " + std::to_string(low) + "-" + std::to_string(high);
    *number = static_cast<int>(value);
    return "";
}

// Splits red, green and blue at commas, or at blanks when there is no comma.
std::vector<std::string> Components(const std::string& text)
{
    std::vector<std::string> parts;
    bool commas = text.find(',') != std::string::npos;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && (commas ? text[end] != ',' : !IsBlank(text[end])))
            end++;
        std::string part = Trimmed(text.substr(start, end - start));
        if (commas || !part.empty())
            parts.push_back(part);
        if (end == text.size())
            break;
        start = end + 1;
    }
    return parts;
}

// Whether text is all of the name of color, not just its start.
bool IsWholeName(const std::string& text, COLORREF color)
{
    for (const NamedColor& entry : NamedColors) {
        if (entry.color == color)
            return strlen(entry.name) == text.size();
    }
    return false;
}

// What a colour may be, for the message about one that is none.
const char NAMES_HINT[] = "give #RRGGBB, R,G,B or one of black, silver, gray, white, maroon, red, purple, "
                          "fuchsia, green, lime, olive, yellow, navy, blue, teal, aqua";

} // namespace

bool IsValidUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int follow;
        unsigned long code;
        if (lead < 0x80) {
            i++;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + follow >= text.size())
            return false;
        for (int k = 1; k <= follow; k++) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const unsigned long smallest[4] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += 1 + follow;
    }
    return true;
}

std::string EscapedText(const std::string& text, bool keepUtf8)
{
    std::string escaped;
    size_t i = 0;
    while (i < text.size()) {
        char ch = text[i];
        unsigned char byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            escaped += '\\';
            escaped += ch;
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += ch;
        } else {
            // The whole character when its bytes form one valid UTF-8 sequence and that is wanted.
            size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            std::string character = text.substr(i, length);
            if (keepUtf8 && byte >= 0x80 && character.size() == length && IsValidUtf8(character)) {
                escaped += character;
                i += length;
                continue;
            }
            char code[8];
            snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        }
        i++;
    }
    return escaped;
}

std::string ParseColorValue(const std::string& text, COLORREF* color)
{
    std::string value = Trimmed(text);
    if (value.empty())
        return "the colour is empty; " + std::string(NAMES_HINT);
    if (value[0] == '#') {
        if (value.size() != 7)
            return Shown(value) + " is not #RRGGBB: it needs exactly six hexadecimal digits";
        for (size_t i = 1; i < 7; i++) {
            if (HexDigitValue(value[i]) < 0)
                return Shown(value) + " is not #RRGGBB: " + Shown(value.substr(i, 1)) +
                       " is not a hexadecimal digit";
        }
    }
    if ((value[0] >= '0' && value[0] <= '9') || value.find(',') != std::string::npos) {
        std::vector<std::string> parts = Components(value);
        if (parts.size() != 3)
            return Shown(value) + " is not R,G,B: it needs three numbers, red, green and blue";
        int rgb[3];
        for (int i = 0; i < 3; i++) {
            std::string why = ParseNumber(parts[i], 0, 255, &rgb[i]);
            if (!why.empty())
                return why + " in " + Shown(value);
        }
        *color = RGB(rgb[0], rgb[1], rgb[2]);
        return "";
    }
    // Codes and names are the plug-in decoder's, given its whole buffer. It is content with a name at the
    // start of the text; a value must be the whole name.
    char buffer[COLOR_TEXT_SIZE] = {};
    COLORREF decoded;
    if (value.size() < sizeof buffer) {
        memcpy(buffer, value.data(), value.size());
        if (ParseColorText(buffer, &decoded) && (value[0] == '#' || IsWholeName(value, decoded))) {
            *color = decoded;
            return "";
        }
    }
    return Shown(value) + " is no colour; " + NAMES_HINT;
}

std::string ParseCustomValue(const std::string& text, CustomColorSetting* setting)
{
    size_t equals = text.find('=');
    if (equals == std::string::npos)
        return Shown(text) + " is not SLOT=COLOR, with SLOT from 1 to 16";
    int slot;
    std::string why = ParseNumber(Trimmed(text.substr(0, equals)), 1, CUSTOM_COLOR_SLOTS, &slot);
    if (!why.empty())
        return "slot " + why;
    COLORREF color;
    why = ParseColorValue(text.substr(equals + 1), &color);
    if (!why.empty())
        return why;
    setting->slot = slot - 1;
    setting->color = color;
    return "";
}

PromptReply ParsePromptReply(const std::string& line, COLORREF* color, CustomColorSetting* setting,
                             std::string* why)
{
    std::string reply = line;
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r'))
        reply.pop_back();
    reply = Trimmed(reply);
    if (reply.empty())
        return REPLY_CONFIRM;
    std::string lower;
    for (char ch : reply)
        lower += LowerCase(ch);
    if (lower == "c" || lower == "cancel")
        return REPLY_CANCEL;
    if (reply.find('=') != std::string::npos) {
        *why = ParseCustomValue(reply, setting);
        return why->empty() ? REPLY_CUSTOM : REPLY_INVALID;
    }
    *why = ParseColorValue(reply, color);
    return why->empty() ? REPLY_CHOOSE : REPLY_INVALID;
}

namespace {

EditorStep NewStep()
{
    EditorStep step = {};
    step.kind = STEP_RUN;
    step.window = 1;
    step.answer = ANSWER_ASK;
    return step;
}

const OptionInfo* FindOption(const std::string& name)
{
    for (const OptionInfo& option : OPTIONS) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

} // namespace

std::string ParseEditorArguments(EditorProgram program, int argc, const char* const* argv,
                                 EditorArguments* arguments)
{
    *arguments = EditorArguments();
    EditorStep step = NewStep();
    // Whether the step being gathered has run options (window: they need an answer) or any options at all.
    bool runOptions = false;
    bool started = false;
    bool windowGiven = false;
    bool window = program == PROGRAM_WINDOW;
    const char* answers = "an answer (--confirm, --choose or --cancel)";
    for (int i = 1; i < argc; i++) {
        std::string argument = argv[i];
        std::string name = argument;
        std::string value;
        bool hasValue = false;
        size_t equals = argument.find('=');
        if (argument.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
            hasValue = true;
        }
        if (name == "-h" || name == "--help") {
            *arguments = EditorArguments();
            arguments->help = true;
            return "";
        }
        const OptionInfo* option = FindOption(name);
        if (!option) {
            if (!argument.empty() && argument[0] == '-')
                return "unknown option " + Shown(name) + " (see --help)";
            return "unexpected argument " + Shown(argument) + ": every value follows its option (see --help)";
        }
        if (option->windowOnly && !window)
            return name + " is an option of huebird-window only (see --help)";
        if (!option->value && hasValue)
            return name + " takes no value";
        if (option->value && !hasValue) {
            // A word that starts with -- is the next option, never a value: --select --confirm is a mistake.
            if (i + 1 >= argc || strncmp(argv[i + 1], "--", 2) == 0)
                return name + " needs " + option->value + (i + 1 < argc ? " (write " + name + "=" +
                                                                              EscapedText(argv[i + 1], true) +
                                                                              " for a value that starts with --)"
                                                                        : "");
            value = argv[++i];
        }
        std::string stepName = (window ? "step " : "run ") + std::to_string(arguments->steps.size() + 1);
        std::string why;

        if (name == "--plugin" || name == "--shots") {
            std::string& setting = name == "--plugin" ? arguments->plugin : arguments->shots;
            if (value.empty())
                return name + " needs " + option->value;
            setting = value;
            continue;
        }
        if (name == "--stay") {
            arguments->stay = true;
            continue;
        }
        if (name == "--select" || name == "--text") {
            bool text = name == "--text";
            if (text ? step.setText : step.setSelection)
                return stepName + ": " + name + " given twice; " + answers + " ends a run";
            if (text && !step.textFile.empty())
                return stepName + ": --text given with --text-file; the document comes from one of them";
            if (!window && value.size() > MAX_SELECTION_BYTES)
                return "--select: " + Shown(value) + " is " + std::to_string(value.size()) +
                       " bytes; the editor hands over at most " + std::to_string(MAX_SELECTION_BYTES);
            (text ? step.setText : step.setSelection) = true;
            (text ? step.text : step.selection) = value;
            runOptions = true;
        } else if (name == "--text-file") {
            if (step.setText || !step.textFile.empty())
                return stepName + ": --text-file given with --text or twice; the document comes from one of them";
            if (value.empty())
                return name + " needs " + option->value;
            step.textFile = value;
            runOptions = true;
        } else if (name == "--limit") {
            int limit;
            why = ParseNumber(Trimmed(value), 1, 999999999, &limit);
            step.limit = static_cast<unsigned>(limit);
            runOptions = true;
        } else if (name == "--type" || name == "--save" || name == "--overwrite") {
            EditAction edit = {EDIT_SAVE, ""};
            if (name == "--type") {
                edit.kind = EDIT_TYPE;
                edit.text = value;
            } else if (name == "--overwrite") {
                edit.kind = value == "on" ? EDIT_OVERWRITE_ON : EDIT_OVERWRITE_OFF;
                if (value != "on" && value != "off")
                    why = Shown(value) + " is no setting; give on or off";
            }
            step.edits.push_back(edit);
        } else if (name == "--window") {
            if (windowGiven)
                return stepName + ": --window given twice; " + answers + " ends a run";
            why = ParseNumber(Trimmed(value), 1, EDITOR_WINDOW_COUNT, &step.window);
            windowGiven = true;
        } else if (name == "--view") {
            bool known = false;
            for (const auto& mode : VIEW_MODES) {
                if (value == mode.name) {
                    step.views.push_back(mode.mode);
                    known = true;
                }
            }
            if (!known)
                why = Shown(value) + " is no mode; give small, large, 16, 256 or true";
        } else if (name == "--custom") {
            CustomColorSetting setting;
            why = ParseCustomValue(value, &setting);
            step.customColors.push_back(setting);
            runOptions = true;
        } else if (name == "--choose") {
            why = ParseColorValue(value, &step.chosen);
            step.answer = ANSWER_CHOOSE;
        } else if (name == "--confirm" || name == "--cancel") {
            step.answer = name == "--confirm" ? ANSWER_CONFIRM : ANSWER_CANCEL;
        } else {
            // --present or --uninstall: a step of its own, with --window and --view but no run options.
            if (runOptions)
                return "run options before " + name + ": end the run with --confirm, --choose or --cancel";
            step.kind = name == "--present" ? STEP_PRESENT : STEP_UNINSTALL;
            if (step.kind == STEP_UNINSTALL) {
                if (value != "yes" && value != "no")
                    why = Shown(value) + " is no answer; give yes or no";
                step.agree = value == "yes";
            }
        }
        if (!why.empty())
            return name + ": " + why;
        started = true;

        // An answer, --present or --uninstall ends the step.
        if (step.answer != ANSWER_ASK || step.kind != STEP_RUN) {
            arguments->steps.push_back(step);
            step = NewStep();
            started = runOptions = windowGiven = false;
        }
    }
    if (window) {
        if (started)
            return "the last run has no answer: end it with --confirm, --choose or --cancel";
    } else if (started || arguments->steps.empty()) {
        // Options after the last answer, or none at all, make one more run whose answer is asked for.
        arguments->steps.push_back(step);
    }
    return "";
}
