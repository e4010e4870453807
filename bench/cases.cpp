// The measured operations: decoding each kind of colour text, encoding a name and a code, and a whole run
// of the command against a stand-in editor whose colour dialog answers at once.
#include "bench/cases.h"

#include "color/notation.h"
#include "host/editor.h"
#include "host/huebird.h"
#include "standin/standin.h"

#include <string.h>

namespace {

// Where each case leaves its result, so that the compiler cannot drop the work.
volatile COLORREF ColorSink;
const char* volatile TextSink;

// The stand-in editor window that the command runs in.
HWND Editor;

// 8-byte selection buffers, as the command hands them to the decoder.
const char HEX_TEXT[COLOR_TEXT_SIZE] = "#FF8000";
const char NAME_TEXT[COLOR_TEXT_SIZE] = "red";
const char LONG_NAME_TEXT[COLOR_TEXT_SIZE] = "fuchsia"; // the longest name, seventh in the table
const char NOT_FOUND_TEXT[COLOR_TEXT_SIZE] = "orange";  // compared with all sixteen names
const char MALFORMED_TEXT[COLOR_TEXT_SIZE] = "#12G456";

void Parse(const char* text)
{
    COLORREF color = 0;
    ParseColorText(text, &color);
    ColorSink = color;
}

void Format(COLORREF color)
{
    char buffer[COLOR_TEXT_SIZE];
    ColorTextForm form;
    TextSink = FormatColorText(color, buffer, &form);
}

// The editor's side of the command: a selection that names no colour, and text entered into nothing.
LRESULT CALLBACK EditorProc(HWND, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == MSG_GET_SELECTION)
        memcpy(reinterpret_cast<char*>(lParam), "hello", 6);
    return 0;
}

// A colour dialog that the user answers at once with a colour that has no name.
BOOL InstantDialog(LPCHOOSECOLORA record)
{
    record->rgbResult = 0x563412;
    return TRUE;
}

} // namespace

const CostCase CostCases[] = {
    {"ParseColorText/hex", [] { Parse(HEX_TEXT); }},
    {"ParseColorText/name", [] { Parse(NAME_TEXT); }},
    {"ParseColorText/long_name", [] { Parse(LONG_NAME_TEXT); }},
    {"ParseColorText/not_found", [] { Parse(NOT_FOUND_TEXT); }},
    {"ParseColorText/malformed_hex", [] { Parse(MALFORMED_TEXT); }},
    {"FormatColorText/name", [] { Format(0x0000FF); }},
    {"FormatColorText/code", [] { Format(0x563412); }},
    {"OnCommand/instant_dialog", [] { OnCommand(Editor); }},
};

const int COST_CASE_COUNT = sizeof CostCases / sizeof CostCases[0];

void SetUpCostCases()
{
    Editor = StandinCreateWindow(EditorProc, nullptr);
    StandinSetColorDialog(InstantDialog);
}
