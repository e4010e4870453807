// The console prompt's replies: Enter, c or cancel, a colour, or a custom colour.
#include "editor/arguments/prompt_reply.h"

PromptReply ParsePromptReply(const std::string& line, ColorValue* color, CustomColorSetting* setting,
                             std::string* why)
{
    std::string reply = line;
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r'))
        reply.pop_back();
    reply = Trimmed(reply);
    if (reply.empty())
        return REPLY_CONFIRM;
    std::string lower;
    for (char ch : reply)
        lower += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    if (lower == "c" || lower == "cancel")
        return REPLY_CANCEL;
    if (reply.find('=') != std::string::npos) {
        *why = ParseCustomValue(reply, setting);
        return why->empty() ? REPLY_CUSTOM : REPLY_INVALID;
    }
    *why = ParseColorValue(reply, color);
    return why->empty() ? REPLY_CHOOSE : REPLY_INVALID;
}
