// The terminal that huebird-console writes to: its character set and colours, and text quoted for it.
#pragma once

#include "code_pages.h"

#include <string>

// Takes the character set and colour support from the environment (LC_CTYPE, COLORTERM).
void ReadTerminal();
// Sets the character set by its name as the C library gives it ("UTF-8", "SHIFT_JIS", ...).
void SetTerminalCharset(const char* charset);

// Whether the terminal shows 24-bit colour, for the swatches at the prompt.
bool TrueColorTerminal();
// The code page of the terminal's character set, in which the console hands text to the plug-in: UTF-8,
// code page 932 for Shift_JIS, else one byte a character.
CharacterSize TerminalCodePage();

// Text in double quotes on one line. In a UTF-8 terminal, text that holds valid UTF-8 beyond ASCII is shown
// as itself with its bytes beside it; otherwise such bytes are written as \xNN.
std::string ForTerminal(const std::string& text);
