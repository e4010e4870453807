// Stand-in for the Windows calls that the plug-in uses: windows that forward messages, and a colour dialog.
#include "standin/standin.h"

// Most windows that may exist at once; a test or stand-in editor needs only a few.
static const int MAX_WINDOWS = 16;

struct StandinWindow {
    WNDPROC proc; // null for a free slot
    void* data;
};

// Every window's procedure and data; an HWND is the address of its slot.
static StandinWindow Windows[MAX_WINDOWS];

// What answers ChooseColorA.
static StandinColorDialog ColorDialog;

static StandinWindow* WindowFromHandle(HWND hwnd)
{
    for (StandinWindow& window : Windows) {
        if (reinterpret_cast<HWND>(&window) == hwnd && window.proc)
            return &window;
    }
    return nullptr;
}

HWND StandinCreateWindow(WNDPROC proc, void* data)
{
    for (StandinWindow& window : Windows) {
        if (!window.proc) {
            window.proc = proc;
            window.data = data;
            return reinterpret_cast<HWND>(&window);
        }
    }
    return nullptr;
}

void StandinDestroyWindow(HWND hwnd)
{
    if (StandinWindow* window = WindowFromHandle(hwnd))
        *window = StandinWindow();
}

void* StandinWindowData(HWND hwnd)
{
    StandinWindow* window = WindowFromHandle(hwnd);
    return window ? window->data : nullptr;
}

void StandinSetColorDialog(StandinColorDialog dialog)
{
    ColorDialog = dialog;
}

// As on Windows, a message to a window that does not exist answers 0.
LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    StandinWindow* window = WindowFromHandle(hwnd);
    return window ? window->proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record)
{
    if (!ColorDialog || record->lStructSize != sizeof(CHOOSECOLORA))
        return FALSE;
    return ColorDialog(record) ? TRUE : FALSE;
}
