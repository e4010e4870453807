// The editor's answers to the plug-in's text messages in the ANSI code page, one implementation for every
// stand-in: plain buffers and the C runtime only, so that any program of the editor side can link it.
#pragma once

#include "code_pages.h"

// MSG_GET_SELECTION: copies into buffer (none when it is null) as many whole characters of the selection's
// length bytes as capacity holds, then a NUL if there is room. Returns the size a whole copy needs, NUL
// included; *handedOver gets the bytes copied.
size_t AnswerGetSelection(const char* selection, size_t length, CharacterSize size, char* buffer, size_t capacity,
                          size_t* handedOver);

// MSG_INSERT_TEXT: the text's length up to its NUL, reading at most most bytes; *terminated says whether the
// NUL came within them. A null text is empty and unterminated.
size_t InsertedTextLength(const char* text, size_t most, bool* terminated);
