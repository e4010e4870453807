// The console prompt's replies: Enter, c or cancel, a colour, or a custom colour.
#include "editor/arguments/prompt_reply.h"

PromptReply ParsePromptReply(const std::string& line, ColorValue* color, CustomColorSetting* setting,
                             std::string* why)
{
    // The line's ending taken off (a line of only \r and \n is empty), then the blanks around.
    std::string reply = Trimmed(line.substr(0, line.find_last_not_of("\r\n") + 1));
    if (reply.empty())
        return REPLY_CONFIRM;
    std::string lower = LowerCase(reply);
    if (lower == "c" || lower == "cancel")
        return REPLY_CANCEL;
    if (reply.find('=') != std::string::npos) {
        *why = ParseCustomValue(reply, setting);
        return why->empty() ? REPLY_CUSTOM : REPLY_INVALID;
    }
    *why = ParseColorValue(reply, color);
    return why->empty() ? REPLY_CHOOSE : REPLY_INVALID;
}
