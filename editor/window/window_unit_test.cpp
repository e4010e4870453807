// Tests of huebird-window's parts that need no window but Windows' code pages: its ANSI conversions, and its
// answer to the selection request on the table that the console's tests run too. Usage: window_unit_test ansi
#include "editor_answers.h"
#include "selection_test_cases.h"
#include "text.h"
#include "transcript.h"

#include <string.h>

#include <string>

namespace {

int Failures = 0; // checks that failed in this run

void Fail(const std::wstring& message)
{
    Failures++;
    Say(L"FAILED: " + message);
}

// Bytes as \xNN, for messages about ANSI text.
std::wstring Bytes(const std::string& bytes)
{
    std::wstring text;
    for (unsigned char byte : bytes)
        text += Format(L"\\x%02X", byte);
    return text;
}

void TestAnsi()
{
    if (GetACP() != 932) {
        Fail(Format(L"expected the ANSI code page 932, got %u", GetACP()));
        return;
    }
    // 色 is 0x90 0x46 in code page 932.
    if (ToAnsi(L"#色") != "#\x90\x46" || FromAnsi("#\x90\x46") != L"#色")
        Fail(L"expected #色 and #\\x90\\x46 to convert into each other, got " + Bytes(ToAnsi(L"#色")) + L" and " +
             FromAnsi("#\x90\x46"));

    // What MSG_GET_SELECTION hands over by the system's lead bytes: whole characters, then a NUL if there is
    // room, between guard bytes.
    const size_t GUARD = 8;
    for (const SelectionCase& c : SELECTION_CASES) {
        if (strcmp(c.charset, "SHIFT_JIS") != 0)
            continue;
        std::string area(GUARD + c.capacity + GUARD, '\xA5');
        size_t handedOver = 0;
        size_t answer = AnswerGetSelection(c.text, strlen(c.text), AnsiCharacterSize, &area[GUARD], c.capacity,
                                           &handedOver);
        std::string expected = std::string(GUARD, '\xA5') + std::string(c.text, c.handedOver) +
                               (c.handedOver < c.capacity ? std::string(1, '\0') : "");
        expected.resize(area.size(), '\xA5');
        if (area != expected || answer != strlen(c.text) + 1)
            Fail(Format(L"%ls into %u bytes: expected %ls answering %u, got %ls answering %u",
                        Bytes(c.text).c_str(), static_cast<unsigned>(c.capacity), Bytes(expected).c_str(),
                        static_cast<unsigned>(strlen(c.text) + 1), Bytes(area).c_str(), static_cast<unsigned>(answer)));
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 || std::wstring(argv[1]) != L"ansi") {
        Complain(L"usage: window_unit_test ansi");
        return 2;
    }
    TestAnsi();
    return Failures == 0 ? 0 : 1;
}
