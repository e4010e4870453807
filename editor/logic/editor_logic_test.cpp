// Tests of the editor side's logic that needs no window: the events of a view, and text as the view keeps it
// and the transcript shows it.
#include "text_forms.h"
#include "view_events.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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
