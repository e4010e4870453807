// The insert-colour command: preset the colour dialog from the selection, enter the chosen colour as text.
#pragma once

#include "host/win32.h"

// Custom-colour slots of the colour dialog.
const int CUSTOM_COLOR_COUNT = 16;

extern COLORREF LastHexColor;
extern COLORREF CustomColors[CUSTOM_COLOR_COUNT];

// Writes the colour that the selected text names, or LastHexColor; returns TRUE only for the former.
BOOL ColorFromSelection(HWND hwnd, COLORREF* color);

// Enters color into the editor as a colour name or a #RRGGBB code.
void InsertColorText(COLORREF color, HWND hwnd);
