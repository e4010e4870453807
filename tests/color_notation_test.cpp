// Tests of the colour notation: the name table, hex digits, and colour texts decoded and encoded.
#include "color/notation.h"
#include "hex_text.h"

#include <gtest/gtest.h>

#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace {

// A colour no decoder produces (its top byte is set): what an untouched output reads as.
const COLORREF UNTOUCHED = 0xDEADBEEF;

// An 8-byte text buffer filled from text, zero-padded, as the command hands it to the decoder.
struct TextBuffer {
    char bytes[COLOR_TEXT_SIZE];
};

TextBuffer MakeBuffer(const std::string& text)
{
    TextBuffer buffer = {};
    memcpy(buffer.bytes, text.data(), text.size() < sizeof buffer.bytes ? text.size() : sizeof buffer.bytes);
    return buffer;
}

// Printable form of a text for failure messages: non-ASCII and control bytes as \xNN.
std::string Shown(const std::string& text)
{
    std::string shown = "'";
    for (unsigned char ch : text) {
        if (ch >= 0x20 && ch < 0x7F) {
            shown += static_cast<char>(ch);
        } else {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\x%02X", ch);
            shown += escaped;
        }
    }
    return shown + "'";
}

// Decodes text from a zero-padded 8-byte buffer; returns whether a colour was found.
BOOL Parse(const std::string& text, COLORREF* color)
{
    TextBuffer buffer = MakeBuffer(text);
    return ParseColorText(buffer.bytes, color);
}

std::string Upper(std::string text)
{
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return text;
}

// Two mapped pages, the second inaccessible: bytes placed just before the boundary are the last readable
// ones, so reading one byte further faults.
class GuardedPage {
public:
    GuardedPage()
    {
        size_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void* pages = mmap(nullptr, 2 * size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base_ = pages == MAP_FAILED ? nullptr : static_cast<char*>(pages);
        if (base_ && mprotect(base_ + size_, size_, PROT_NONE) != 0) {
            munmap(base_, 2 * size_);
            base_ = nullptr;
        }
    }
    ~GuardedPage()
    {
        if (base_)
            munmap(base_, 2 * size_);
    }
    bool ok() const { return base_ != nullptr; }
    // The address at which count readable bytes end right at the guard.
    char* EndingAt(size_t count) { return base_ + size_ - count; }

private:
    size_t size_;
    char* base_;
};

// A text of a given length, and whether and to what colour it decodes.
struct DecodeCase {
    const char* text;
    BOOL found;
    COLORREF color;
};

// Decodes each case's first length bytes placed so that they end right at the guard of a fresh page.
template <size_t N>
void ExpectDecodedAtGuard(const DecodeCase (&cases)[N], size_t length)
{
    GuardedPage page;
    ASSERT_TRUE(page.ok()) << "could not map a guarded page";
    for (const DecodeCase& c : cases) {
        char* text = page.EndingAt(length);
        memcpy(text, c.text, length);
        COLORREF color = UNTOUCHED;
        EXPECT_EQ(c.found, ParseColorText(text, &color)) << "found flag for " << Shown(c.text);
        EXPECT_EQ(Hex(c.color), Hex(color)) << "colour of " << Shown(c.text);
    }
}

struct NameCase {
    const char* name;
    int red, green, blue;
};

const NameCase NAME_TABLE[] = {
    {"black", 0, 0, 0},       {"silver", 192, 192, 192}, {"gray", 128, 128, 128}, {"white", 255, 255, 255},
    {"maroon", 128, 0, 0},    {"red", 255, 0, 0},        {"purple", 128, 0, 128}, {"fuchsia", 255, 0, 255},
    {"green", 0, 128, 0},     {"lime", 0, 255, 0},       {"olive", 128, 128, 0},  {"yellow", 255, 255, 0},
    {"navy", 0, 0, 128},      {"blue", 0, 0, 255},       {"teal", 0, 128, 128},   {"aqua", 0, 255, 255},
};

// Colours stepped over in the round trip: all of them, or every seventh under the sanitizers, which make
// the whole 2^24 take ten seconds.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROUND_TRIP_SAMPLED
#endif
#endif
#ifdef ROUND_TRIP_SAMPLED
const COLORREF ROUND_TRIP_STEP = 7;
#else
const COLORREF ROUND_TRIP_STEP = 1;
#endif

} // namespace

TEST(NamedColors, NamesFitTheTextBufferAndNoneIsAPrefixOfAnother)
{
    for (int i = 0; i < NAMED_COLOR_COUNT; i++) {
        EXPECT_LE(strlen(NamedColors[i].name), static_cast<size_t>(COLOR_TEXT_SIZE - 1)) << NamedColors[i].name;
        for (int j = 0; j < NAMED_COLOR_COUNT; j++) {
            if (i == j)
                continue;
            EXPECT_NE(0, strncmp(NamedColors[j].name, NamedColors[i].name, strlen(NamedColors[i].name)))
                << "'" << NamedColors[i].name << "' is a prefix of '" << NamedColors[j].name << "'";
            EXPECT_NE(NamedColors[i].color, NamedColors[j].color)
                << NamedColors[i].name << " and " << NamedColors[j].name << " share a colour";
        }
    }
}

TEST(ParseColorText, TakesTheTwentyTwoHexDigitsAtTheirValuesAndNoOtherByte)
{
    // Every byte value as the first and the last digit of a code: the red's high and the blue's low digit.
    // Values 0 to 15, then 'a' to 'f' at 10 to 15 again.
    const std::string digits = "0123456789ABCDEFabcdef";
    for (int byte = 0; byte < 256; byte++) {
        const char ch = static_cast<char>(byte);
        const size_t at = digits.find(ch);
        const bool digit = at != std::string::npos;
        const int value = !digit ? 0 : at < 16 ? static_cast<int>(at) : static_cast<int>(at) - 6;
        const std::string text = std::string("#") + ch + "0000" + ch;
        COLORREF color = UNTOUCHED;
        EXPECT_EQ(digit, Parse(text, &color) == TRUE) << Shown(text);
        const COLORREF expected = digit ? RGB(value * 16, 0, value) : UNTOUCHED;
        EXPECT_EQ(Hex(expected), Hex(color)) << "colour of " << Shown(text);
    }
}

TEST(ParseColorText, DecodesHexCodesInEitherCaseOfLetters)
{
    const struct {
        const char* text;
        COLORREF color;
    } cases[] = {
        {"#ff8000", RGB(255, 128, 0)}, {"#FF8000", RGB(255, 128, 0)}, {"#0a0B0c", RGB(10, 11, 12)},
        {"#123456", RGB(0x12, 0x34, 0x56)}, {"#AbCdEf", RGB(0xAB, 0xCD, 0xEF)}, {"#000000", 0},
        {"#ffffff", RGB(255, 255, 255)}, {"#00FF00", RGB(0, 255, 0)},
        // Whatever follows the sixth digit is not looked at.
        {"#1234567", RGB(0x12, 0x34, 0x56)}, {"#123456 ", RGB(0x12, 0x34, 0x56)},
        {"#123456\xFF", RGB(0x12, 0x34, 0x56)},
    };
    for (const auto& c : cases) {
        COLORREF color = UNTOUCHED;
        EXPECT_TRUE(Parse(c.text, &color)) << Shown(c.text) << " should decode";
        EXPECT_EQ(Hex(c.color), Hex(color)) << "colour of " << Shown(c.text);
    }
}

TEST(ParseColorText, DecodesEveryNameInAnyCaseAndAsAPrefix)
{
    for (const NameCase& entry : NAME_TABLE) {
        const std::string name = entry.name;
        const COLORREF expected = RGB(entry.red, entry.green, entry.blue);
        std::string capitalised = Upper(name.substr(0, 1)) + name.substr(1);
        std::string alternating = name;
        for (size_t i = 0; i < alternating.size(); i += 2)
            alternating[i] = Upper(alternating.substr(i, 1))[0];
        for (const std::string& text : {name, Upper(name), capitalised, alternating, name + "\xFF", name + "x"}) {
            if (text.size() > static_cast<size_t>(COLOR_TEXT_SIZE))
                continue;
            COLORREF color = UNTOUCHED;
            EXPECT_TRUE(Parse(text, &color)) << Shown(text) << " should decode as " << name;
            EXPECT_EQ(Hex(expected), Hex(color)) << "colour of " << Shown(text);
        }
    }
    COLORREF color = UNTOUCHED;
    EXPECT_TRUE(Parse("Redwood", &color));
    EXPECT_EQ(Hex(RGB(255, 0, 0)), Hex(color)) << "'Redwood' begins with red";
    EXPECT_TRUE(Parse("BlueSky", &color));
    EXPECT_EQ(Hex(RGB(0, 0, 255)), Hex(color)) << "'BlueSky' begins with blue";
}

TEST(ParseColorText, FindsNothingForMalformedCodesAndOtherWords)
{
    const char* const cases[] = {
        // A '#' text is a code or nothing: the names are not tried.
        "#FFF", "#12345", "#", "#GG0000", "# 12345", "#red", "#12G456", "#-12345", "#+12345", "#0x1234",
        "#12345\xB6", // '6' with its top bit set
        // Not a name at the start.
        "", " red", "grey", "cyan", "magenta", "orange", "re", "blac", "fuchsi", "\tred", "_red", "0red",
        // Japanese text in code page 932: 赤 (red) and 緑 (green).
        "\x90\xD4", "\x97\xCE",
    };
    for (const char* text : cases) {
        COLORREF color = UNTOUCHED;
        EXPECT_FALSE(Parse(text, &color)) << Shown(text) << " should not decode, got " << Hex(color);
        EXPECT_EQ(Hex(UNTOUCHED), Hex(color)) << "colour left alone for " << Shown(text);
    }
}

TEST(ParseColorText, FindsNothingWhenAnyByteOfANameOrCodeHasItsTopBitSet)
{
    // Folding or masking bytes 0x80 to 0xFF to ASCII would turn these into names or codes.
    std::string texts[] = {"#123456", "#abcdef", "#ABCDEF"};
    for (const std::string& code : texts) {
        for (size_t i = 0; i < code.size(); i++) {
            std::string text = code;
            text[i] = static_cast<char>(text[i] | 0x80);
            COLORREF color = UNTOUCHED;
            EXPECT_FALSE(Parse(text, &color)) << Shown(text) << " should not decode, got " << Hex(color);
        }
    }
    for (const NameCase& entry : NAME_TABLE) {
        for (const std::string& name : {std::string(entry.name), Upper(entry.name)}) {
            for (size_t i = 0; i < name.size(); i++) {
                std::string text = name;
                text[i] = static_cast<char>(text[i] | 0x80);
                COLORREF color = UNTOUCHED;
                EXPECT_FALSE(Parse(text, &color)) << Shown(text) << " should not decode, got " << Hex(color);
            }
        }
    }
}

TEST(ParseColorText, FindsNothingForAnyTextStartingWithAByteFrom0x80To0xFF)
{
    for (int byte = 0x80; byte <= 0xFF; byte++) {
        for (const char* rest : {"", "red", "123456", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"}) {
            std::string text = std::string(1, static_cast<char>(byte)) + rest;
            COLORREF color = UNTOUCHED;
            EXPECT_FALSE(Parse(text, &color)) << Shown(text) << " should not decode, got " << Hex(color);
        }
    }
}

TEST(ParseColorText, ReadsNoFurtherThanTheSeventhByteOfAFullBuffer)
{
    // Seven readable bytes end at the guard: touching the eighth byte of the buffer faults.
    const DecodeCase cases[] = {
        {"#123456", TRUE, RGB(0x12, 0x34, 0x56)}, {"#ABCDEF", TRUE, RGB(0xAB, 0xCD, 0xEF)},
        {"#12345G", FALSE, UNTOUCHED},            {"fuchsia", TRUE, RGB(255, 0, 255)},
        {"FUCHSIA", TRUE, RGB(255, 0, 255)},      {"fuchsix", FALSE, UNTOUCHED},
        {"Redwood", TRUE, RGB(255, 0, 0)},        {"xxxxxxx", FALSE, UNTOUCHED},
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF", FALSE, UNTOUCHED},
    };
    ExpectDecodedAtGuard(cases, COLOR_TEXT_SIZE - 1);
}

TEST(ParseColorText, DecodesFullEightByteBuffersWithoutANul)
{
    const DecodeCase cases[] = {
        {"#1234567", TRUE, RGB(0x12, 0x34, 0x56)}, {"#12345G7", FALSE, UNTOUCHED},
        {"fuchsias", TRUE, RGB(255, 0, 255)},      {"redwoods", TRUE, RGB(255, 0, 0)},
        {"yellowed", TRUE, RGB(255, 255, 0)},      {"grayness", TRUE, RGB(128, 128, 128)},
        {"xxxxxxxx", FALSE, UNTOUCHED},            {"\x90\xD4\x90\xD4\x90\xD4\x90\xD4", FALSE, UNTOUCHED},
    };
    ExpectDecodedAtGuard(cases, COLOR_TEXT_SIZE);
}

TEST(FormatColorText, EncodesEachOfTheSixteenColoursAsItsNameOutsideTheBuffer)
{
    for (const NameCase& entry : NAME_TABLE) {
        const COLORREF named = RGB(entry.red, entry.green, entry.blue);
        char buffer[COLOR_TEXT_SIZE];
        memset(buffer, 0x5A, sizeof buffer);
        ColorTextForm form = COLOR_TEXT_HEX;
        LPCSTR text = FormatColorText(named, buffer, &form);
        EXPECT_EQ(COLOR_TEXT_NAME, form) << entry.name;
        EXPECT_STREQ(entry.name, text) << "text of " << Hex(named);
        for (char ch : buffer)
            EXPECT_EQ(0x5A, ch) << "buffer written for the name " << entry.name;
    }
}

TEST(FormatColorText, EncodesOtherColoursAsUpperCaseCodesInsideTheBuffer)
{
    const struct {
        COLORREF color;
        const char* text;
    } cases[] = {
        {RGB(255, 0, 1), "#FF0001"},     {RGB(1, 2, 3), "#010203"},  {RGB(0x12, 0x34, 0x56), "#123456"},
        {RGB(0xAB, 0xCD, 0xEF), "#ABCDEF"}, {RGB(254, 255, 255), "#FEFFFF"},
        // A set top byte matches no name, and is not part of the code.
        {0x010000FF, "#FF0000"},         {0xFF000000, "#000000"},    {0x80FFFFFF, "#FFFFFF"},
        {0xFF123456, "#563412"},
    };
    for (const auto& c : cases) {
        // Guard bytes either side catch a write outside the 8-byte buffer.
        char guarded[COLOR_TEXT_SIZE + 2];
        memset(guarded, 0x5A, sizeof guarded);
        char* buffer = guarded + 1;
        ColorTextForm form = COLOR_TEXT_NAME;
        LPCSTR text = FormatColorText(c.color, buffer, &form);
        EXPECT_EQ(COLOR_TEXT_HEX, form) << Hex(c.color);
        EXPECT_EQ(buffer, text) << "code written into the caller's buffer for " << Hex(c.color);
        EXPECT_STREQ(c.text, buffer) << "text of " << Hex(c.color);
        EXPECT_EQ(0x5A, guarded[0]) << "byte before the buffer written for " << Hex(c.color);
        EXPECT_EQ(0x5A, guarded[COLOR_TEXT_SIZE + 1]) << "byte after the buffer written for " << Hex(c.color);
    }
}

TEST(FormatColorText, RoundTripsEveryColourThroughParseColorText)
{
    // All 2^24 colours (or a sample, see ROUND_TRIP_STEP): each encodes to a name of the table or to a
    // seven-character upper-case code that decodes back to it. Failures are counted, not asserted one by
    // one, to keep the loop fast.
    long names = 0;
    long failures = 0;
    std::string first_failure;
    for (COLORREF color = 0; color < 0x1000000; color += ROUND_TRIP_STEP) {
        char buffer[COLOR_TEXT_SIZE];
        ColorTextForm form;
        LPCSTR text = FormatColorText(color, buffer, &form);
        // The decoder is always handed a whole 8-byte buffer, so a name is copied into one.
        TextBuffer named = MakeBuffer(form == COLOR_TEXT_NAME ? text : "");
        COLORREF decoded = UNTOUCHED;
        BOOL found = ParseColorText(form == COLOR_TEXT_NAME ? named.bytes : text, &decoded);
        bool good = found && decoded == color;
        if (form == COLOR_TEXT_NAME) {
            names++;
        } else {
            good = good && text == buffer && buffer[0] == '#' && buffer[7] == '\0';
            for (int i = 1; i < 7; i++)
                good = good && ((buffer[i] >= '0' && buffer[i] <= '9') || (buffer[i] >= 'A' && buffer[i] <= 'F'));
        }
        if (!good && failures++ == 0)
            first_failure = Hex(color) + " encoded as " + Shown(text) + ", decoded as " + Hex(decoded);
    }
    EXPECT_EQ(0, failures) << "first: " << first_failure;
    if (ROUND_TRIP_STEP == 1) {
        EXPECT_EQ(static_cast<long>(sizeof NAME_TABLE / sizeof NAME_TABLE[0]), names) << "colours encoded as names";
    }
}
