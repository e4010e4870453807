// The stand-in platform's seam: what a test or a stand-in editor puts behind windows and the colour dialog.
#pragma once

#include "standin/windows.h"

// Creates a window whose messages go to proc; data is kept for StandinWindowData. Returns null when the
// stand-in's windows are used up.
HWND StandinCreateWindow(WNDPROC proc, void* data);
void StandinDestroyWindow(HWND hwnd);
void* StandinWindowData(HWND hwnd);

// The colour dialog behind ChooseColorA: it receives the record and returns non-zero to confirm the colour
// in rgbResult, zero to cancel. With none set, ChooseColorA fails and returns zero.
typedef BOOL (*StandinColorDialog)(LPCHOOSECOLORA record);
void StandinSetColorDialog(StandinColorDialog dialog);
