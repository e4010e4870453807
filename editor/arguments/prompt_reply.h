// What a line typed at the console's colour-dialog prompt asks for, read as the command line reads values.
#pragma once

#include "editor/arguments/color_value.h"

#include <string>

enum PromptReply {
    REPLY_CONFIRM, // an empty line
    REPLY_CANCEL,  // "c" or "cancel"
    REPLY_CHOOSE,  // a colour, written to *color
    REPLY_CUSTOM,  // SLOT=COLOR, written to *setting
    REPLY_INVALID, // *why says what is wrong
};

PromptReply ParsePromptReply(const std::string& line, ColorValue* color, CustomColorSetting* setting,
                             std::string* why);
