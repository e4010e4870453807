// huebird-console: a stand-in editor for the terminal that runs the colour command and shows what it sees.
#include "console_editor.h"
#include "terminal.h"

#include "editor/arguments/command_line.h"
#include "editor/arguments/prompt_reply.h"
#include "host/huebird.h"
#include "standin/standin.h"

#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <string>

// What the console's usage says around its options.
static const char USAGE_HEAD[] =
    "Usage: huebird-console [[RUN OPTION]... ANSWER]... [RUN OPTION]...\n"
    "\n"
    "A stand-in editor for the terminal. It runs Huebird's insert-colour command once per run, in one\n"
    "process, so the colour remembered from one run and the dialog's custom colours carry over to the next,\n"
    "and prints what the editor saw: the selection it was asked for, the colour the dialog opened on, and\n"
    "the text entered.\n"
    "\n";
static const char USAGE_TAIL[] =
    "\n"
    "A COLOR is #RRGGBB, red, green and blue from 0 to 255 as R,G,B, or one of the sixteen colour names.\n"
    "A value that starts with -- is given as --OPTION=VALUE.\n"
    "When the last run has no answer, or there are no arguments at all, the answer is asked for in the\n"
    "terminal (stdin must be one), showing the preset as #RRGGBB and as a swatch when COLORTERM is\n"
    "truecolor or 24bit.\n"
    "\n"
    "  -h, --help          show this help\n"
    "\n"
    "Example: the code of a named colour confirmed, a chosen colour, then nothing selected:\n"
    "  huebird-console --select '#00ff00' --confirm --select hello --choose 18,52,86 --confirm\n"
    "\n"
    "Exit status: 0 when every run was made, 2 for bad arguments.\n";

// The run being made, which the colour dialog answers.
static const EditorStep* CurrentRun;

// A colour as #RRGGBB, followed by its components when described.
static std::string Code(COLORREF color, bool described = false)
{
    int red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
    char text[48];
    int size = snprintf(text, sizeof text, "#%02X%02X%02X", red, green, blue);
    if (described)
        snprintf(text + size, sizeof text - size, " (red %d, green %d, blue %d)", red, green, blue);
    return text;
}

// A swatch of the colour, as wide as blanks, where the terminal shows 24-bit colour; else nothing.
static std::string Swatch(COLORREF color, const char* blanks)
{
    char text[48];
    snprintf(text, sizeof text, "\x1b[48;2;%d;%d;%dm%s\x1b[0m", GetRValue(color), GetGValue(color),
             GetBValue(color), blanks);
    return TrueColorTerminal ? text : "";
}

// The custom colours that are set, and whether the others are black.
static std::string CustomColors(const COLORREF* colors)
{
    std::string list = "custom colours";
    for (int i = 0; i < CUSTOM_COLOR_SLOTS; i++) {
        if (colors[i] != 0)
            list += " " + std::to_string(i + 1) + "=" + Code(colors[i]);
    }
    long black = std::count(colors, colors + CUSTOM_COLOR_SLOTS, 0u);
    return list + (black == CUSTOM_COLOR_SLOTS ? " all black" : black > 0 ? ", the others black" : "");
}

static void SetCustomColor(COLORREF* colors, const CustomColorSetting& setting)
{
    colors[setting.slot] = setting.color;
    printf("  dialog: custom colour %d set to %s\n", setting.slot + 1, Code(setting.color).c_str());
}

// Asks in the terminal what the dialog does, setting custom colours until an answer; the prompt goes to stderr.
static DialogAnswer AskAnswer(LPCHOOSECOLORA record)
{
    fflush(stdout);
    fprintf(stderr, "  Enter: OK; COLOR: choose it and OK; SLOT=COLOR: set custom colour SLOT; c: Cancel\n"
                    "  (a COLOR is #RRGGBB, R,G,B or a colour name)\n");
    for (;;) {
        std::string custom = TrueColorTerminal ? "   custom " : "";
        for (int i = 0; i < CUSTOM_COLOR_SLOTS; i++)
            custom += Swatch(record->lpCustColors[i], "  ");
        fprintf(stderr, "  colour dialog %s %s%s > ", Swatch(record->rgbResult, "      ").c_str(),
                Code(record->rgbResult).c_str(), custom.c_str());
        // A line of any length is one answer.
        std::string line;
        int ch;
        while ((ch = getchar()) != EOF && ch != '\n')
            line += static_cast<char>(ch);
        if (ch == EOF && line.empty()) {
            fprintf(stderr, "\n");
            printf("  dialog: end of input\n");
            return ANSWER_CANCEL;
        }
        CustomColorSetting setting;
        std::string why;
        PromptReply reply = ParsePromptReply(line, &record->rgbResult, &setting, &why);
        if (reply == REPLY_CUSTOM)
            SetCustomColor(record->lpCustColors, setting);
        else if (reply == REPLY_INVALID)
            fprintf(stderr, "  not understood: %s\n", why.c_str());
        else
            return reply == REPLY_CONFIRM ? ANSWER_CONFIRM : reply == REPLY_CANCEL ? ANSWER_CANCEL : ANSWER_CHOOSE;
    }
}

// The colour dialog: shows how it opens, takes the run's custom colours and answer, and closes.
static BOOL ConsoleColorDialog(LPCHOOSECOLORA record)
{
    printf("  dialog: opens on %s; %s\n", Code(record->rgbResult, true).c_str(),
           CustomColors(record->lpCustColors).c_str());
    for (const CustomColorSetting& setting : CurrentRun->customColors)
        SetCustomColor(record->lpCustColors, setting);

    DialogAnswer answer = CurrentRun->answer;
    if (answer == ANSWER_CHOOSE)
        record->rgbResult = CurrentRun->chosen;
    else if (answer == ANSWER_ASK)
        answer = AskAnswer(record);

    std::string said = answer == ANSWER_CANCEL    ? "Cancel"
                       : answer == ANSWER_CONFIRM ? "OK, colour unchanged"
                                                  : "OK with " + Code(record->rgbResult, true);
    printf("  dialog: %s\n", said.c_str());
    return answer != ANSWER_CANCEL;
}

int main(int argc, char** argv)
{
    EditorArguments arguments;
    std::string error = ParseEditorArguments(PROGRAM_CONSOLE, argc, argv, &arguments);
    if (!error.empty()) {
        fprintf(stderr, "huebird-console: %s\n", error.c_str());
        return 2;
    }
    if (arguments.help) {
        printf("%s%s%s", USAGE_HEAD, OptionsUsage(PROGRAM_CONSOLE).c_str(), USAGE_TAIL);
        return 0;
    }
    // Only the last run may be left without an answer.
    if (arguments.steps.back().answer == ANSWER_ASK && !isatty(STDIN_FILENO)) {
        fprintf(stderr, "huebird-console: run %lu has no answer (--confirm, --choose or --cancel), and stdin is "
                        "no terminal to ask on\n", static_cast<unsigned long>(arguments.steps.size()));
        return 2;
    }
    ReadTerminal();

    ConsoleEditor editors[EDITOR_WINDOW_COUNT] = {};
    HWND windows[EDITOR_WINDOW_COUNT];
    for (int i = 0; i < EDITOR_WINDOW_COUNT; i++)
        windows[i] = StandinCreateWindow(ConsoleEditorProc, &editors[i]);
    StandinSetColorDialog(ConsoleColorDialog);

    for (size_t i = 0; i < arguments.steps.size(); i++) {
        const EditorStep& run = arguments.steps[i];
        ConsoleEditor& editor = editors[run.window - 1];
        editor = ConsoleEditor{run.window, run.selection, false};
        CurrentRun = &run;
        std::string selected = run.selection.empty() ? "nothing selected" : "selection " + ForTerminal(run.selection);
        printf("run %lu in window %d, %s\n", static_cast<unsigned long>(i + 1), run.window, selected.c_str());
        OnCommand(windows[run.window - 1]);
        if (!editor.entered)
            printf("  editor: nothing entered\n");
    }

    StandinSetColorDialog(nullptr);
    for (HWND window : windows)
        StandinDestroyWindow(window);
    return 0;
}
