// The insert-colour command: preset the colour dialog from the selection, enter the chosen colour as text.
#include "command/insert_color.h"

#include "color/notation.h"
#include "host/editor.h"
#include "host/huebird.h"

// The last colour entered as a #RRGGBB code; the dialog opens on it when the selection names no colour.
COLORREF LastHexColor;

// The colour dialog's custom colours, which it updates in place and so keeps from one run to the next.
COLORREF CustomColors[CUSTOM_COLOR_COUNT];

BOOL ColorFromSelection(HWND hwnd, COLORREF* color)
{
    // Zero-filled, so whatever the editor does not write reads as the end of the text.
    char selection[COLOR_TEXT_SIZE] = {};
    SendMessageA(hwnd, MSG_GET_SELECTION, COLOR_TEXT_SIZE, reinterpret_cast<LPARAM>(selection));
    if (ParseColorText(selection, color))
        return TRUE;
    *color = LastHexColor;
    return FALSE;
}

void InsertColorText(COLORREF color, HWND hwnd)
{
    char buffer[COLOR_TEXT_SIZE];
    ColorTextForm form;
    LPCSTR text = FormatColorText(color, buffer, &form);
    // A name is not remembered: the fallback preset is the last colour that had to be entered as a code.
    if (form == COLOR_TEXT_HEX)
        LastHexColor = color;
    SendMessageA(hwnd, MSG_INSERT_TEXT, 0, reinterpret_cast<LPARAM>(text));
}

void WINAPI OnCommand(HWND hwnd)
{
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = static_cast<DWORD>(sizeof dialog);
    dialog.hwndOwner = hwnd;
    dialog.lpCustColors = CustomColors;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    // Always preset: to the selection's colour when it names one, else to LastHexColor.
    ColorFromSelection(hwnd, &dialog.rgbResult);
    if (ChooseColorA(&dialog))
        InsertColorText(dialog.rgbResult, hwnd);
}
