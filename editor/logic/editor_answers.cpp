// The selection handed over in whole characters, and the text to enter read up to its NUL.
#include "editor_answers.h"

#include <string.h>

size_t AnswerGetSelection(const char* selection, size_t length, CharacterSize size, char* buffer, size_t capacity,
                          size_t* handedOver)
{
    size_t count = 0;
    while (buffer && count < length) {
        size_t next = count + size(selection + count, length - count);
        // A lead byte whose trail the text lacks is no whole character either.
        if (next > capacity || next > length)
            break;
        count = next;
    }
    if (count > 0)
        memcpy(buffer, selection, count);
    if (buffer && count < capacity)
        buffer[count] = '\0';
    *handedOver = count;
    return length + 1;
}

size_t InsertedTextLength(const char* text, size_t most, bool* terminated)
{
    size_t length = 0;
    while (text && length < most && text[length] != '\0')
        length++;
    *terminated = text && length < most;
    return length;
}
