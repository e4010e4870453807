// Tests of the plug-in procedure: constant answers, text requests, bitmap choice and the uninstall question.
#include "host/editor.h"
#include "host/exports.h"
#include "host/huebird.h"
#include "resources/strings.h"
#include "standin/standin.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// Bytes of guard on each side of a destination buffer, and the value they hold.
const size_t GUARD = 16;
const unsigned char GUARD_BYTE = 0xA5;

// A destination of a given capacity with guard bytes on both sides; every byte starts as a guard byte,
// so bytes that the plug-in should not write are checked the same way as the guards.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t capacity) : capacity(capacity), area(GUARD + capacity + GUARD, GUARD_BYTE) {}

    char* dest() { return &area[GUARD]; }
    LPARAM lParam() { return reinterpret_cast<LPARAM>(dest()); }

    // Checks that the destination starts with exactly `written` (its NUL included) and that every other
    // byte, inside the capacity or in the guards, is untouched.
    void ExpectWritten(const std::string& written) const
    {
        for (size_t i = 0; i < area.size(); i++) {
            size_t offset = i - GUARD; // wraps for the leading guard, which then lies outside written
            bool inWritten = i >= GUARD && offset < written.size();
            unsigned expected = static_cast<unsigned char>(inWritten ? written[offset] : GUARD_BYTE);
            unsigned actual = static_cast<unsigned char>(area[i]);
            if (expected != actual) {
                ADD_FAILURE() << "byte " << static_cast<long>(i) - static_cast<long>(GUARD)
                              << " of a destination of capacity " << capacity << ": expected " << expected
                              << ", got " << actual;
                return;
            }
        }
    }

    size_t capacity;
    std::string area;
};

LRESULT CALLBACK SilentProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

class PlugInProcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DllMain(StandinPluginModule(), DLL_PROCESS_ATTACH, nullptr);
        StandinResetMessageBox();
        editor = StandinCreateWindow(SilentProc, nullptr);
        ASSERT_NE(nullptr, editor);
    }

    void TearDown() override
    {
        StandinDestroyWindow(editor);
        StandinResetMessageBox();
        StandinSetUiLanguage(STANDIN_JAPANESE);
        if (module)
            StandinDestroyModule(module);
        ModuleInstance = nullptr;
    }

    // Attaches the plug-in to a module with the given string table instead of its own.
    void AttachTo(const StandinString* strings, int count)
    {
        module = StandinCreateModule(strings, count);
        ASSERT_NE(nullptr, module);
        DllMain(module, DLL_PROCESS_ATTACH, nullptr);
    }

    HWND editor = nullptr;
    HINSTANCE module = nullptr;
};

TEST_F(PlugInProcTest, MessagesWithConstantAnswersWriteNothing)
{
    struct Case {
        UINT msg;
        LRESULT result;
    };
    const Case cases[] = {{0x8FF, 0}, {0x900, 0}, {0x901, 0}, {0x903, 0}, {0x905, 0}, {0x906, 1},
                          {0x909, 0}, {0x90A, 0}, {0, 0},     {0x400, 0}, {0xFFFFFFFF, 0}};
    const WPARAM wParams[] = {0, 1, 80, ~static_cast<WPARAM>(0)};
    for (const Case& c : cases) {
        for (WPARAM wParam : wParams) {
            GuardedBuffer buffer(80);
            SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.msg << ", wParam 0x" << wParam);
            EXPECT_EQ(c.result, PlugInProc(editor, c.msg, wParam, buffer.lParam()));
            EXPECT_EQ(c.result, PlugInProc(editor, c.msg, wParam, 0));
            buffer.ExpectWritten("");
        }
    }
    EXPECT_EQ(0, StandinLastMessageBox()->count) << "a constant answer showed a message box";
}

TEST_F(PlugInProcTest, BitmapFollowsSizeAndColourFlags)
{
    struct Case {
        WPARAM flags;
        LRESULT bitmap;
    };
    const Case cases[] = {
        {0x0, 101},  {0x1, 102},  {0x10, 103}, {0x11, 104}, {0x20, 105}, {0x21, 106}, {0x30, 105},
        {0x31, 106}, {0x40, 101}, {0x41, 102}, {0x50, 103}, {0x60, 105}, {0xFFCE, 101}, {~static_cast<WPARAM>(0), 106},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.bitmap, PlugInProc(editor, PIP_GET_BITMAP, c.flags, 0)) << "flags 0x" << std::hex << c.flags;
    }
}

// A text request's capacity and what it should write, the NUL included.
struct TextCase {
    WPARAM capacity;
    std::string written;
};

void CheckTextRequest(HWND editor, UINT msg, const std::string& text)
{
    const LRESULT answer = static_cast<LRESULT>(text.size() + 1);
    const std::string whole = text + '\0';
    const TextCase cases[] = {
        {0, ""},                                           // capacity 0: nothing at all
        {1, std::string(1, '\0')},                         // only the NUL
        {2, text.substr(0, 1) + '\0'},                     //
        {text.size(), text.substr(0, text.size() - 1) + '\0'}, // one short: cut, still terminated
        {text.size() + 1, whole},                          // exact fit
        {80, whole},                                       // room to spare: the rest stays untouched
    };
    for (const TextCase& c : cases) {
        GuardedBuffer buffer(c.capacity);
        SCOPED_TRACE(testing::Message() << "capacity " << c.capacity);
        EXPECT_EQ(answer, PlugInProc(editor, msg, c.capacity, buffer.lParam()));
        buffer.ExpectWritten(c.written);
    }

    // No destination: only the size the editor needs.
    EXPECT_EQ(answer, PlugInProc(editor, msg, 80, 0));

    // A capacity beyond int's range writes the text and its NUL, no more.
    GuardedBuffer roomy(80);
    EXPECT_EQ(answer, PlugInProc(editor, msg, ~static_cast<WPARAM>(0), roomy.lParam()));
    roomy.ExpectWritten(whole);

    // On 64-bit Windows, a capacity whose low 32 bits are 0 is still a large capacity.
    if (sizeof(WPARAM) > sizeof(int)) {
        GuardedBuffer wide(80);
        const WPARAM capacity = static_cast<WPARAM>(0xFFFFFFFFu) + 1;
        EXPECT_EQ(answer, PlugInProc(editor, msg, capacity, wide.lParam()));
        wide.ExpectWritten(whole);
    }
}

TEST_F(PlugInProcTest, NameRequestAnswersLengthPlusOneAndStaysWithinCapacity)
{
    CheckTextRequest(editor, PIP_GET_NAME, "Huebird");
}

TEST_F(PlugInProcTest, VersionRequestAnswersLengthPlusOneAndStaysWithinCapacity)
{
    CheckTextRequest(editor, PIP_GET_VERSION, "Version 0.2 by Quenlo");
}

TEST_F(PlugInProcTest, TextThatCannotBeLoadedAnswersAsEmpty)
{
    // A module without strings 4 and 5; the stand-in leaves garbage in the buffer of a failed load.
    const StandinString strings[] = {{3, "question"}};
    AttachTo(strings, 1);
    const UINT msgs[] = {PIP_GET_NAME, PIP_GET_VERSION};
    for (UINT msg : msgs) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << msg);
        GuardedBuffer buffer(80), none(0);
        EXPECT_EQ(1, PlugInProc(editor, msg, 80, buffer.lParam()));
        buffer.ExpectWritten(std::string(1, '\0'));
        EXPECT_EQ(1, PlugInProc(editor, msg, 0, none.lParam()));
        none.ExpectWritten("");
        EXPECT_EQ(1, PlugInProc(editor, msg, 80, 0));
    }
}

TEST_F(PlugInProcTest, TextRequestBeforeAttachAnswersAsEmpty)
{
    ModuleInstance = nullptr;
    GuardedBuffer buffer(80);
    EXPECT_EQ(1, PlugInProc(editor, PIP_GET_NAME, 80, buffer.lParam()));
    buffer.ExpectWritten(std::string(1, '\0'));
}

TEST_F(PlugInProcTest, TextLongerThanTheStringBufferIsCutTo79Bytes)
{
    const std::string longName(100, 'n');
    const StandinString strings[] = {{4, longName.c_str()}};
    AttachTo(strings, 1);
    GuardedBuffer buffer(120);
    EXPECT_EQ(80, PlugInProc(editor, PIP_GET_NAME, 120, buffer.lParam()));
    buffer.ExpectWritten(std::string(79, 'n') + '\0');
}

TEST_F(PlugInProcTest, UninstallQuestionAnswersOneOnlyForYes)
{
    struct Case {
        int answer; // what the message box returns; 0 is a box that failed
        LRESULT result;
    };
    const Case cases[] = {{IDYES, 1}, {IDNO, 0}, {0, 0}, {IDOK, 0}, {IDCANCEL, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "message box answers " << c.answer);
        StandinResetMessageBox();
        StandinSetMessageBoxAnswer(c.answer);
        EXPECT_EQ(c.result, PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0));
        const StandinMessageBox* box = StandinLastMessageBox();
        ASSERT_EQ(1, box->count);
        EXPECT_EQ(editor, box->owner);
        EXPECT_STREQ(STRING_CONFIRM_UNINSTALL_JAPANESE, box->text);
        EXPECT_STREQ("EmEditor", box->caption);
        EXPECT_EQ(0x24u, box->style) << "expected MB_YESNO | MB_ICONQUESTION";
    }
    EXPECT_EQ(StandinPluginModule(), ModuleInstance) << "the question changed the plug-in's state";
}

TEST_F(PlugInProcTest, UninstallQuestionIsJapaneseOnAJapaneseSystemAndEnglishOnAnyOther)
{
    struct Case {
        WORD language;
        const char* question;
    };
    const Case cases[] = {
        {0x411, STRING_CONFIRM_UNINSTALL_JAPANESE}, // Japanese (Japan)
        {0x409, STRING_CONFIRM_UNINSTALL_ENGLISH},  // English (United States)
        {0x809, STRING_CONFIRM_UNINSTALL_ENGLISH},  // English (United Kingdom)
        {0x407, STRING_CONFIRM_UNINSTALL_ENGLISH},  // German: no table of its own
        {0x804, STRING_CONFIRM_UNINSTALL_ENGLISH},  // Chinese (Simplified)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "user-interface language 0x" << std::hex << c.language);
        StandinSetUiLanguage(c.language);
        StandinResetMessageBox();
        StandinSetMessageBoxAnswer(IDYES);
        EXPECT_EQ(1, PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0));
        EXPECT_STREQ(c.question, StandinLastMessageBox()->text);
        // The name and version are the same in either table.
        GuardedBuffer name(80);
        EXPECT_EQ(8, PlugInProc(editor, PIP_GET_NAME, 80, name.lParam()));
        name.ExpectWritten(std::string("Huebird") + '\0');
    }
}

TEST_F(PlugInProcTest, UninstallQuestionWithoutItsTextShowsNothingAndRefuses)
{
    // No string 3 in the first module, an empty one in the second.
    const StandinString missing[] = {{4, "Huebird"}};
    const StandinString empty[] = {{3, ""}};
    const StandinString* tables[] = {missing, empty};
    for (const StandinString* table : tables) {
        AttachTo(table, 1);
        StandinSetMessageBoxAnswer(IDYES);
        EXPECT_EQ(0, PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0));
        EXPECT_EQ(0, StandinLastMessageBox()->count) << "showed a box with text '" << StandinLastMessageBox()->text
                                                    << "'";
        StandinDestroyModule(module);
        module = nullptr;
    }
}

} // namespace
