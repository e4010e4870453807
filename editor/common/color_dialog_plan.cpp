// The colour dialog's actions, planned from the custom colours and the answer, and taken one at a time.
#include "color_dialog_plan.h"

#include "dialog_driver.h"

#include <colordlg.h>

namespace {

int Add(ColorDialogAction* plan, int count, ColorDialogActionKind kind, int cell, int slot, COLORREF color)
{
    ColorDialogAction action = {kind, cell, slot, color};
    plan[count] = action;
    return count + 1;
}

} // namespace

int PlanColorDialog(const int* slots, const COLORREF* colors, int count, bool ok, bool choose, COLORREF chosen,
                    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS])
{
    int actions = 0, adds = 0;
    for (int i = 0; i < count && i < 16; i++) {
        for (int walked = 0; walked < 16 && CustomColorCellOfAdd(adds) != slots[i]; walked++, adds++) {
            actions = Add(plan, actions, CLICK_CELL, CustomColorCellOfAdd(adds), slots[i], 0);
            actions = Add(plan, actions, PRESS_ADD, -1, slots[i], 0);
        }
        actions = Add(plan, actions, CLICK_CELL, slots[i], slots[i], 0);
        actions = Add(plan, actions, TYPE_COLOR, -1, slots[i], colors[i]);
        actions = Add(plan, actions, PRESS_ADD, slots[i], slots[i], colors[i]);
        adds++;
        // A second click reads the cell back.
        actions = Add(plan, actions, CLICK_CELL, slots[i], slots[i], 0);
        actions = Add(plan, actions, CHECK_COLOR, -1, slots[i], colors[i]);
    }
    if (choose)
        actions = Add(plan, actions, TYPE_COLOR, -1, -1, chosen);
    if (!ok)
        return Add(plan, actions, PRESS_CANCEL, -1, -1, 0);
    if (!choose && count > 0)
        actions = Add(plan, actions, TYPE_OPENED_COLOR, -1, -1, 0); // back from the last custom colour
    return choose ? Add(plan, actions, PRESS_OK, -1, -1, chosen) : Add(plan, actions, PRESS_OPENED_OK, -1, -1, 0);
}

BOOL TakeColorDialogAction(HWND dialog, const ColorDialogAction& action, COLORREF openedOn, COLORREF* shown)
{
    COLORREF wanted = action.kind == PRESS_OPENED_OK ? openedOn : action.color;
    switch (action.kind) {
    case CLICK_CELL: return ClickCustomColorCell(dialog, action.cell);
    case PRESS_ADD: return PressDialogButton(dialog, COLOR_ADD);
    case TYPE_COLOR: return SetColorDialogRgb(dialog, action.color);
    case TYPE_OPENED_COLOR: return SetColorDialogRgb(dialog, openedOn);
    case PRESS_CANCEL: return PressDialogButton(dialog, IDCANCEL);
    default: break;
    }
    *shown = 0;
    BOOL right = ReadColorDialogRgb(dialog, shown) && *shown == wanted;
    if (action.kind != CHECK_COLOR)
        PressDialogButton(dialog, IDOK);
    return right;
}
