// Fuzz target: the stand-in editors' command-line and prompt parsing on arbitrary arguments and lines.
#include "editor/arguments/command_line.h"
#include "editor/arguments/escaping.h"
#include "editor/arguments/prompt_reply.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace {

void Fail(const char* what, const std::string& detail)
{
    fprintf(stderr, "%s: %s\n", what, EscapedText(detail, false).c_str());
    abort();
}

// One line of text without control bytes: what may reach the terminal from text the user typed.
bool IsPrintable(const std::string& text)
{
    for (char ch : text) {
        if ((ch >= 0 && ch < 0x20) || ch == 0x7F)
            return false;
    }
    return IsValidUtf8(text);
}

// A colour that parses must be a plain RGB value, and its #RRGGBB code must parse back to it.
void CheckColor(ColorValue color, const std::string& source)
{
    if (color >> 24 != 0)
        Fail("a parsed colour has a non-zero top byte", source);
    char code[8];
    snprintf(code, sizeof code, "#%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
             static_cast<unsigned>(color >> 8 & 0xFF), static_cast<unsigned>(color >> 16 & 0xFF));
    ColorValue again = 0xFFFFFFFF;
    if (!ParseColorValue(code, &again).empty() || again != color)
        Fail("the #RRGGBB code of a parsed colour does not parse back to it", source);
}

void CheckArguments(EditorProgram program, const std::vector<std::string>& words)
{
    std::vector<const char*> argv = {"huebird-console"};
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    argv.push_back(nullptr);

    EditorArguments arguments;
    std::string error = ParseEditorArguments(program, static_cast<int>(argv.size() - 1), argv.data(), &arguments);
    if (!error.empty()) {
        if (!IsPrintable(error))
            Fail("an error message is not one printable line", error);
        return;
    }
    if (arguments.help)
        return;
    if (program == PROGRAM_CONSOLE && arguments.steps.empty())
        Fail("arguments parsed into no run", words.empty() ? "" : words[0]);
    for (const EditorStep& run : arguments.steps) {
        if (run.window < 1 || run.window > EDITOR_WINDOW_COUNT)
            Fail("a run has a window out of range", run.selection);
        if (program == PROGRAM_WINDOW && run.kind == STEP_RUN && run.answer == ANSWER_ASK)
            Fail("a window run has no answer", run.selection);
        if (program == PROGRAM_CONSOLE && run.selection.size() > MAX_SELECTION_BYTES)
            Fail("a run's selection is longer than the editor hands over", run.selection);
        if (run.answer == ANSWER_CHOOSE)
            CheckColor(run.chosen, run.selection);
        for (const CustomColorSetting& setting : run.customColors) {
            if (setting.slot < 0 || setting.slot >= CUSTOM_COLOR_SLOTS)
                Fail("a custom colour has a slot out of range", run.selection);
            CheckColor(setting.color, run.selection);
        }
    }
}

void CheckPromptReply(const std::string& line)
{
    ColorValue color = 0;
    CustomColorSetting setting = {};
    std::string why;
    switch (ParsePromptReply(line, &color, &setting, &why)) {
    case REPLY_CHOOSE:
        CheckColor(color, line);
        break;
    case REPLY_CUSTOM:
        if (setting.slot < 0 || setting.slot >= CUSTOM_COLOR_SLOTS)
            Fail("a prompt reply gives a custom slot out of range", line);
        CheckColor(setting.color, line);
        break;
    case REPLY_INVALID:
        if (!IsPrintable(why))
            Fail("a prompt's reason is not one printable line", why);
        break;
    default:
        break;
    }
}

} // namespace

// The input is the arguments, separated by NUL bytes; the same bytes are also one line typed at the
// dialog's prompt.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    size_t start = 0;
    while (start < input.size()) {
        size_t end = input.find('\0', start);
        if (end == std::string::npos)
            end = input.size();
        words.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    CheckArguments(PROGRAM_CONSOLE, words);
    CheckArguments(PROGRAM_WINDOW, words);
    CheckPromptReply(input);
    if (!IsPrintable(EscapedText(input, true)) || !IsPrintable(EscapedText(input, false)))
        Fail("escaped text is not printable", input);
    return 0;
}
