// The colour dialog's actions, planned from the custom colours and the answer, and taken one at a time.
#include "color_dialog_plan.h"

// The cell (0 to 15) that Add to Custom Colors fills on its adds-th press since the dialog opened: column by
// column (0, 8, 1, 9, ...), whatever cell was clicked.
static int CellOfAdd(int adds)
{
    int position = adds % 16;
    return position % 2 * 8 + position / 2;
}

// Clicks custom-colour cell slot (0 to 15, eight a row), which makes its colour the dialog's; FALSE if none.
static BOOL ClickCustomColorCell(HWND dialog, int slot)
{
    HWND area = GetDlgItem(dialog, COLOR_CUSTOM1);
    if (!area || slot < 0 || slot >= 16)
        return FALSE;
    // The dialog takes clicks on the area itself, in its own client coordinates: the middle of the cell.
    RECT rect;
    GetWindowRect(area, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    int x = rect.left + (rect.right - rect.left) * (2 * (slot % 8) + 1) / 16;
    int y = rect.top + (rect.bottom - rect.top) * (2 * (slot / 8) + 1) / 4;
    return PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)) &&
           PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int PlanColorDialog(const int* slots, const COLORREF* colors, int count, bool ok, bool choose, COLORREF chosen,
                    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS])
{
    int n = 0, adds = 0;
    for (int i = 0; i < count && i < 16; i++) {
        // Add fills the cells in its own order, so each one before the wanted cell is added again, unchanged.
        for (int walked = 0; walked < 16 && CellOfAdd(adds) != slots[i]; walked++, adds++) {
            plan[n++] = {CLICK_CELL, CellOfAdd(adds), slots[i], 0};
            plan[n++] = {PRESS_ADD, -1, slots[i], 0};
        }
        plan[n++] = {CLICK_CELL, slots[i], slots[i], 0};
        plan[n++] = {TYPE_COLOR, -1, slots[i], colors[i]};
        plan[n++] = {PRESS_ADD, slots[i], slots[i], colors[i]};
        adds++;
        // A second click reads the cell back.
        plan[n++] = {CLICK_CELL, slots[i], slots[i], 0};
        plan[n++] = {CHECK_COLOR, -1, slots[i], colors[i]};
    }
    if (choose)
        plan[n++] = {TYPE_COLOR, -1, -1, chosen};
    else if (ok && count > 0)
        plan[n++] = {TYPE_OPENED_COLOR, -1, -1, 0}; // back from the last custom colour
    if (!ok)
        plan[n++] = {PRESS_CANCEL, -1, -1, 0};
    else if (choose)
        plan[n++] = {PRESS_OK, -1, -1, chosen};
    else
        plan[n++] = {PRESS_OPENED_OK, -1, -1, 0};
    return n;
}

BOOL TakeColorDialogAction(HWND dialog, const ColorDialogAction& action, COLORREF openedOn, COLORREF* shown)
{
    switch (action.kind) {
    case CLICK_CELL: return ClickCustomColorCell(dialog, action.cell);
    case PRESS_ADD: return PressDialogButton(dialog, COLOR_ADD);
    case TYPE_COLOR: return SetColorDialogRgb(dialog, action.color);
    case TYPE_OPENED_COLOR: return SetColorDialogRgb(dialog, openedOn);
    case PRESS_CANCEL: return PressDialogButton(dialog, IDCANCEL);
    default: break;
    }
    COLORREF wanted = action.kind == PRESS_OPENED_OK ? openedOn : action.color;
    *shown = 0;
    BOOL right = ReadColorDialogRgb(dialog, shown) && *shown == wanted;
    if (action.kind != CHECK_COLOR)
        PressDialogButton(dialog, IDOK);
    return right;
}
