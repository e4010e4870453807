// The terminal's character set and colours, read once from the environment.
#include "terminal.h"

#include "editor/arguments/escaping.h"

#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <string.h>

bool TrueColorTerminal;
CharacterSize TerminalCodePage = SingleByteCharacterSize;

void ReadTerminal()
{
    const char* colorTerm = getenv("COLORTERM");
    TrueColorTerminal = colorTerm && (strcmp(colorTerm, "truecolor") == 0 || strcmp(colorTerm, "24bit") == 0);
    // Only the character set is taken from the environment; numbers and messages stay as they are.
    setlocale(LC_CTYPE, "");
    SetTerminalCharset(nl_langinfo(CODESET));
}

void SetTerminalCharset(const char* charset)
{
    bool utf8 = strcmp(charset, "UTF-8") == 0;
    bool shiftJis = strcmp(charset, "SHIFT_JIS") == 0 || strcmp(charset, "CP932") == 0;
    TerminalCodePage = utf8 ? Utf8CharacterSize : shiftJis ? Cp932CharacterSize : SingleByteCharacterSize;
}

std::string ForTerminal(const std::string& text)
{
    std::string bytes = EscapedText(text, false);
    if (TerminalCodePage != Utf8CharacterSize || !IsValidUtf8(text))
        return "\"" + bytes + "\"";
    std::string characters = EscapedText(text, true);
    return "\"" + characters + "\"" + (characters == bytes ? "" : " (" + bytes + ")");
}
