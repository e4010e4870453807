// The scripted mode's player: steps played in the windows with the real dialogs, answered by the program.
#pragma once

#include "arguments.h"

// Plays the steps in the process's windows, opening windows as they are named. Returns false if one failed.
bool PlayScript(const Script& script);

struct Editor;
// Prints what the window presents of the plug-in: texts, state, and the toolbar picture in every mode.
void PrintPresentation(Editor* editor);

// Handles messages for the given time, so that windows paint and posted work gets done.
void PumpMessages(DWORD milliseconds);
