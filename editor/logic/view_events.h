// The editor's event bookkeeping: which OnEvents calls a change of the view makes, and the events' names.
#pragma once

#include "plugin_abi.h"

// What the editor keeps of a view between two looks at it.
struct ViewState {
    unsigned long textVersion = 0; // counts the alterations of the text
    bool modified = false;         // altered since opened or last saved
    unsigned long selectionStart = 0, selectionEnd = 0; // the caret stands at the end
};

// Most events one change makes.
const int MOST_VIEW_EVENTS = 4;

// The events of the change from before to after, one bit a call, in the editor's order; returns their count.
// Moving an empty selection only moves the caret.
int ViewEvents(const ViewState& before, const ViewState& after, UINT events[MOST_VIEW_EVENTS]);

// The event's name in the transcript ("text altered"); "unknown event" for a bit the editor never sends.
const char* EventName(UINT event);
