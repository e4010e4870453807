// Tests of the editor's answers to the plug-in's text messages and of the code pages they count characters
// by: every text is read from the end of a readable page, so that a read past its range faults.
#include "editor_answers.h"
#include "selection_test_cases.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace {

// A readable page with an unreadable one right after it; a read past the bytes placed at the readable
// page's end ends the test with a message instead of going unseen.
struct PageEdge {
    PageEdge()
    {
        page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void* mapped = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base = mapped == MAP_FAILED ? nullptr : static_cast<char*>(mapped);
        if (!base || mprotect(base + page, page, PROT_NONE) != 0)
            ADD_FAILURE() << "cannot map a page with an unreadable one after it";
        struct sigaction action = {};
        action.sa_handler = ReadPastTheEnd;
        sigaction(SIGSEGV, &action, &before);
    }

    ~PageEdge()
    {
        sigaction(SIGSEGV, &before, nullptr);
        if (base)
            munmap(base, 2 * page);
    }

    // count bytes that end where the unreadable page begins; a fault names them.
    const char* Place(const char* bytes, size_t count)
    {
        char* at = base + page - count;
        memcpy(at, bytes, count);
        int length =
            snprintf(Placed, sizeof Placed, "FAILED: read past the end of the %u bytes", static_cast<unsigned>(count));
        for (size_t i = 0; i < count && length + 8 < static_cast<int>(sizeof Placed); i++)
            length += snprintf(Placed + length, sizeof Placed - length, " %02X", static_cast<unsigned char>(bytes[i]));
        snprintf(Placed + length, sizeof Placed - length, ", into an unreadable page\n");
        return at;
    }

    static void ReadPastTheEnd(int)
    {
        ssize_t ignored = write(2, Placed, strlen(Placed));
        (void)ignored;
        _exit(1);
    }

    static char Placed[160];

    size_t page = 0;
    char* base = nullptr;
    struct sigaction before = {};
};

char PageEdge::Placed[160];
PageEdge* Edge;

CharacterSize CodePageOf(const char* charset)
{
    return strcmp(charset, UTF_8) == 0       ? Utf8CharacterSize
           : strcmp(charset, SHIFT_JIS) == 0 ? Cp932CharacterSize
                                             : SingleByteCharacterSize;
}

// The editor side's answer to a case's selection, read from the page's edge.
size_t AnswerFromTheEdge(const SelectionCase& c, char* buffer, size_t* handedOver)
{
    size_t length = strlen(c.text);
    return AnswerGetSelection(Edge->Place(c.text, length), length, CodePageOf(c.charset), buffer, c.capacity,
                              handedOver);
}

void Fail(const char* line)
{
    ADD_FAILURE() << line;
}

TEST(EditorAnswers, SelectionHandedOverInWholeCharactersWithinItsRangeAndTheBuffer)
{
    PageEdge edge;
    Edge = &edge;
    CheckSelectionCases(AnswerFromTheEdge, nullptr, Fail);
}

TEST(EditorAnswers, NoBufferGetsTheSizeAlone)
{
    PageEdge edge;
    size_t handedOver = 99;
    EXPECT_EQ(5u, AnswerGetSelection(edge.Place("lime", 4), 4, Cp932CharacterSize, nullptr, 8, &handedOver));
    EXPECT_EQ(0u, handedOver);
}

TEST(EditorAnswers, InsertedTextReadUpToItsNulWithinTheLimit)
{
    const struct {
        const char* bytes;
        size_t readable; // the bytes before the unreadable page, NUL included where there is one
        size_t most;
        size_t length;
        bool terminated;
    } cases[] = {
        {"lime", 5, 8, 4, true},
        {"", 1, 8, 0, true},
        {"#1234567", 8, 8, 8, false},           // no NUL within the limit: nothing past it read
        {"abc", 4, 3, 3, false},                // the NUL just past the limit
        {"abc", 4, 4, 3, true},
        {"a", 2, 0, 0, false},
        {"\xE8\xB5\xA4", 4, 8, 3, true},        // bytes of 0x80 and above count as any other
        {"\x90\x46\x82\xCD\x80\xFF", 7, 8, 6, true},
    };
    PageEdge edge;
    for (const auto& c : cases) {
        bool terminated = !c.terminated;
        EXPECT_EQ(c.length, InsertedTextLength(edge.Place(c.bytes, c.readable), c.most, &terminated))
            << "\"" << c.bytes << "\", at most " << c.most;
        EXPECT_EQ(c.terminated, terminated) << "\"" << c.bytes << "\", at most " << c.most;
    }
    bool terminated = true;
    EXPECT_EQ(0u, InsertedTextLength(nullptr, 8, &terminated));
    EXPECT_FALSE(terminated) << "a null text has no NUL";
}

// Bytes shown as \xNN, for messages about code pages.
std::string Hex(const char* bytes, size_t count)
{
    std::string hex;
    char one[8];
    for (size_t i = 0; i < count; i++) {
        snprintf(one, sizeof one, "\\x%02X", static_cast<unsigned char>(bytes[i]));
        hex += one;
    }
    return hex;
}

TEST(CodePages, Cp932LeadBytesAre0x81To0x9FAnd0xE0To0xFC)
{
    const struct {
        unsigned char lead;
        size_t size;
    } cases[] = {
        {'a', 1},  {0x7F, 1}, {0x80, 1}, {0x81, 2}, {0x9F, 2}, {0xA0, 1}, {0xB1, 1},
        {0xDF, 1}, {0xE0, 2}, {0xFC, 2}, {0xFD, 1}, {0xFF, 1},
    };
    PageEdge edge;
    for (const auto& c : cases) {
        const char bytes[2] = {static_cast<char>(c.lead), '\x40'};
        EXPECT_EQ(c.size, Cp932CharacterSize(edge.Place(bytes, 2), 2)) << Hex(bytes, 1);
    }
}

TEST(CodePages, Utf8SequencesThatAreNoCharacterStandAlone)
{
    const struct {
        const char* bytes;
        size_t remaining; // the bytes given, all readable and no more
        size_t size;
    } cases[] = {
        {"a", 1, 1},
        {"\x7F", 1, 1},
        {"\x80", 1, 1},                   // a continuation byte alone
        {"\xBF", 1, 1},
        {"\xC0\xAF", 2, 1},               // overlong
        {"\xC1\xBF", 2, 1},
        {"\xC2\x80", 2, 2},
        {"\xC2\xBF", 2, 2},               // the continuation byte at its upper limit
        {"\xC2\xC0", 2, 1},
        {"\xC2\x7F", 2, 1},
        {"\xC3\xA9", 2, 2},
        {"\xDF\xBF", 2, 2},
        {"\xE0\x9F\xBF", 3, 1},           // overlong
        {"\xE0\xA0\x80", 3, 3},
        {"\xE0\xBF\xBF", 3, 3},
        {"\xE0\xA0\xC0", 3, 1},
        {"\xE8\xB5\xA4", 3, 3},
        {"\xE8\xB5" "a", 3, 1},           // the last byte is checked too
        {"\xE8" "a" "\xA4", 3, 1},
        {"\xE8\xB5\xC0", 3, 1},
        {"\xED\x9F\xBF", 3, 3},           // the last code point before the surrogates
        {"\xED\xA0\x80", 3, 1},           // a surrogate
        {"\xEF\xBF\xBF", 3, 3},
        {"\xF0\x8F\xBF\xBF", 4, 1},       // overlong
        {"\xF0\x90\x80\x80", 4, 4},
        {"\xF0\x9F\x98\x80", 4, 4},
        {"\xF0\x9F" "a" "\x80", 4, 1},
        {"\xF0\x9F\x98" "a", 4, 1},
        {"\xF0\x9F\x98\xC0", 4, 1},
        {"\xF4\x8F\xBF\xBF", 4, 4},       // U+10FFFF
        {"\xF4\x90\x80\x80", 4, 1},       // past U+10FFFF
        {"\xF5\x80\x80\x80", 4, 1},
        {"\xFF", 1, 1},
        {"\xE8\xB5", 2, 1},               // a sequence longer than the bytes that remain
        {"\xE8\xB5\xA4", 2, 1},
        {"\xF0\x9F\x98\x80", 3, 1},
        {"\xC3\xA9", 1, 1},
    };
    PageEdge edge;
    for (const auto& c : cases)
        EXPECT_EQ(c.size, Utf8CharacterSize(edge.Place(c.bytes, c.remaining), c.remaining))
            << Hex(c.bytes, c.remaining);
}

} // namespace
