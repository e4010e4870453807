// The terminal that huebird-console writes to: its character set and colours, and text quoted for it.
#pragma once

#include "code_pages.h"

#include <string>

// Takes the character set and colour support from the environment (LC_CTYPE, COLORTERM).
void ReadTerminal();
// Sets the character set by its name as the C library gives it ("UTF-8", "SHIFT_JIS", ...).
void SetTerminalCharset(const char* charset);

// Whether the terminal shows 24-bit colour, for the swatches at the prompt.
extern bool TrueColorTerminal;
// The code page the console hands text to the plug-in in: UTF-8, 932 for Shift_JIS, else one byte a character.
extern CharacterSize TerminalCodePage;

// Text quoted on one line, bytes beyond ASCII as \xNN; in a UTF-8 terminal valid UTF-8 as itself, bytes beside.
std::string ForTerminal(const std::string& text);
