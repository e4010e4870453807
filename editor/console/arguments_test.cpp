// Tests of huebird-console's command-line parser.
#include "editor/console/arguments.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string Hex(COLORREF color)
{
    char text[16];
    snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
    return text;
}

// Parses the program name followed by words; returns the error message, empty on success.
std::string Parse(std::initializer_list<const char*> words, ConsoleArguments* arguments)
{
    std::vector<const char*> argv = {"huebird-console"};
    argv.insert(argv.end(), words.begin(), words.end());
    return ParseArguments(static_cast<int>(argv.size()), argv.data(), arguments);
}

} // namespace

TEST(ParseArguments, MakesOneRunEndedByEachAnswer)
{
    ConsoleArguments arguments;
    ASSERT_EQ("", Parse({"--select", "#00ff00", "--confirm", "--select", "hello", "--choose", "18,52,86",
                         "--window", "2", "--custom", "3=#FF8800", "--custom", "16=navy", "--cancel"},
                        &arguments));
    EXPECT_FALSE(arguments.help);
    ASSERT_EQ(3u, arguments.runs.size());

    EXPECT_EQ("#00ff00", arguments.runs[0].selection);
    EXPECT_EQ(ANSWER_CONFIRM, arguments.runs[0].answer);
    EXPECT_EQ(1, arguments.runs[0].window);
    EXPECT_TRUE(arguments.runs[0].customColors.empty());

    EXPECT_EQ("hello", arguments.runs[1].selection);
    EXPECT_EQ(ANSWER_CHOOSE, arguments.runs[1].answer);
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(arguments.runs[1].chosen));

    const ConsoleRun& third = arguments.runs[2];
    EXPECT_EQ("", third.selection) << "a new run starts with nothing selected";
    EXPECT_EQ(2, third.window);
    EXPECT_EQ(ANSWER_CANCEL, third.answer);
    ASSERT_EQ(2u, third.customColors.size());
    EXPECT_EQ(2, third.customColors[0].slot) << "slot 3 on the command line is index 2";
    EXPECT_EQ(Hex(RGB(255, 136, 0)), Hex(third.customColors[0].color));
    EXPECT_EQ(15, third.customColors[1].slot);
    EXPECT_EQ(Hex(RGB(0, 0, 128)), Hex(third.customColors[1].color));
}

TEST(ParseArguments, AsksForTheAnswerOfARunLeftOpen)
{
    ConsoleArguments arguments;
    ASSERT_EQ("", Parse({}, &arguments));
    ASSERT_EQ(1u, arguments.runs.size()) << "no arguments: one run, asked for";
    EXPECT_EQ(ANSWER_ASK, arguments.runs[0].answer);
    EXPECT_EQ("", arguments.runs[0].selection);
    EXPECT_EQ(1, arguments.runs[0].window);

    ASSERT_EQ("", Parse({"--cancel", "--select", "red"}, &arguments));
    ASSERT_EQ(2u, arguments.runs.size());
    EXPECT_EQ(ANSWER_CANCEL, arguments.runs[0].answer);
    EXPECT_EQ(ANSWER_ASK, arguments.runs[1].answer);
    EXPECT_EQ("red", arguments.runs[1].selection);

    ASSERT_EQ("", Parse({"--confirm"}, &arguments));
    EXPECT_EQ(1u, arguments.runs.size()) << "an answer that ends the arguments leaves no run open";
}

TEST(ParseArguments, TakesValuesAfterAnEqualsSignOrAsTheNextWordWhateverTheyHold)
{
    ConsoleArguments arguments;
    ASSERT_EQ("", Parse({"--select=a=b", "--choose=#aBcDeF", "--select", "--cancel", "--cancel", "--select=",
                         "--window=4", "--confirm"},
                        &arguments));
    ASSERT_EQ(3u, arguments.runs.size());
    EXPECT_EQ("a=b", arguments.runs[0].selection);
    EXPECT_EQ(Hex(RGB(0xAB, 0xCD, 0xEF)), Hex(arguments.runs[0].chosen));
    EXPECT_EQ("--cancel", arguments.runs[1].selection) << "the word after --select is its value";
    EXPECT_EQ(ANSWER_CANCEL, arguments.runs[1].answer);
    EXPECT_EQ("", arguments.runs[2].selection);
    EXPECT_EQ(4, arguments.runs[2].window);
}

TEST(ParseArguments, AcceptsSelectionsUpToEightBytes)
{
    ConsoleArguments arguments;
    EXPECT_EQ("", Parse({"--select", "fuchsias", "--confirm"}, &arguments));
    EXPECT_EQ("fuchsias", arguments.runs[0].selection);
    EXPECT_EQ("", Parse({"--select", "\xE8\xB5\xA4\xE8\xB5\xA4", "--confirm"}, &arguments)) << "6 bytes of UTF-8";
    EXPECT_NE("", Parse({"--select", "fuchsias!", "--confirm"}, &arguments)) << "9 bytes";
    EXPECT_NE("", Parse({"--select", "\xE8\xB5\xA4\xE8\xB5\xA4\xE8\xB5\xA4", "--confirm"}, &arguments)) << "9 bytes";
}

TEST(ParseArguments, AnswersHelpWhereverItStands)
{
    ConsoleArguments arguments;
    ASSERT_EQ("", Parse({"--select", "red", "--help", "--bogus"}, &arguments));
    EXPECT_TRUE(arguments.help);
    ASSERT_EQ("", Parse({"-h"}, &arguments));
    EXPECT_TRUE(arguments.help);
}

TEST(ParseArguments, RejectsBadArgumentsWithOneLineNamingTheFault)
{
    ConsoleArguments arguments;
    const struct {
        std::initializer_list<const char*> words;
        const char* mentioned; // what the message must contain
    } cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"-x"}, "-x"},
        {{"--confirm", "hello"}, "hello"},
        {{"--choose", "#12G456"}, "#12G456"},
        {{"--choose", "#12345"}, "#12345"},
        {{"--choose", "256,0,0"}, "256,0,0"},
        {{"--choose", "grey"}, "grey"},
        {{"--choose"}, "--choose"},
        {{"--select"}, "--select"},
        {{"--select", "123456789", "--confirm"}, "123456789"},
        {{"--select", "a\nb\x01" "cdefgh", "--confirm"}, "a\\x0Ab\\x01cdefgh"},
        {{"--select", "a", "--select", "b", "--confirm"}, "--select"},
        {{"--window", "0", "--confirm"}, "\"0\""},
        {{"--window", "5", "--confirm"}, "\"5\""},
        {{"--window", "1", "--window", "2", "--confirm"}, "--window"},
        {{"--custom", "17=red", "--confirm"}, "17=red"},
        {{"--custom", "0=red", "--confirm"}, "0=red"},
        {{"--custom", "red", "--confirm"}, "red"},
        {{"--custom", "1=#12G456", "--confirm"}, "1=#12G456"},
        {{"--confirm=yes"}, "--confirm"},
        {{"--cancel="}, "--cancel"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const char* word : c.words)
            shown += std::string(" ") + word;
        std::string error = Parse(c.words, &arguments);
        EXPECT_NE("", error) << "accepted:" << shown;
        EXPECT_EQ(std::string::npos, error.find('\n')) << "more than one line for" << shown << ": " << error;
        EXPECT_NE(std::string::npos, error.find(c.mentioned)) << "'" << c.mentioned << "' not in: " << error;
    }
}

TEST(ParseColorArgument, AcceptsCodesComponentsAndWholeNames)
{
    const struct {
        const char* text;
        COLORREF color;
    } cases[] = {
        {"#123456", RGB(0x12, 0x34, 0x56)}, {"#abcdef", RGB(0xAB, 0xCD, 0xEF)}, {"#ABCDEF", RGB(0xAB, 0xCD, 0xEF)},
        {"18,52,86", RGB(18, 52, 86)},     {"18 52 86", RGB(18, 52, 86)},     {"18, 52 ,86", RGB(18, 52, 86)},
        {"0,0,0", 0},                      {"255,255,255", RGB(255, 255, 255)}, {"007,08,9", RGB(7, 8, 9)},
        {"red", RGB(255, 0, 0)},           {"NAVY", RGB(0, 0, 128)},          {"Fuchsia", RGB(255, 0, 255)},
    };
    for (const auto& c : cases) {
        COLORREF color = 0xDEADBEEF;
        EXPECT_TRUE(ParseColorArgument(c.text, &color)) << c.text;
        EXPECT_EQ(Hex(c.color), Hex(color)) << c.text;
    }
}

TEST(ParseColorArgument, RejectsAnythingElseAndLeavesTheColourAlone)
{
    for (const char* text : {"", "#", "#12G456", "#12345", "#1234567", "# 123456", "#123456 ", "1,2", "1,2,3,4",
                             "1,2,", ",1,2,3", "256,0,0", "1000,0,0", "-1,0,0", "1.5,2,3", "0x10,0,0", "redwood",
                             "re", "grey", " red", "red ", "\xFF"}) {
        COLORREF color = 0xDEADBEEF;
        EXPECT_FALSE(ParseColorArgument(text, &color)) << "accepted '" << text << "'";
        EXPECT_EQ(Hex(0xDEADBEEF), Hex(color)) << "colour written for '" << text << "'";
    }
}

TEST(ParsePromptReply, ReadsConfirmCancelColoursAndCustomColours)
{
    COLORREF color = 0;
    CustomColorSetting setting = {};
    EXPECT_EQ(REPLY_CONFIRM, ParsePromptReply("\n", &color, &setting));
    EXPECT_EQ(REPLY_CONFIRM, ParsePromptReply("  \r\n", &color, &setting));
    EXPECT_EQ(REPLY_CANCEL, ParsePromptReply("c\n", &color, &setting));
    EXPECT_EQ(REPLY_CANCEL, ParsePromptReply(" Cancel \n", &color, &setting));
    EXPECT_EQ(REPLY_CHOOSE, ParsePromptReply(" 18 52 86\r\n", &color, &setting));
    EXPECT_EQ(Hex(RGB(18, 52, 86)), Hex(color));
    EXPECT_EQ(REPLY_CHOOSE, ParsePromptReply("teal\n", &color, &setting));
    EXPECT_EQ(Hex(RGB(0, 128, 128)), Hex(color));
    EXPECT_EQ(REPLY_CUSTOM, ParsePromptReply("16=#FF8800\n", &color, &setting));
    EXPECT_EQ(15, setting.slot);
    EXPECT_EQ(Hex(RGB(255, 136, 0)), Hex(setting.color));
    EXPECT_EQ(Hex(RGB(0, 128, 128)), Hex(color)) << "a custom colour is not the chosen colour";
    for (const char* line : {"x\n", "#12G456\n", "17=red\n", "=red\n", "1=\n", "cc\n"})
        EXPECT_EQ(REPLY_INVALID, ParsePromptReply(line, &color, &setting)) << line;
}

TEST(EscapedText, KeepsPrintableAsciiAndEscapesTheRest)
{
    EXPECT_EQ("#00ff00", EscapedText("#00ff00"));
    EXPECT_EQ("a\\x0Ab\\x09\\x7F\\x80\\xFF", EscapedText("a\nb\t\x7F\x80\xFF"));
    EXPECT_EQ("\\\\ \\\"", EscapedText("\\ \""));
    EXPECT_EQ("\\x00", EscapedText(std::string(1, '\0')));
}
