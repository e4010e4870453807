// The editor's answers to the plug-in's text messages in the ANSI code page, one implementation for every
// stand-in: plain buffers and the C runtime only, so that any program of the editor side can link it.
#pragma once

#include "code_pages.h"

// MSG_GET_SELECTION: as many whole characters as capacity holds into buffer (if any), then a NUL if there is
// room; *handedOver gets the bytes copied. Returns the size a whole copy needs, NUL included.
size_t AnswerGetSelection(const char* selection, size_t length, CharacterSize size, char* buffer, size_t capacity,
                          size_t* handedOver);

// MSG_INSERT_TEXT: the text's length, reading at most most bytes; *terminated says whether its NUL was among
// them (never for a null text).
size_t InsertedTextLength(const char* text, size_t most, bool* terminated);
