// The terminal's character set and colours, read once from the environment.
#include "terminal.h"

#include "editor/arguments/escaping.h"

#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <string.h>

static bool TrueColor;
static bool Utf8;
static CharacterSize CodePage = SingleByteCharacterSize;

void ReadTerminal()
{
    const char* colorTerm = getenv("COLORTERM");
    TrueColor = colorTerm && (strcmp(colorTerm, "truecolor") == 0 || strcmp(colorTerm, "24bit") == 0);
    // Only the character set is taken from the environment; numbers and messages stay as they are.
    setlocale(LC_CTYPE, "");
    SetTerminalCharset(nl_langinfo(CODESET));
}

void SetTerminalCharset(const char* charset)
{
    Utf8 = strcmp(charset, "UTF-8") == 0;
    bool shiftJis = strcmp(charset, "SHIFT_JIS") == 0 || strcmp(charset, "CP932") == 0;
    CodePage = Utf8 ? Utf8CharacterSize : shiftJis ? Cp932CharacterSize : SingleByteCharacterSize;
}

bool TrueColorTerminal()
{
    return TrueColor;
}

CharacterSize TerminalCodePage()
{
    return CodePage;
}

std::string ForTerminal(const std::string& text)
{
    std::string bytes = EscapedText(text, false);
    if (!Utf8 || !IsValidUtf8(text))
        return "\"" + bytes + "\"";
    std::string characters = EscapedText(text, true);
    return "\"" + characters + "\"" + (characters == bytes ? "" : " (" + bytes + ")");
}
