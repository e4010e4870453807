// Tests of the insert-colour command through the stand-in platform: the editor's messages and the dialog.
#include "command/insert_color.h"

#include "color/notation.h"
#include "host/editor.h"
#include "host/huebird.h"
#include "hex_text.h"
#include "standin/standin.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

// One thing the command did, in the order it happened.
struct Event {
    enum Kind { GET_SELECTION, DIALOG, INSERT_TEXT, OTHER_MESSAGE } kind;
    HWND hwnd;     // the window messaged, or the dialog's owner
    UINT message;  // for OTHER_MESSAGE
    WPARAM wParam; // for messages
    // GET_SELECTION: the 8 buffer bytes as they arrived; INSERT_TEXT: the text up to its NUL.
    std::string bytes;
    bool terminated;       // INSERT_TEXT: a NUL within the first eight bytes
    LPARAM lParam;         // INSERT_TEXT: the text's address
    COLORREF preset;       // DIALOG: rgbResult as the dialog opened
    COLORREF custom[CUSTOM_COLOR_COUNT]; // DIALOG: the custom colours as the dialog opened
};

// What the dialog does when it opens.
struct Answer {
    enum Kind { CONFIRM, CHOOSE, CANCEL } kind;
    COLORREF color;  // CHOOSE: the colour chosen
    int customSlot;  // the custom-colour slot the user defines, or -1
    COLORREF customColor;
};

const Answer CONFIRM = {Answer::CONFIRM, 0, -1, 0};
const Answer CANCEL = {Answer::CANCEL, 0, -1, 0};

// The user picks color in the dialog, then cancels.
Answer CancelAfterPicking(COLORREF color)
{
    return {Answer::CANCEL, color, -1, 0};
}

Answer Choose(COLORREF color)
{
    return {Answer::CHOOSE, color, -1, 0};
}

Answer WithCustomColor(Answer answer, int slot, COLORREF color)
{
    answer.customSlot = slot;
    answer.customColor = color;
    return answer;
}

// Everything the command did during the current test.
std::vector<Event> Events;

// The selected text of each stand-in editor window, handed over by its window procedure.
struct EditorWindow {
    std::string selection;
};

// How the dialog answers the next run.
Answer NextAnswer = CONFIRM;

// Answers as the editor does: get-selection writes at most wParam bytes of the selection, no more and no
// NUL beyond them; insert-text only reads the text.
LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Event event = {};
    event.hwnd = hwnd;
    event.message = msg;
    event.wParam = wParam;
    event.lParam = lParam;
    char* buffer = reinterpret_cast<char*>(lParam);
    if (msg == MSG_GET_SELECTION) {
        event.kind = Event::GET_SELECTION;
        if (wParam == COLOR_TEXT_SIZE)
            event.bytes.assign(buffer, COLOR_TEXT_SIZE);
        const std::string& selection = static_cast<EditorWindow*>(StandinWindowData(hwnd))->selection;
        memcpy(buffer, selection.data(), selection.size() < wParam ? selection.size() : wParam);
    } else if (msg == MSG_INSERT_TEXT) {
        event.kind = Event::INSERT_TEXT;
        size_t length = strnlen(buffer, COLOR_TEXT_SIZE);
        event.bytes.assign(buffer, length);
        event.terminated = length < static_cast<size_t>(COLOR_TEXT_SIZE);
    } else {
        event.kind = Event::OTHER_MESSAGE;
    }
    Events.push_back(event);
    return 0;
}

// The colour dialog: checks the record as the command fills it, then answers with NextAnswer.
BOOL ColorDialog(LPCHOOSECOLORA record)
{
    EXPECT_EQ(sizeof(CHOOSECOLORA), record->lStructSize);
    EXPECT_EQ(nullptr, record->hInstance);
    EXPECT_EQ(CustomColors, record->lpCustColors) << "the dialog must be handed CustomColors itself";
    EXPECT_EQ(0x103u, record->Flags) << "CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR";
    EXPECT_EQ(0, record->lCustData);
    EXPECT_EQ(nullptr, record->lpfnHook);
    EXPECT_EQ(nullptr, record->lpTemplateName);

    Event event = {};
    event.kind = Event::DIALOG;
    event.hwnd = record->hwndOwner;
    event.preset = record->rgbResult;
    memcpy(event.custom, record->lpCustColors, sizeof event.custom);
    Events.push_back(event);

    // Scribbled over, as stack garbage would be: the next run must fill its record afresh.
    record->hInstance = reinterpret_cast<HWND>(record);
    record->lCustData = 0x5A5A;
    if (NextAnswer.customSlot >= 0)
        record->lpCustColors[NextAnswer.customSlot] = NextAnswer.customColor;
    if (NextAnswer.kind != Answer::CONFIRM)
        record->rgbResult = NextAnswer.color;
    return NextAnswer.kind == Answer::CANCEL ? FALSE : TRUE;
}

// What one run of the command showed: the dialog's preset and custom colours, and the text entered.
struct Outcome {
    bool wellFormed; // one get-selection, then the dialog, then at most one insert-text
    COLORREF preset;
    COLORREF custom[CUSTOM_COLOR_COUNT];
    bool inserted;
    std::string text;
    LPARAM textAddress;
};

class InsertColorCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As at load.
        LastHexColor = 0;
        memset(CustomColors, 0, sizeof CustomColors);
        Events.clear();
        window = StandinCreateWindow(EditorProc, &editor);
        otherWindow = StandinCreateWindow(EditorProc, &otherEditor);
        ASSERT_NE(nullptr, window);
        ASSERT_NE(nullptr, otherWindow);
        StandinSetColorDialog(ColorDialog);
    }

    void TearDown() override
    {
        StandinSetColorDialog(nullptr);
        StandinDestroyWindow(window);
        StandinDestroyWindow(otherWindow);
    }

    // Runs the command in hwnd with selection selected and the dialog answering answer, and checks the
    // messages and the dialog came in the one order the command allows.
    Outcome RunCommand(HWND hwnd, const std::string& selection, Answer answer)
    {
        static_cast<EditorWindow*>(StandinWindowData(hwnd))->selection = selection;
        NextAnswer = answer;
        Events.clear();
        OnCommand(hwnd);

        Outcome run = {};
        size_t expected = answer.kind == Answer::CANCEL ? 2 : 3;
        EXPECT_EQ(expected, Events.size()) << "get-selection, dialog" << (expected == 3 ? ", insert-text" : "");
        run.wellFormed = Events.size() == expected;
        for (size_t i = 0; i < Events.size(); i++) {
            const Event& event = Events[i];
            EXPECT_EQ(hwnd, event.hwnd) << "event " << i << " for the window that ran the command";
            if (i == 0) {
                EXPECT_EQ(Event::GET_SELECTION, event.kind) << "the first message asks for the selection";
                EXPECT_EQ(static_cast<WPARAM>(COLOR_TEXT_SIZE), event.wParam) << "get-selection buffer size";
                EXPECT_EQ(std::string(COLOR_TEXT_SIZE, '\0'), event.bytes) << "buffer zero-filled on arrival";
                run.wellFormed = run.wellFormed && event.kind == Event::GET_SELECTION;
            } else if (i == 1) {
                EXPECT_EQ(Event::DIALOG, event.kind) << "the dialog opens after get-selection";
                run.wellFormed = run.wellFormed && event.kind == Event::DIALOG;
                run.preset = event.preset;
                memcpy(run.custom, event.custom, sizeof run.custom);
            } else {
                EXPECT_EQ(Event::INSERT_TEXT, event.kind) << "insert-text, after the dialog, is the last message";
                EXPECT_EQ(0u, event.wParam) << "insert-text wParam";
                EXPECT_TRUE(event.terminated) << "inserted text NUL-terminated within 8 bytes";
                run.wellFormed = run.wellFormed && event.kind == Event::INSERT_TEXT;
                run.inserted = true;
                run.text = event.bytes;
                run.textAddress = event.lParam;
            }
        }
        return run;
    }

    Outcome RunCommand(const std::string& selection, Answer answer) { return RunCommand(window, selection, answer); }

    EditorWindow editor;
    EditorWindow otherEditor;
    HWND window = nullptr;
    HWND otherWindow = nullptr;
};

} // namespace

TEST_F(InsertColorCommand, FirstRunWithNothingSelectedOpensOnBlackWithBlackCustomColours)
{
    Outcome run = RunCommand("", CONFIRM);
    ASSERT_TRUE(run.wellFormed);
    EXPECT_EQ(Hex(0), Hex(run.preset));
    for (int i = 0; i < CUSTOM_COLOR_COUNT; i++)
        EXPECT_EQ(Hex(0), Hex(run.custom[i])) << "custom colour " << i;
    EXPECT_EQ("black", run.text);
}

TEST_F(InsertColorCommand, ANameConfirmedIsEnteredAsTheNameItselfAndNotRemembered)
{
    LastHexColor = RGB(1, 2, 3);
    Outcome run = RunCommand("navy", CONFIRM);
    ASSERT_TRUE(run.wellFormed);
    EXPECT_EQ(Hex(RGB(0, 0, 128)), Hex(run.preset));
    EXPECT_EQ("navy", run.text);
    bool tableName = false;
    for (const NamedColor& entry : NamedColors)
        tableName = tableName || reinterpret_cast<LPARAM>(entry.name) == run.textAddress;
    EXPECT_TRUE(tableName) << "the table's own name, not a copy";
    EXPECT_EQ(Hex(RGB(1, 2, 3)), Hex(LastHexColor)) << "a name leaves LastHexColor alone";
}

TEST_F(InsertColorCommand, ACodeOfANamedColourConfirmedIsEnteredAsTheName)
{
    Outcome run = RunCommand("#00FF00", CONFIRM);
    ASSERT_TRUE(run.wellFormed);
    EXPECT_EQ(Hex(RGB(0, 255, 0)), Hex(run.preset));
    EXPECT_EQ("lime", run.text) << "the name, not the code";
    EXPECT_EQ(Hex(0), Hex(LastHexColor));
}

TEST_F(InsertColorCommand, AChosenColourIsEnteredAsACodeAndPresetsTheNextRun)
{
    Outcome run = RunCommand("hello", Choose(RGB(18, 52, 86)));
    ASSERT_TRUE(run.wellFormed);
    EXPECT_EQ(Hex(0), Hex(run.preset)) << "'hello' names no colour: the dialog opens on LastHexColor";
    EXPECT_EQ("#123456", run.text);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(LastHexColor));

    Outcome next = RunCommand("", CANCEL);
    ASSERT_TRUE(next.wellFormed);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(next.preset)) << "nothing selected: opens on the last code entered";
}

TEST_F(InsertColorCommand, ChoosingANamedColourKeepsThePreviousCodeAsTheFallback)
{
    RunCommand("", Choose(RGB(18, 52, 86)));
    Outcome red = RunCommand("#123456", Choose(RGB(255, 0, 0)));
    ASSERT_TRUE(red.wellFormed);
    EXPECT_EQ("red", red.text);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(LastHexColor));

    Outcome next = RunCommand("nothing", CONFIRM);
    ASSERT_TRUE(next.wellFormed);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(next.preset)) << "opens on the previous code, not on red";
    EXPECT_EQ("#123456", next.text);
}

TEST_F(InsertColorCommand, ADialogThatGivesNoColourEntersNothingAndKeepsTheFallback)
{
    // Cancelled after a colour was picked, cancelled at once, or a dialog that could not open at all.
    const struct {
        const char* what;
        const char* selection;
        bool opens;
        Answer answer;
    } cases[] = {
        {"cancelled after picking", "#ABCDEF", true, CancelAfterPicking(RGB(1, 1, 1))},
        {"cancelled", "", true, CANCEL},
        {"failed", "red", false, CANCEL},
    };
    for (const auto& c : cases) {
        LastHexColor = RGB(9, 8, 7);
        StandinSetColorDialog(c.opens ? ColorDialog : nullptr);
        editor.selection = c.selection;
        NextAnswer = c.answer;
        Events.clear();
        OnCommand(window);
        ASSERT_EQ(c.opens ? 2u : 1u, Events.size()) << c.what << ": get-selection" << (c.opens ? ", dialog" : "");
        EXPECT_EQ(Event::GET_SELECTION, Events[0].kind) << c.what;
        if (c.opens) {
            EXPECT_EQ(Event::DIALOG, Events[1].kind) << c.what << ": no insert-text after the dialog";
        }
        EXPECT_EQ(Hex(RGB(9, 8, 7)), Hex(LastHexColor)) << c.what;
    }
}

TEST_F(InsertColorCommand, CustomColoursCarryOverToRunsFromAnotherWindow)
{
    Outcome first = RunCommand(window, "", WithCustomColor(CONFIRM, 3, RGB(255, 136, 0)));
    ASSERT_TRUE(first.wellFormed);
    EXPECT_EQ(Hex(RGB(255, 136, 0)), Hex(CustomColors[3]));

    // Kept even from a cancelled dialog: the dialog updates the array in place.
    Outcome second = RunCommand(otherWindow, "", WithCustomColor(CANCEL, 15, RGB(1, 2, 3)));
    ASSERT_TRUE(second.wellFormed);
    EXPECT_EQ(Hex(RGB(255, 136, 0)), Hex(second.custom[3])) << "slot 3 offered in the other window";

    Outcome third = RunCommand(window, "", CONFIRM);
    ASSERT_TRUE(third.wellFormed);
    for (int i = 0; i < CUSTOM_COLOR_COUNT; i++) {
        COLORREF expected = i == 3 ? RGB(255, 136, 0) : i == 15 ? RGB(1, 2, 3) : 0;
        EXPECT_EQ(Hex(expected), Hex(third.custom[i])) << "custom colour " << i;
    }
}

TEST_F(InsertColorCommand, RemembersTheLastCodeAcrossWindows)
{
    RunCommand(window, "", Choose(RGB(18, 52, 86)));
    Outcome other = RunCommand(otherWindow, "", CONFIRM);
    ASSERT_TRUE(other.wellFormed);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(other.preset));
    EXPECT_EQ("#123456", other.text);
}

TEST_F(InsertColorCommand, PresetsFromTheSelectionTheEditorHandsOverAndSaysWhetherItNamesAColour)
{
    // The editor hands over at most 8 bytes, without a NUL when the selection is longer; what it does not
    // write must read as the end of the text, also after a longer selection in the previous run.
    // ColorFromSelection gives TRUE with the selection's colour, FALSE with LastHexColor: "#123456" is the
    // fallback's colour but named by the selection, so only the BOOL tells the two apart.
    LastHexColor = RGB(18, 52, 86);
    const COLORREF fallback = LastHexColor;
    const struct {
        const char* selection;
        BOOL named;
        COLORREF color;
    } cases[] = {
        {"#1234567890", TRUE, RGB(0x12, 0x34, 0x56)}, {"redwoods and more", TRUE, RGB(255, 0, 0)},
        {"fuchsia!", TRUE, RGB(255, 0, 255)},         {"Red", TRUE, RGB(255, 0, 0)},
        {"", FALSE, fallback},                        {"#12G456", FALSE, fallback},
        {"#00ff00", TRUE, RGB(0, 255, 0)},            {"grey", FALSE, fallback},
        {"\x90\xD4", FALSE, fallback},                {"aqua", TRUE, RGB(0, 255, 255)},
        {"#", FALSE, fallback},                       {"navy", TRUE, RGB(0, 0, 128)},
        {"#123456", TRUE, RGB(18, 52, 86)},           {"black", TRUE, RGB(0, 0, 0)},
        {"#ABCDEF and more", TRUE, RGB(0xAB, 0xCD, 0xEF)}, {"hello", FALSE, fallback},
    };
    for (const auto& c : cases) {
        editor.selection = c.selection;
        Events.clear();
        COLORREF color = 0xA5A5A5A5; // what the caller's variable held before
        BOOL named = ColorFromSelection(window, &color);
        EXPECT_EQ(c.named, named) << "selection '" << c.selection << "'";
        EXPECT_EQ(Hex(c.color), Hex(color)) << "colour written for selection '" << c.selection << "'";
        ASSERT_EQ(1u, Events.size()) << "one get-selection, for selection '" << c.selection << "'";
        EXPECT_EQ(Event::GET_SELECTION, Events[0].kind);

        Outcome run = RunCommand(c.selection, CANCEL);
        EXPECT_TRUE(run.wellFormed) << "selection '" << c.selection << "'";
        EXPECT_EQ(Hex(c.color), Hex(run.preset)) << "preset for selection '" << c.selection << "'";
    }
    EXPECT_EQ(Hex(fallback), Hex(LastHexColor)) << "reading the selection changes no fallback";
}

TEST_F(InsertColorCommand, FillsTheDialogRecordAfreshOnEveryRun)
{
    // ColorDialog checks the record each time after scribbling over the previous one.
    for (int i = 0; i < 3; i++) {
        Outcome run = RunCommand(i % 2 ? window : otherWindow, "#010203", Choose(RGB(i, i, i)));
        EXPECT_TRUE(run.wellFormed) << "run " << i;
        EXPECT_EQ(Hex(RGB(1, 2, 3)), Hex(run.preset)) << "run " << i;
    }
}
