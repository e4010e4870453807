// Tests of the editor's answers to the plug-in's text messages, on the table every stand-in's tests share.
#include "editor_answers.h"
#include "selection_test_cases.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

CharacterSize CodePageOf(const char* charset)
{
    return strcmp(charset, "UTF-8") == 0 ? Utf8CharacterSize : Cp932CharacterSize;
}

TEST(EditorAnswers, SelectionHandedOverInWholeCharactersWithinGuards)
{
    const size_t GUARD = 8;
    for (const SelectionCase& c : SELECTION_CASES) {
        std::string area(GUARD + c.capacity + GUARD, '\xA5');
        size_t handedOver = 99;
        size_t answer = AnswerGetSelection(c.text, strlen(c.text), CodePageOf(c.charset), &area[GUARD], c.capacity,
                                           &handedOver);
        std::string expected = std::string(GUARD, '\xA5') + std::string(c.text, c.handedOver) +
                               (c.handedOver < c.capacity ? std::string(1, '\0') : "");
        expected.resize(area.size(), '\xA5');
        EXPECT_EQ(c.handedOver, handedOver) << c.charset << " \"" << c.text << "\" into " << c.capacity;
        EXPECT_EQ(strlen(c.text) + 1, answer) << "a whole copy's size, NUL included: \"" << c.text << "\"";
        EXPECT_EQ(expected, area) << c.charset << " \"" << c.text << "\" into " << c.capacity;
    }
}

TEST(EditorAnswers, NoBufferGetsTheSizeAlone)
{
    size_t handedOver = 99;
    EXPECT_EQ(5u, AnswerGetSelection("lime", 4, Cp932CharacterSize, nullptr, 8, &handedOver));
    EXPECT_EQ(0u, handedOver);
}

TEST(EditorAnswers, InsertedTextReadUpToItsNulWithinTheLimit)
{
    bool terminated = false;
    EXPECT_EQ(4u, InsertedTextLength("lime", 8, &terminated));
    EXPECT_TRUE(terminated);
    const char unterminated[8] = {'#', '1', '2', '3', '4', '5', '6', '7'};
    EXPECT_EQ(8u, InsertedTextLength(unterminated, 8, &terminated));
    EXPECT_FALSE(terminated);
    EXPECT_EQ(0u, InsertedTextLength(nullptr, 8, &terminated));
    EXPECT_FALSE(terminated);
}

TEST(CodePages, Utf8SequencesThatAreNoCharacterStandAlone)
{
    const struct {
        const char* bytes;
        size_t size;
    } cases[] = {
        {"a", 1},           {"\xC3\xA9", 2},         {"\xE8\xB5\xA4", 3}, {"\xF0\x9F\x98\x80", 4},
        {"\xC0\xAF", 1},    {"\xE0\x80\xAF", 1},     {"\xED\xA0\x80", 1}, {"\xF4\x90\x80\x80", 1},
        {"\xE8\xB5", 1},    {"\x80", 1},             {"\xE8" "a" "\xA4", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.size, Utf8CharacterSize(c.bytes, strlen(c.bytes))) << c.bytes;
}

} // namespace
