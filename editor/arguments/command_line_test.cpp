// Tests of the stand-in editors' shared command line: options, colour values, prompt replies, escaping.
#include "color/notation.h"
#include "editor/arguments/color_value.h"
#include "editor/arguments/command_line.h"
#include "editor/arguments/escaping.h"
#include "editor/arguments/prompt_reply.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string Hex(ColorValue color)
{
    char text[16];
    snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
    return text;
}

// Parses the program name followed by words; returns the error message, empty on success.
std::string Parse(EditorProgram program, std::initializer_list<const char*> words, EditorArguments* arguments)
{
    std::vector<const char*> argv = {"huebird"};
    argv.insert(argv.end(), words.begin(), words.end());
    return ParseEditorArguments(program, static_cast<int>(argv.size()), argv.data(), arguments);
}

std::string Shown(std::initializer_list<const char*> words)
{
    std::string shown;
    for (const char* word : words)
        shown += std::string(" '") + word + "'";
    return shown;
}

} // namespace

TEST(ParseEditorArguments, MakesOneRunEndedByEachAnswerInBothPrograms)
{
    for (EditorProgram program : {PROGRAM_CONSOLE, PROGRAM_WINDOW}) {
        EditorArguments arguments;
        ASSERT_EQ("", Parse(program, {"--select", "#00ff00", "--confirm", "--select", "hello", "--choose", "18,52,86",
                                      "--window", "2", "--custom", "3=#FF8800", "--custom", "16=navy", "--cancel"},
                            &arguments));
        ASSERT_EQ(3u, arguments.steps.size());

        EXPECT_EQ("#00ff00", arguments.steps[0].selection);
        EXPECT_EQ(ANSWER_CONFIRM, arguments.steps[0].answer);
        EXPECT_EQ(1, arguments.steps[0].window);

        EXPECT_EQ("hello", arguments.steps[1].selection);
        EXPECT_EQ(ANSWER_CHOOSE, arguments.steps[1].answer);
        EXPECT_EQ(Hex(RgbValue(18, 52, 86)), Hex(arguments.steps[1].chosen));

        const EditorStep& third = arguments.steps[2];
        EXPECT_FALSE(third.setSelection) << "a new run starts with nothing selected";
        EXPECT_EQ(2, third.window);
        EXPECT_EQ(ANSWER_CANCEL, third.answer);
        ASSERT_EQ(2u, third.customColors.size());
        EXPECT_EQ(2, third.customColors[0].slot) << "slot 3 on the command line is index 2";
        EXPECT_EQ(Hex(RgbValue(255, 136, 0)), Hex(third.customColors[0].color));
        EXPECT_EQ(15, third.customColors[1].slot);
        EXPECT_EQ(Hex(RgbValue(0, 0, 128)), Hex(third.customColors[1].color));
    }
}

TEST(ParseEditorArguments, ConsoleAsksForTheAnswerOfARunLeftOpenAndTheWindowRefusesIt)
{
    EditorArguments arguments;
    ASSERT_EQ("", Parse(PROGRAM_CONSOLE, {}, &arguments));
    ASSERT_EQ(1u, arguments.steps.size()) << "no arguments: one run, asked for";
    EXPECT_EQ(ANSWER_ASK, arguments.steps[0].answer);

    ASSERT_EQ("", Parse(PROGRAM_CONSOLE, {"--cancel", "--select", "red"}, &arguments));
    ASSERT_EQ(2u, arguments.steps.size());
    EXPECT_EQ(ANSWER_ASK, arguments.steps[1].answer);
    EXPECT_EQ("red", arguments.steps[1].selection);

    ASSERT_EQ("", Parse(PROGRAM_CONSOLE, {"--confirm"}, &arguments));
    EXPECT_EQ(1u, arguments.steps.size()) << "an answer that ends the arguments leaves no run open";

    ASSERT_EQ("", Parse(PROGRAM_WINDOW, {}, &arguments));
    EXPECT_TRUE(arguments.steps.empty()) << "the window with no steps stays open for the user";
    for (auto words : {std::initializer_list<const char*>{"--confirm", "--text", "a"}, {"--window", "2"},
                       {"--view", "large"}}) {
        EXPECT_EQ("the last run has no answer: end it with --confirm, --choose or --cancel",
                  Parse(PROGRAM_WINDOW, words, &arguments))
            << Shown(words);
    }
}

TEST(ParseEditorArguments, TakesValuesAfterAnEqualsSignOrAsTheNextWordUnlessThatIsAnOption)
{
    EditorArguments arguments;
    ASSERT_EQ("", Parse(PROGRAM_CONSOLE, {"--select=a=b", "--choose=#aBcDeF", "--select=--cancel", "--cancel",
                                          "--window=4", "--select", "-x", "--confirm", "--select=", "--confirm"},
                        &arguments))
        << "a value after = may be anything";
    ASSERT_EQ(4u, arguments.steps.size());
    EXPECT_EQ("a=b", arguments.steps[0].selection);
    EXPECT_EQ(Hex(RgbValue(0xAB, 0xCD, 0xEF)), Hex(arguments.steps[0].chosen));
    EXPECT_EQ("--cancel", arguments.steps[1].selection);
    EXPECT_EQ(ANSWER_CANCEL, arguments.steps[1].answer);
    EXPECT_EQ("-x", arguments.steps[2].selection) << "one dash is a value";
    EXPECT_EQ(4, arguments.steps[2].window);
    EXPECT_TRUE(arguments.steps[3].setSelection);
    EXPECT_EQ("", arguments.steps[3].selection);

    for (EditorProgram program : {PROGRAM_CONSOLE, PROGRAM_WINDOW}) {
        std::string error = Parse(program, {"--select", "--confirm"}, &arguments);
        EXPECT_EQ(0u, error.find("--select needs a text")) << error;
        EXPECT_NE(std::string::npos, error.find("--select=--confirm")) << "says how to give such a value: " << error;
        EXPECT_EQ("--choose needs a colour", Parse(program, {"--choose"}, &arguments));
        EXPECT_EQ(0u, Parse(program, {"--custom", "--cancel"}, &arguments).find("--custom needs SLOT=COLOR"));
    }
}

TEST(ParseEditorArguments, LimitsTheConsoleSelectionToWhatTheEditorHandsOver)
{
    EditorArguments arguments;
    EXPECT_EQ("", Parse(PROGRAM_CONSOLE, {"--select", "fuchsias", "--confirm"}, &arguments));
    EXPECT_EQ("", Parse(PROGRAM_CONSOLE, {"--select", "\xE8\xB5\xA4\xE8\xB5\xA4", "--confirm"}, &arguments));
    EXPECT_EQ("--select: \"fuchsias!\" is 9 bytes; the editor hands over at most 8",
              Parse(PROGRAM_CONSOLE, {"--select", "fuchsias!", "--confirm"}, &arguments));
    EXPECT_EQ("", Parse(PROGRAM_WINDOW, {"--text", "p { color: #00ff00; }", "--select", "color: #00ff00",
                                         "--confirm"},
                        &arguments))
        << "the window finds the text in its document, of any length";
}

TEST(ParseEditorArguments, ReadsTheWindowsOwnOptionsAndStepsThere)
{
    EditorArguments arguments;
    ASSERT_EQ("", Parse(PROGRAM_WINDOW, {"--plugin", "x.dll", "--shots=out", "--stay", "--window", "4", "--view",
                                         "large", "--view", "true", "--present", "--text", "a b", "--select", "b",
                                         "--cancel", "--uninstall", "no", "--window", "3", "--uninstall", "yes"},
                        &arguments));
    EXPECT_EQ("x.dll", arguments.plugin);
    EXPECT_EQ("out", arguments.shots);
    EXPECT_TRUE(arguments.stay);
    ASSERT_EQ(4u, arguments.steps.size());
    EXPECT_EQ(STEP_PRESENT, arguments.steps[0].kind);
    EXPECT_EQ(4, arguments.steps[0].window);
    EXPECT_EQ((std::vector<ViewMode>{VIEW_LARGE, VIEW_TRUE_COLOR}), arguments.steps[0].views);
    EXPECT_EQ(STEP_RUN, arguments.steps[1].kind);
    EXPECT_EQ("a b", arguments.steps[1].text);
    EXPECT_TRUE(arguments.steps[1].setText);
    EXPECT_EQ(1, arguments.steps[1].window) << "each step starts in window 1";
    EXPECT_EQ(STEP_UNINSTALL, arguments.steps[2].kind);
    EXPECT_FALSE(arguments.steps[2].agree);
    EXPECT_EQ(3, arguments.steps[3].window);
    EXPECT_TRUE(arguments.steps[3].agree);

    ASSERT_EQ("", Parse(PROGRAM_WINDOW, {"--present", "--shots", "out", "--stay", "--plugin=x.dll"}, &arguments))
        << "the program's options may follow the last step";
    EXPECT_EQ(1u, arguments.steps.size());

    for (const char* option : {"--text", "--text-file", "--limit", "--type", "--save", "--overwrite", "--view",
                               "--present", "--uninstall", "--plugin", "--shots", "--stay"}) {
        EXPECT_EQ(std::string(option) + " is an option of huebird-window only (see --help)",
                  Parse(PROGRAM_CONSOLE, {option, "x"}, &arguments));
    }
}

TEST(ParseEditorArguments, KeepsTheWindowsEditsInOrderAndItsDocumentFromAFileWithALimit)
{
    EditorArguments arguments;
    ASSERT_EQ("", Parse(PROGRAM_WINDOW, {"--type", "ab", "--save", "--overwrite", "on", "--type=--c", "--cancel",
                                         "--overwrite", "off", "--present", "--text-file", "long.txt", "--limit",
                                         "999999999", "--confirm"},
                        &arguments));
    ASSERT_EQ(3u, arguments.steps.size());
    const std::vector<EditAction>& edits = arguments.steps[0].edits;
    ASSERT_EQ(4u, edits.size());
    EXPECT_EQ(EDIT_TYPE, edits[0].kind);
    EXPECT_EQ("ab", edits[0].text);
    EXPECT_EQ(EDIT_SAVE, edits[1].kind);
    EXPECT_EQ(EDIT_OVERWRITE_ON, edits[2].kind);
    EXPECT_EQ("--c", edits[3].text);
    ASSERT_EQ(1u, arguments.steps[1].edits.size());
    EXPECT_EQ(EDIT_OVERWRITE_OFF, arguments.steps[1].edits[0].kind);
    EXPECT_EQ(STEP_PRESENT, arguments.steps[1].kind) << "edits may come before any step";
    EXPECT_EQ("long.txt", arguments.steps[2].textFile);
    EXPECT_EQ(999999999u, arguments.steps[2].limit);
    EXPECT_EQ(0u, arguments.steps[0].limit) << "no limit given: the view's own";
}

TEST(ParseEditorArguments, AnswersHelpWhereverItStands)
{
    EditorArguments arguments;
    ASSERT_EQ("", Parse(PROGRAM_WINDOW, {"--select", "red", "--help", "--bogus"}, &arguments));
    EXPECT_TRUE(arguments.help);
    EXPECT_TRUE(arguments.steps.empty());
    ASSERT_EQ("", Parse(PROGRAM_CONSOLE, {"-h"}, &arguments));
    EXPECT_TRUE(arguments.help);
}

TEST(ParseEditorArguments, RejectsBadArgumentsWithOneLineSayingWhy)
{
    const struct {
        EditorProgram program;
        std::initializer_list<const char*> words;
        const char* error;
    } cases[] = {
        {PROGRAM_CONSOLE, {"--bogus"}, "unknown option \"--bogus\" (see --help)"},
        {PROGRAM_WINDOW, {"hello"}, "unexpected argument \"hello\": every value follows its option (see --help)"},
        {PROGRAM_CONSOLE, {"--choose", "256,0,0"}, "--choose: 256 is outside 0-255 in \"256,0,0\""},
        {PROGRAM_WINDOW, {"--choose", "1,2"}, "--choose: \"1,2\" is not R,G,B: it needs three numbers, red, green "
                                              "and blue"},
        {PROGRAM_CONSOLE, {"--choose", "#12G456"}, "--choose: \"#12G456\" is not #RRGGBB: \"G\" is not a "
                                                   "hexadecimal digit"},
        {PROGRAM_WINDOW, {"--window", "0", "--confirm"}, "--window: 0 is outside 1-4"},
        {PROGRAM_CONSOLE, {"--window", "two", "--confirm"}, "--window: \"two\" is not a number"},
        {PROGRAM_CONSOLE, {"--window", "1", "--window", "2", "--confirm"},
         "run 1: --window given twice; an answer (--confirm, --choose or --cancel) ends a run"},
        {PROGRAM_WINDOW, {"--confirm", "--select", "a", "--select", "b", "--confirm"},
         "step 2: --select given twice; an answer (--confirm, --choose or --cancel) ends a run"},
        {PROGRAM_CONSOLE, {"--custom", "17=red", "--confirm"}, "--custom: slot 17 is outside 1-16"},
        {PROGRAM_CONSOLE, {"--custom", "0=red", "--confirm"}, "--custom: slot 0 is outside 1-16"},
        {PROGRAM_WINDOW, {"--custom", "red", "--confirm"}, "--custom: \"red\" is not SLOT=COLOR, with SLOT from 1 to 16"},
        {PROGRAM_WINDOW, {"--custom", "2=grey", "--confirm"}, "--custom: \"grey\" is no colour; give #RRGGBB, R,G,B "
         "or one of black, silver, gray, white, maroon, red, purple, fuchsia, green, lime, olive, yellow, navy, "
         "blue, teal, aqua"},
        {PROGRAM_CONSOLE, {"--confirm=yes"}, "--confirm takes no value"},
        {PROGRAM_WINDOW, {"--text", "a", "--present"}, "run options before --present: end the run with --confirm, "
                                                       "--choose or --cancel"},
        {PROGRAM_WINDOW, {"--uninstall", "maybe"}, "--uninstall: \"maybe\" is no answer; give yes or no"},
        {PROGRAM_WINDOW, {"--view", "huge", "--present"}, "--view: \"huge\" is no mode; give small, large, 16, 256 "
                                                          "or true"},
        {PROGRAM_WINDOW, {"--shots="}, "--shots needs a folder"},
        {PROGRAM_WINDOW, {"--save"}, "the last run has no answer: end it with --confirm, --choose or --cancel"},
        {PROGRAM_WINDOW, {"--type"}, "--type needs a text"},
        {PROGRAM_WINDOW, {"--overwrite", "yes", "--present"}, "--overwrite: \"yes\" is no setting; give on or off"},
        {PROGRAM_WINDOW, {"--limit", "0", "--confirm"}, "--limit: 0 is outside 1-999999999"},
        {PROGRAM_WINDOW, {"--limit", "1000000000", "--confirm"}, "--limit: 1000000000 is outside 1-999999999"},
        {PROGRAM_WINDOW, {"--limit", "99999999999999999999", "--confirm"},
         "--limit: 99999999999999999999 is outside 1-999999999"},
        {PROGRAM_WINDOW, {"--limit", "12x", "--confirm"}, "--limit: \"12x\" is not a number"},
        {PROGRAM_WINDOW, {"--text", "a", "--text-file", "b", "--confirm"},
         "step 1: --text-file given with --text or twice; the document comes from one of them"},
        {PROGRAM_WINDOW, {"--text-file", "b", "--text", "a", "--confirm"},
         "step 1: --text given with --text-file; the document comes from one of them"},
        {PROGRAM_WINDOW, {"--text-file", "a", "--present"}, "run options before --present: end the run with "
                                                            "--confirm, --choose or --cancel"},
        {PROGRAM_CONSOLE, {"--select", "a\nb\x01", "--select", "c"}, "run 1: --select given twice; an answer "
                                                                     "(--confirm, --choose or --cancel) ends a run"},
        {PROGRAM_CONSOLE, {"--select", "a\n\xE8\xB5\xA4\xFF\x01" "cdefg", "--confirm"},
         "--select: \"a\\x0A\xE8\xB5\xA4\\xFF\\x01cdefg\" is 12 bytes; the editor hands over at most 8"},
    };
    for (const auto& c : cases) {
        EditorArguments arguments;
        EXPECT_EQ(c.error, Parse(c.program, c.words, &arguments)) << Shown(c.words);
    }
}

TEST(ParseColorValue, AcceptsCodesComponentsAndWholeNamesWithBlanksAround)
{
    const struct {
        const char* text;
        ColorValue color;
    } cases[] = {
        {"#123456", RgbValue(0x12, 0x34, 0x56)}, {"#abcdef", RgbValue(0xAB, 0xCD, 0xEF)}, {" #ABCDEF\t", RgbValue(0xAB, 0xCD, 0xEF)},
        {"18,52,86", RgbValue(18, 52, 86)},     {"18 52 86", RgbValue(18, 52, 86)},     {"18, 52 ,86", RgbValue(18, 52, 86)},
        {"1,2,3 ", RgbValue(1, 2, 3)},          {" 1, 2, 3", RgbValue(1, 2, 3)},         {"0,0,0", 0},
        {"255,255,255", RgbValue(255, 255, 255)}, {"007,08,9", RgbValue(7, 8, 9)},      {"red", RgbValue(255, 0, 0)},
        {"NAVY", RgbValue(0, 0, 128)},          {" Fuchsia ", RgbValue(255, 0, 255)},   {"aqua", RgbValue(0, 255, 255)},
        {"0 0 0", 0},                           {"9 8 7", RgbValue(9, 8, 7)},
        {"\t0,255,\t9\t", RgbValue(0, 255, 9)},
    };
    for (const auto& c : cases) {
        ColorValue color = 0xDEADBEEF;
        EXPECT_EQ("", ParseColorValue(c.text, &color)) << "'" << c.text << "'";
        EXPECT_EQ(Hex(c.color), Hex(color)) << "'" << c.text << "'";
    }
}

TEST(ParseColorValue, RefusesAnythingElseSayingWhyAndLeavesTheColourAlone)
{
    const struct {
        const char* text;
        const char* why; // what the reason must contain
    } cases[] = {
        {"", "empty"},
        {"#", "six hexadecimal digits"},
        {"#12345", "six hexadecimal digits"},
        {"#1234567", "six hexadecimal digits"},
        {"# 12345", "\" \" is not a hexadecimal digit"},
        {"#12G456", "\"G\" is not a hexadecimal digit"},
        {"1,2", "three numbers"},
        {"1,2,3,4", "three numbers"},
        {"1,2,", "a number is missing"},
        {",1,2", "a number is missing"},
        {"1,,2,3", "three numbers"},
        {"256,0,0", "256 is outside 0-255"},
        {"0,256,0", "256 is outside 0-255"},
        {"0,0,256", "256 is outside 0-255"},
        {"0 0 256", "256 is outside 0-255"},
        {"99999999999999999999,0,0", "99999999999999999999 is outside 0-255"},
        {"-1,0,0", "\"-1\" is not a number"},
        {"1.5,2,3", "\"1.5\" is not a number"},
        {"redwood", "\"redwood\" is no colour"},
        {"BlueSky", "\"BlueSky\" is no colour"},
        {"re", "\"re\" is no colour"},
        {"grey", "\"grey\" is no colour"},
        {"\xFF", "\"\\xFF\" is no colour"},
    };
    for (const auto& c : cases) {
        ColorValue color = 0xDEADBEEF;
        std::string why = ParseColorValue(c.text, &color);
        EXPECT_NE(std::string::npos, why.find(c.why)) << "'" << c.text << "': expected \"" << c.why << "\" in \""
                                                      << why << "\"";
        EXPECT_EQ(Hex(0xDEADBEEF), Hex(color)) << "colour written for '" << c.text << "'";
    }
}

TEST(ParseColorValue, KnowsEveryColourNameOfThePlugInWithItsColour)
{
    // The plug-in's own table is the reference: the stand-in keeps its own, and the two must agree.
    for (const NamedColor& named : NamedColors) {
        ColorValue color = 0xDEADBEEF;
        EXPECT_EQ("", ParseColorValue(named.name, &color)) << named.name;
        EXPECT_EQ(Hex(named.color), Hex(color)) << named.name;
    }
}

TEST(LowerCase, MakesAsciiCapitalsSmallAndLeavesEveryOtherByte)
{
    const struct {
        const char* text;
        const char* lower;
    } cases[] = {
        {"AZ", "az"}, {"NaVy", "navy"}, {"@[`{az09", "@[`{az09"}, {"\xC3\x89\xC1", "\xC3\x89\xC1"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lower, LowerCase(c.text)) << c.text;
}

TEST(ParsePromptReply, ReadsConfirmCancelColoursAndCustomColoursAsTheCommandLineDoes)
{
    ColorValue color = 0;
    CustomColorSetting setting = {};
    std::string why;
    EXPECT_EQ(REPLY_CONFIRM, ParsePromptReply("\n", &color, &setting, &why));
    EXPECT_EQ(REPLY_CONFIRM, ParsePromptReply("  \r\n", &color, &setting, &why));
    EXPECT_EQ(REPLY_CANCEL, ParsePromptReply("c\n", &color, &setting, &why));
    EXPECT_EQ(REPLY_CANCEL, ParsePromptReply(" Cancel \n", &color, &setting, &why));
    EXPECT_EQ(REPLY_CHOOSE, ParsePromptReply(" 18, 52, 86 \r\n", &color, &setting, &why));
    EXPECT_EQ(Hex(RgbValue(18, 52, 86)), Hex(color));
    EXPECT_EQ(REPLY_CUSTOM, ParsePromptReply("16=#FF8800\n", &color, &setting, &why));
    EXPECT_EQ(15, setting.slot);
    EXPECT_EQ(Hex(RgbValue(255, 136, 0)), Hex(setting.color));
    EXPECT_EQ(Hex(RgbValue(18, 52, 86)), Hex(color)) << "a custom colour is not the chosen colour";

    EXPECT_EQ(REPLY_INVALID, ParsePromptReply("17=red\n", &color, &setting, &why));
    EXPECT_EQ("slot 17 is outside 1-16", why);
    EXPECT_EQ(REPLY_INVALID, ParsePromptReply("3=nocolour\n", &color, &setting, &why));
    EXPECT_EQ(15, setting.slot) << "a refused custom colour leaves the setting alone";
    EXPECT_EQ(Hex(RgbValue(255, 136, 0)), Hex(setting.color));
    EXPECT_EQ(REPLY_INVALID, ParsePromptReply(std::string(300, '7') + "\n", &color, &setting, &why));
    EXPECT_NE(std::string::npos, why.find("is not R,G,B")) << why;
}

TEST(EscapedText, KeepsPrintableAsciiAndValidUtf8WhenAskedAndEscapesTheRest)
{
    const struct {
        std::string text;
        bool keepUtf8;
        const char* escaped;
    } cases[] = {
        {"#00ff00", false, "#00ff00"},
        {"a\nb\t\x7F\x80\xFF", true, "a\\x0Ab\\x09\\x7F\\x80\\xFF"},
        {"\\ \"", false, "\\\\ \\\""},
        {std::string(1, '\0'), true, "\\x00"},
        {"\xE8\xB5\xA4!", false, "\\xE8\\xB5\\xA4!"},
        {"\xE8\xB5\xA4!", true, "\xE8\xB5\xA4!"},
        {"\xE8\xB5", true, "\\xE8\\xB5"},                 // cut short
        {"\xC0\xAF", true, "\\xC0\\xAF"},                 // overlong
        {"\xED\xA0\x80", true, "\\xED\\xA0\\x80"},        // a surrogate
        {"\xF0\x9F\x8E\xA8", true, "\xF0\x9F\x8E\xA8"},    // four bytes
        {"\xC3\xA9\xC3", true, "\xC3\xA9\\xC3"},          // two bytes, then one alone
        {"\x1F\x20~", true, "\\x1F ~"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.escaped, EscapedText(c.text, c.keepUtf8)) << EscapedText(c.text, false);
}

TEST(IsValidUtf8, AcceptsWholeSequencesOnlyAndAsciiAlways)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true},
        {"#00ff00 \x7F", true},
        {"\xE8\xB5\xA4 red", true},
        {"\xC3\xA9\xF4\x8F\xBF\xBF", true},
        {"\x80", false},                   // a continuation byte alone
        {"a\xBF", false},
        {"\xE8\xB5\xA4\xE8", false},      // cut short
        {"\xF4\x90\x80\x80", false},      // past U+10FFFF
        {"\xED\xA0\x80", false},           // a surrogate
        {"\xFF", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.valid, IsValidUtf8(c.text)) << EscapedText(c.text, false);
}

TEST(OptionsUsage, ListsEachProgramsOwnOptionsWithTheLimitsTheParserChecks)
{
    std::string console = OptionsUsage(PROGRAM_CONSOLE), window = OptionsUsage(PROGRAM_WINDOW);
    for (const char* option : {"--select TEXT", "--window N", "--custom SLOT=COLOR", "--confirm", "--choose COLOR",
                               "--cancel"}) {
        EXPECT_NE(std::string::npos, console.find(std::string("\n  ") + option + " ")) << option << " in\n" << console;
        EXPECT_NE(std::string::npos, window.find(std::string("\n  ") + option + " ")) << option << " in\n" << window;
    }
    for (const char* option : {"--text", "--text-file", "--limit", "--type", "--save", "--overwrite", "--view",
                               "--present", "--uninstall", "--plugin", "--shots", "--stay"}) {
        EXPECT_EQ(std::string::npos, console.find(option)) << option << " in\n" << console;
        EXPECT_NE(std::string::npos, window.find(std::string("  ") + option)) << option << " in\n" << window;
    }
    EXPECT_NE(std::string::npos, console.find("window N, 1 to 4 ")) << console;
    EXPECT_NE(std::string::npos, window.find("custom colour SLOT (1 to 16)")) << window;
    EXPECT_NE(std::string::npos, window.find("\n                      colours there")) << "continued lines indented";
}
