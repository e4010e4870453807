// huebird-console: a stand-in editor for the terminal that runs the colour command and shows what it sees.
#include "console_editor.h"
#include "terminal.h"

#include "editor/arguments/command_line.h"
#include "editor/arguments/prompt_reply.h"
#include "host/huebird.h"
#include "standin/standin.h"

#include <stdio.h>
#include <unistd.h>

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

static void PrintColor(FILE* out, COLORREF color)
{
    fprintf(out, "#%02X%02X%02X (red %d, green %d, blue %d)", GetRValue(color), GetGValue(color), GetBValue(color),
            GetRValue(color), GetGValue(color), GetBValue(color));
}

static void PrintSwatch(FILE* out, COLORREF color, const char* blanks)
{
    if (TrueColorTerminal())
        fprintf(out, "\x1b[48;2;%d;%d;%dm%s\x1b[0m", GetRValue(color), GetGValue(color), GetBValue(color), blanks);
}

static void PrintCustomColors(const COLORREF* colors)
{
    printf("custom colours");
    int set = 0;
    for (int i = 0; i < CUSTOM_COLOR_SLOTS; i++) {
        if (colors[i] != 0) {
            printf(" %d=#%02X%02X%02X", i + 1, GetRValue(colors[i]), GetGValue(colors[i]), GetBValue(colors[i]));
            set++;
        }
    }
    printf(set == 0 ? " all black\n" : set < CUSTOM_COLOR_SLOTS ? ", the others black\n" : "\n");
}

static void SetCustomColor(COLORREF* colors, const CustomColorSetting& setting)
{
    colors[setting.slot] = setting.color;
    printf("  dialog: custom colour %d set to #%02X%02X%02X\n", setting.slot + 1, GetRValue(setting.color),
           GetGValue(setting.color), GetBValue(setting.color));
}

// Asks in the terminal what the dialog does; defines custom colours until an answer is given. The prompt
// goes to stderr, the transcript stays on stdout.
static DialogAnswer AskAnswer(LPCHOOSECOLORA record)
{
    fflush(stdout);
    fprintf(stderr, "  Enter: OK; COLOR: choose it and OK; SLOT=COLOR: set custom colour SLOT; c: Cancel\n"
                    "  (a COLOR is #RRGGBB, R,G,B or a colour name)\n");
    for (;;) {
        fprintf(stderr, "  colour dialog ");
        PrintSwatch(stderr, record->rgbResult, "      ");
        fprintf(stderr, " #%02X%02X%02X", GetRValue(record->rgbResult), GetGValue(record->rgbResult),
                GetBValue(record->rgbResult));
        if (TrueColorTerminal()) {
            fprintf(stderr, "   custom ");
            for (int i = 0; i < CUSTOM_COLOR_SLOTS; i++)
                PrintSwatch(stderr, record->lpCustColors[i], "  ");
        }
        fprintf(stderr, " > ");
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
        switch (ParsePromptReply(line, &record->rgbResult, &setting, &why)) {
        case REPLY_CONFIRM:
            return ANSWER_CONFIRM;
        case REPLY_CANCEL:
            return ANSWER_CANCEL;
        case REPLY_CHOOSE:
            return ANSWER_CHOOSE;
        case REPLY_CUSTOM:
            SetCustomColor(record->lpCustColors, setting);
            break;
        case REPLY_INVALID:
            fprintf(stderr, "  not understood: %s\n", why.c_str());
            break;
        }
    }
}

// The colour dialog: shows how it opens, takes the run's custom colours and answer, and closes.
static BOOL ConsoleColorDialog(LPCHOOSECOLORA record)
{
    printf("  dialog: opens on ");
    PrintColor(stdout, record->rgbResult);
    printf("; ");
    PrintCustomColors(record->lpCustColors);
    for (const CustomColorSetting& setting : CurrentRun->customColors)
        SetCustomColor(record->lpCustColors, setting);

    DialogAnswer answer = CurrentRun->answer;
    if (answer == ANSWER_CHOOSE)
        record->rgbResult = CurrentRun->chosen;
    else if (answer == ANSWER_ASK)
        answer = AskAnswer(record);

    if (answer == ANSWER_CANCEL) {
        printf("  dialog: Cancel\n");
        return FALSE;
    }
    if (answer == ANSWER_CONFIRM) {
        printf("  dialog: OK, colour unchanged\n");
    } else {
        printf("  dialog: OK with ");
        PrintColor(stdout, record->rgbResult);
        printf("\n");
    }
    return TRUE;
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
    bool interactive = isatty(STDIN_FILENO);
    for (size_t i = 0; i < arguments.steps.size(); i++) {
        if (arguments.steps[i].answer == ANSWER_ASK && !interactive) {
            fprintf(stderr, "huebird-console: run %lu has no answer (--confirm, --choose or --cancel), and stdin is "
                            "no terminal to ask on\n", static_cast<unsigned long>(i + 1));
            return 2;
        }
    }
    ReadTerminal();

    ConsoleEditor editors[EDITOR_WINDOW_COUNT];
    HWND windows[EDITOR_WINDOW_COUNT];
    for (int i = 0; i < EDITOR_WINDOW_COUNT; i++) {
        editors[i] = ConsoleEditor{i + 1, "", false};
        windows[i] = StandinCreateWindow(ConsoleEditorProc, &editors[i]);
    }
    StandinSetColorDialog(ConsoleColorDialog);

    for (size_t i = 0; i < arguments.steps.size(); i++) {
        const EditorStep& run = arguments.steps[i];
        ConsoleEditor& editor = editors[run.window - 1];
        editor.selection = run.selection;
        editor.entered = false;
        CurrentRun = &run;
        printf("run %lu in window %d, ", static_cast<unsigned long>(i + 1), run.window);
        if (run.selection.empty())
            printf("nothing selected\n");
        else
            printf("selection %s\n", ForTerminal(run.selection).c_str());
        OnCommand(windows[run.window - 1]);
        if (!editor.entered)
            printf("  editor: nothing entered\n");
    }

    StandinSetColorDialog(nullptr);
    for (HWND window : windows)
        StandinDestroyWindow(window);
    return 0;
}
