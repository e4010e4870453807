// The colour dialog answered as a list of actions built up front and taken one a tick, so that the dialog
// has handled each (clicks are posted) before the next.
#pragma once

#include "dialog_driver.h"

enum ColorDialogActionKind {
    CLICK_CELL,         // click custom-colour cell `cell`, which shows its colour
    PRESS_ADD,          // Add to Custom Colors: into cell `cell` the new colour, or (cell -1) a walk past
    TYPE_COLOR,         // type `color` into the red, green and blue edits
    TYPE_OPENED_COLOR,  // type the colour the dialog opened on back in
    CHECK_COLOR,        // the dialog shows `color` (custom colour `slot`)
    PRESS_OK,           // OK, once the dialog shows `color`
    PRESS_OPENED_OK,    // OK, once the dialog shows the colour it opened on
    PRESS_CANCEL,
};

struct ColorDialogAction {
    ColorDialogActionKind kind;
    int cell;
    int slot; // the custom colour (0 to 15) that the action helps to set; -1 for the answer's actions
    COLORREF color;
};

// Most actions a plan takes: sixteen custom colours, each after a walk past every other cell, and the answer.
const int MOST_COLOR_DIALOG_ACTIONS = 16 * (2 * 16 + 4) + 2;

// The plan that defines count custom colours (slots 0 to 15), types chosen if choose, then presses OK when
// ok (on chosen, or else on the colour the dialog opened on), else Cancel. Returns the actions' count.
int PlanColorDialog(const int* slots, const COLORREF* colors, int count, bool ok, bool choose, COLORREF chosen,
                    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS]);

// Takes one action on the dialog; *shown gets the colour it shows for the checks. FALSE when the dialog
// lacks what the action needs, or shows another colour than the one checked.
BOOL TakeColorDialogAction(HWND dialog, const ColorDialogAction& action, COLORREF openedOn, COLORREF* shown);
