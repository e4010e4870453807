// Event bookkeeping of the view: the events of a change, and their names.
#include "view_events.h"

int ViewEvents(const ViewState& before, const ViewState& after, UINT events[MOST_VIEW_EVENTS])
{
    int count = 0;
    if (after.textVersion != before.textVersion)
        events[count++] = EVENT_TEXT_ALTERED;
    if (after.modified != before.modified)
        events[count++] = EVENT_MODIFIED_CHANGED;
    bool rangeMoved = after.selectionStart != before.selectionStart || after.selectionEnd != before.selectionEnd;
    bool anySelected = before.selectionStart != before.selectionEnd || after.selectionStart != after.selectionEnd;
    if (rangeMoved && anySelected)
        events[count++] = EVENT_SELECTION_CHANGED;
    if (after.selectionEnd != before.selectionEnd)
        events[count++] = EVENT_CARET_MOVED;
    return count;
}

const char* EventName(UINT event)
{
    switch (event) {
    case EVENT_SELECTION_CHANGED: return "selection changed";
    case EVENT_CARET_MOVED: return "caret moved";
    case EVENT_MODIFIED_CHANGED: return "modified state changed";
    case EVENT_TEXT_ALTERED: return "text altered";
    case EVENT_FIRST: return "plug-in loaded";
    case EVENT_CLOSE: return "plug-in may be freed";
    case EVENT_FOCUS_LOST: return "focus lost";
    case EVENT_FOCUS_GAINED: return "focus gained";
    case EVENT_WINDOW_OPENED: return "window opened";
    case EVENT_WINDOW_CLOSING: return "window closing";
    default: return "unknown event";
    }
}
