// The scripted --present step: what a window presents of the plug-in, printed.
#pragma once

#include "frame.h"

// Prints the plug-in's answers, the menu items, status text, tooltip and button, and the toolbar picture
// in every mode of the View menu; the window keeps the mode it had.
void PrintPresentation(Editor* editor);
