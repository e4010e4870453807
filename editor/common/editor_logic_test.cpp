// Tests of the editor side's logic that needs no window: load failures in words, the events of a view, and
// text as the view keeps it and the transcript shows it.
#include "load_error.h"
#include "text_forms.h"
#include "view_events.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

// The first bytes of a Windows image for a machine: "MZ", the signature's offset, "PE\0\0", the machine.
std::vector<unsigned char> ImageHead(unsigned machine, unsigned long peOffset = 0x80)
{
    std::vector<unsigned char> head(0x200, 0);
    head[0] = 'M';
    head[1] = 'Z';
    for (int i = 0; i < 4; i++)
        head[0x3C + i] = static_cast<unsigned char>(peOffset >> (8 * i));
    if (peOffset + 6 <= head.size()) {
        head[peOffset] = 'P';
        head[peOffset + 1] = 'E';
        head[peOffset + 4] = static_cast<unsigned char>(machine);
        head[peOffset + 5] = static_cast<unsigned char>(machine >> 8);
    }
    return head;
}

// The whole reason, as a string.
std::string Reason(unsigned long error, int dllBits, int programBits)
{
    char text[512];
    size_t length = LoadErrorReason(error, dllBits, programBits, text, sizeof text);
    EXPECT_EQ(strlen(text), length) << "the length returned is the length written when it fits";
    return text;
}

TEST(LoadError, ImageBitsComeFromTheMachineField)
{
    EXPECT_EQ(32, ImageBits(ImageHead(0x14C).data(), 0x200));
    EXPECT_EQ(64, ImageBits(ImageHead(0x8664).data(), 0x200));
    EXPECT_EQ(0, ImageBits(ImageHead(0xAA64).data(), 0x200)) << "an ARM64 image is neither";
}

TEST(LoadError, ImageBitsOfWhatIsNoImageAreZero)
{
    std::vector<unsigned char> head = ImageHead(0x14C);
    EXPECT_EQ(0, ImageBits(head.data(), 0x3F)) << "too short for the signature's offset";
    EXPECT_EQ(0, ImageBits(head.data(), 0x85)) << "cut inside the machine field";
    std::vector<unsigned char> beyond = ImageHead(0x14C, 0x1FC);
    EXPECT_EQ(0, ImageBits(beyond.data(), beyond.size())) << "signature's offset near the end";
    std::vector<unsigned char> huge = ImageHead(0x14C, 0xFFFFFFF0);
    EXPECT_EQ(0, ImageBits(huge.data(), huge.size())) << "signature's offset past the end";
    head[0] = 'Z';
    EXPECT_EQ(0, ImageBits(head.data(), head.size())) << "no MZ";
    head = ImageHead(0x14C);
    head[0x81] = 'X';
    EXPECT_EQ(0, ImageBits(head.data(), head.size())) << "no PE signature";
}

TEST(LoadError, WrongWordSizeNamesTheTreesThatMatch)
{
    EXPECT_EQ("it is a 64-bit DLL, which this 32-bit window cannot load (error 193): run the 64-bit window of "
              "build/mingw-x86_64 (editor/window/huebird-window.exe), or give this one the 32-bit DLL of "
              "build/mingw-i686 (host/Huebird.dll)",
              Reason(193, 64, 32));
    EXPECT_EQ("it is a 32-bit DLL, which this 64-bit window cannot load (error 193): run the 32-bit window of "
              "build/mingw-i686 (editor/window/huebird-window.exe), or give this one the 64-bit DLL of "
              "build/mingw-x86_64 (host/Huebird.dll)",
              Reason(193, 32, 64));
}

TEST(LoadError, OtherFailuresSayWhatTheNumberMeans)
{
    const struct {
        unsigned long error;
        int dllBits;
        const char* reason;
    } cases[] = {
        {193, 0, "it is not a Windows DLL for this 32-bit window (error 193)"},
        {193, 32, "it is not a Windows DLL for this 32-bit window (error 193)"},
        {2, 0, "the file or a DLL that it needs was not found (error 2)"},
        {126, 32, "the file or a DLL that it needs was not found (error 126)"},
        {5, 0, "the file may not be read (error 5)"},
        {1114, 32, "its entry function refused to start (error 1114)"},
        {87, 32, "the system refused it (error 87)"},
        {0, 0, "the system refused it (error 0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.reason, Reason(c.error, c.dllBits, 32)) << "error " << c.error;
}

TEST(LoadError, AReasonLongerThanItsBufferIsCutWithinIt)
{
    const std::string whole = Reason(193, 64, 32);
    for (size_t size : {0, 1, 9, 40}) {
        char area[48];
        memset(area, 'x', sizeof area);
        size_t length = LoadErrorReason(193, 64, 32, area, size);
        EXPECT_EQ(whole.size(), length) << "size " << size << ": the whole reason's length";
        if (size > 0) {
            EXPECT_EQ(whole.substr(0, size - 1), std::string(area)) << "size " << size;
        }
        for (size_t i = size; i < sizeof area; i++)
            ASSERT_EQ('x', area[i]) << "size " << size << ": written at " << i;
    }
}

// The events of a change as their names, joined with commas.
std::string EventsOf(const ViewState& before, const ViewState& after)
{
    UINT events[MOST_VIEW_EVENTS];
    int count = ViewEvents(before, after, events);
    std::string names;
    for (int i = 0; i < count; i++)
        names += (i ? ", " : "") + std::string(EventName(events[i]));
    return names;
}

ViewState View(unsigned long version, bool modified, unsigned long start, unsigned long end)
{
    ViewState state;
    state.textVersion = version;
    state.modified = modified;
    state.selectionStart = start;
    state.selectionEnd = end;
    return state;
}

TEST(ViewEvents, EachChangeMakesItsEventsInTheEditorsOrder)
{
    const struct {
        const char* change;
        ViewState before, after;
        const char* events;
    } cases[] = {
        {"nothing", View(3, false, 5, 5), View(3, false, 5, 5), ""},
        {"first key typed", View(0, false, 5, 5), View(1, true, 6, 6),
         "text altered, modified state changed, caret moved"},
        {"next key typed", View(1, true, 6, 6), View(2, true, 7, 7), "text altered, caret moved"},
        {"saved", View(2, true, 7, 7), View(2, false, 7, 7), "modified state changed"},
        {"caret moved, nothing selected", View(2, false, 7, 7), View(2, false, 3, 3), "caret moved"},
        {"text selected forward", View(2, false, 3, 3), View(2, false, 3, 9), "selection changed, caret moved"},
        {"selection's start moved", View(2, false, 3, 9), View(2, false, 1, 9), "selection changed"},
        {"selection dropped at its end", View(2, false, 1, 9), View(2, false, 9, 9), "selection changed"},
        {"selection replaced by an insertion", View(4, false, 11, 18),
         View(5, true, 15, 15), "text altered, modified state changed, selection changed, caret moved"},
        {"text altered, caret kept (a deletion after it)", View(5, true, 2, 2), View(6, true, 2, 2), "text altered"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.events, EventsOf(c.before, c.after)) << c.change;
}

TEST(ViewEvents, NamesOfTheEventsTheEditorSends)
{
    const struct {
        UINT event;
        const char* name;
    } cases[] = {
        {0x10, "selection changed"},  {0x20, "caret moved"},     {0x40, "modified state changed"},
        {0x200, "text altered"},      {0x400, "plug-in loaded"}, {0x800, "plug-in may be freed"},
        {0x1000, "focus lost"},       {0x2000, "focus gained"},  {0x10000, "window opened"},
        {0x20000, "window closing"},  {0x80, "unknown event"},   {0x440, "unknown event"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, EventName(c.event)) << "0x" << std::hex << c.event;
}

TEST(TextForms, LineBreaksBecomeTheViews)
{
    const struct {
        const wchar_t* text;
        const wchar_t* view;
    } cases[] = {
        {L"", L""},
        {L"a\nb", L"a\r\nb"},
        {L"a\rb", L"a\r\nb"},
        {L"a\r\nb", L"a\r\nb"},
        {L"\n\r", L"\r\n\r\n"},     // a line feed before a return is two breaks
        {L"\r\r\n", L"\r\n\r\n"},
        {L"end\r", L"end\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.view, ViewLineBreaks(c.text));
}

TEST(TextForms, QuotingEscapesWhatWouldBreakALine)
{
    const struct {
        const wchar_t* text;
        const wchar_t* quoted;
    } cases[] = {
        {L"", L"\"\""},
        {L"lime", L"\"lime\""},
        {L"a\r\nb\tc", L"\"a\\r\\nb\\tc\""},
        {L"say \"hi\" \\ bye", L"\"say \\\"hi\\\" \\\\ bye\""},
        {L"色を選択", L"\"色を選択\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.quoted, Quoted(c.text));
}

TEST(TextForms, LongDocumentsShowTheirLengthAndEnds)
{
    std::wstring whole(120, L'x');
    EXPECT_EQ(L"\"" + whole + L"\"", DocumentSummary(whole));
    std::wstring text = std::wstring(30, L'a') + std::wstring(61, L'-') + std::wstring(30, L'z');
    EXPECT_EQ(L"of 121 characters, \"" + std::wstring(30, L'a') + L"\" ... \"" + std::wstring(30, L'z') + L"\"",
              DocumentSummary(text));
}

TEST(TextForms, ColoursShowCodeAndComponents)
{
    EXPECT_EQ(L"#123456 (red 18, green 52, blue 86)", ColorText(RGB(18, 52, 86)));
    EXPECT_EQ(L"#FF0000 (red 255, green 0, blue 0)", ColorText(RGB(255, 0, 0)));
}

} // namespace
