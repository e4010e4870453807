// huebird-console: a stand-in editor for the terminal that runs the colour command and shows what it sees.
#include "editor/arguments/command_line.h"

#include "command/insert_color.h"
#include "host/editor.h"
#include "host/huebird.h"
#include "standin/standin.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <string>

static const char USAGE[] =
    "Usage: huebird-console [[RUN OPTION]... ANSWER]... [RUN OPTION]...\n"
    "\n"
    "A stand-in editor for the terminal. It runs Huebird's insert-colour command once per run, in one\n"
    "process, so the colour remembered from one run and the dialog's custom colours carry over to the next,\n"
    "and prints what the editor saw: the selection it was asked for, the colour the dialog opened on, and\n"
    "the text entered.\n"
    "\n"
    "Run options (before the answer that ends the run):\n"
    "  --select TEXT       the selected text, at most 8 bytes (default: nothing selected)\n"
    "  --window N          run in editor window N, 1 to 4 (default 1); all windows share one plug-in\n"
    "  --custom SLOT=COLOR define custom colour SLOT (1 to 16) in this run's dialog; may be repeated\n"
    "\n"
    "Answers (each ends a run):\n"
    "  --confirm           press OK with the colour the dialog opened on\n"
    "  --choose COLOR      choose COLOR and press OK\n"
    "  --cancel            press Cancel\n"
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

// The editor behind one stand-in window: its number, its selection, and what the command entered.
struct ConsoleEditor {
    int number;
    std::string selection;
    bool entered;
};

// The run being made, which the colour dialog answers.
static const EditorStep* CurrentRun;

// Whether the terminal shows 24-bit colour, for the swatches at the prompt.
static bool TrueColorTerminal;

// Whether the terminal's character set is UTF-8, so that UTF-8 text is shown as itself.
static bool Utf8Terminal;

// Text in double quotes on one line. In a UTF-8 terminal, text that holds valid UTF-8 beyond ASCII is shown as
// itself with its bytes beside it; otherwise such bytes are written as \xNN.
static std::string Shown(const std::string& text)
{
    std::string bytes = EscapedText(text, false);
    if (!Utf8Terminal || !IsValidUtf8(text))
        return "\"" + bytes + "\"";
    std::string characters = EscapedText(text, true);
    return "\"" + characters + "\"" + (characters == bytes ? "" : " (" + bytes + ")");
}

static void PrintColor(FILE* out, COLORREF color)
{
    fprintf(out, "#%02X%02X%02X (red %d, green %d, blue %d)", GetRValue(color), GetGValue(color), GetBValue(color),
            GetRValue(color), GetGValue(color), GetBValue(color));
}

static void PrintSwatch(FILE* out, COLORREF color, const char* blanks)
{
    if (TrueColorTerminal)
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
        if (TrueColorTerminal) {
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

// Answers the command's messages as the editor does: the selection, at most as many bytes as asked for,
// and the text to enter.
static LRESULT CALLBACK ConsoleEditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ConsoleEditor* editor = static_cast<ConsoleEditor*>(StandinWindowData(hwnd));
    if (msg == MSG_GET_SELECTION) {
        size_t count = editor->selection.size() < wParam ? editor->selection.size() : wParam;
        memcpy(reinterpret_cast<char*>(lParam), editor->selection.data(), count);
        printf("  editor: asked for the selection into %lu bytes, hands over %lu",
               static_cast<unsigned long>(wParam), static_cast<unsigned long>(count));
        if (count > 0)
            printf(": %s", Shown(editor->selection.substr(0, count)).c_str());
        printf("\n");
    } else if (msg == MSG_INSERT_TEXT) {
        const char* text = reinterpret_cast<const char*>(lParam);
        printf("  editor: enters %s\n", Shown(std::string(text, strnlen(text, MAX_SELECTION_BYTES))).c_str());
        editor->entered = true;
    } else {
        printf("  editor: message 0x%X, wParam %lu\n", msg, static_cast<unsigned long>(wParam));
    }
    return 0;
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
        fputs(USAGE, stdout);
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
    const char* colorTerm = getenv("COLORTERM");
    TrueColorTerminal = colorTerm && (strcmp(colorTerm, "truecolor") == 0 || strcmp(colorTerm, "24bit") == 0);
    // Only the character set is taken from the environment; numbers and messages stay as they are.
    setlocale(LC_CTYPE, "");
    Utf8Terminal = strcmp(nl_langinfo(CODESET), "UTF-8") == 0;

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
            printf("selection %s\n", Shown(run.selection).c_str());
        OnCommand(windows[run.window - 1]);
        if (!editor.entered)
            printf("  editor: nothing entered\n");
    }

    StandinSetColorDialog(nullptr);
    for (HWND window : windows)
        StandinDestroyWindow(window);
    return 0;
}
