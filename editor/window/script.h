// The scripted mode's player: steps played in the windows with the real dialogs, answered by the program.
#pragma once

#include "editor/arguments/command_line.h"

#include <windows.h>

// Plays the steps in the process's windows, opening windows as they are named; screenshots go to shots
// (UTF-16, empty for none). Returns false if a step failed.
bool PlayScript(const EditorArguments& script, const std::wstring& shots);

// Handles messages for the given time, so that windows paint and posted work gets done.
void PumpMessages(DWORD milliseconds);
