// Tests of the plug-in procedure: constant answers, text requests, bitmap choice and the uninstall question.
#include "host/editor.h"
#include "host/exports.h"
#include "host/huebird.h"
#include "cases/guarded_buffer.h"
#include "cases/plugin_proc_cases.h"
#include "resources/strings.h"
#include "standin/standin.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// Reports the first byte of a destination that differs from what it should hold.
struct FailureReport {
    void Differs(long offset, size_t capacity, unsigned expected, unsigned actual)
    {
        ADD_FAILURE() << "byte " << offset << " of a destination of capacity " << capacity << ": expected "
                      << expected << ", got " << actual;
    }
};

// Checks that the destination starts with exactly `written` (its NUL included) and that every other byte,
// inside the capacity or in the guards, is untouched.
void ExpectWritten(const GuardedBuffer& buffer, const std::string& written)
{
    FailureReport report;
    buffer.Holds(written.data(), written.size(), &report);
}

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
    for (const ConstantAnswerCase& c : CONSTANT_ANSWER_CASES) {
        for (unsigned long long bits : CONSTANT_ANSWER_WPARAMS) {
            const WPARAM wParam = static_cast<WPARAM>(bits);
            GuardedBuffer buffer(80);
            SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.msg << ", wParam 0x" << wParam);
            EXPECT_EQ(c.answer, PlugInProc(editor, c.msg, wParam, buffer.Dest()));
            EXPECT_EQ(c.answer, PlugInProc(editor, c.msg, wParam, 0));
            ExpectWritten(buffer, "");
        }
    }
    EXPECT_EQ(0, StandinLastMessageBox()->count) << "a constant answer showed a message box";
}

TEST_F(PlugInProcTest, BitmapFollowsSizeAndColourFlags)
{
    for (const BitmapChoiceCase& c : BITMAP_CHOICE_CASES) {
        const WPARAM flags = static_cast<WPARAM>(c.flags);
        EXPECT_EQ(c.bitmap, PlugInProc(editor, PIP_GET_BITMAP, flags, 0)) << "flags 0x" << std::hex << flags;
    }
}

TEST_F(PlugInProcTest, NameAndVersionAnswerTheirLengthPlusOneAndStayWithinCapacity)
{
    for (const TextRequestCase& c : TEXT_REQUEST_CASES) {
        if (!IsWparam(c.capacity, sizeof(WPARAM)))
            continue;
        const char* text = nullptr;
        for (const TextRequest& request : TEXT_REQUESTS)
            text = request.msg == c.msg ? request.text : text;
        ASSERT_NE(nullptr, text) << "no text for message 0x" << std::hex << c.msg;
        const WPARAM capacity = static_cast<WPARAM>(c.capacity);
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.msg << ", capacity 0x" << capacity
                                        << (c.destination ? "" : ", no destination"));
        // A capacity beyond the buffer's 80 bytes: only the text and its NUL may be written there.
        GuardedBuffer buffer(capacity);
        EXPECT_EQ(static_cast<LRESULT>(strlen(text) + 1),
                  PlugInProc(editor, c.msg, capacity, c.destination ? buffer.Dest() : 0));
        ExpectWritten(buffer, c.kept == NOTHING_WRITTEN ? std::string() : std::string(text, c.kept) + '\0');
    }
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
        EXPECT_EQ(1, PlugInProc(editor, msg, 80, buffer.Dest()));
        ExpectWritten(buffer, std::string(1, '\0'));
        EXPECT_EQ(1, PlugInProc(editor, msg, 0, none.Dest()));
        ExpectWritten(none, "");
        EXPECT_EQ(1, PlugInProc(editor, msg, 80, 0));
    }
}

TEST_F(PlugInProcTest, TextRequestBeforeAttachAnswersAsEmpty)
{
    ModuleInstance = nullptr;
    GuardedBuffer buffer(80);
    EXPECT_EQ(1, PlugInProc(editor, PIP_GET_NAME, 80, buffer.Dest()));
    ExpectWritten(buffer, std::string(1, '\0'));
}

TEST_F(PlugInProcTest, TextLongerThanTheStringBufferIsCutTo79Bytes)
{
    const std::string longName(100, 'n');
    const StandinString strings[] = {{4, longName.c_str()}};
    AttachTo(strings, 1);
    GuardedBuffer buffer(120);
    EXPECT_EQ(80, PlugInProc(editor, PIP_GET_NAME, 120, buffer.Dest()));
    ExpectWritten(buffer, std::string(79, 'n') + '\0');
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
        EXPECT_EQ(std::wstring(L"" STRING_CONFIRM_UNINSTALL_JAPANESE), box->text);
        EXPECT_EQ(std::wstring(L"EmEditor"), box->caption);
        EXPECT_EQ(0x24u, box->style) << "expected MB_YESNO | MB_ICONQUESTION";
    }
    EXPECT_EQ(StandinPluginModule(), ModuleInstance) << "the question changed the plug-in's state";
}

TEST_F(PlugInProcTest, UninstallQuestionIsJapaneseOnAJapaneseSystemAndEnglishOnAnyOther)
{
    struct Case {
        WORD language;
        const wchar_t* question;
    };
    const Case cases[] = {
        {0x411, L"" STRING_CONFIRM_UNINSTALL_JAPANESE}, // Japanese (Japan)
        {0x409, L"" STRING_CONFIRM_UNINSTALL_ENGLISH},  // English (United States)
        {0x809, L"" STRING_CONFIRM_UNINSTALL_ENGLISH},  // English (United Kingdom)
        {0x407, L"" STRING_CONFIRM_UNINSTALL_ENGLISH},  // German: no table of its own
        {0x804, L"" STRING_CONFIRM_UNINSTALL_ENGLISH},  // Chinese (Simplified)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "user-interface language 0x" << std::hex << c.language);
        StandinSetUiLanguage(c.language);
        StandinResetMessageBox();
        StandinSetMessageBoxAnswer(IDYES);
        EXPECT_EQ(1, PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0));
        EXPECT_EQ(std::wstring(c.question), StandinLastMessageBox()->text);
        // The name and version are the same in either table.
        GuardedBuffer name(80);
        EXPECT_EQ(8, PlugInProc(editor, PIP_GET_NAME, 80, name.Dest()));
        ExpectWritten(name, std::string("Huebird") + '\0');
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

TEST_F(PlugInProcTest, UninstallQuestionIsCutTo79CharactersNotBytes)
{
    // 100 characters of three UTF-8 bytes each, one UTF-16 unit each: cut by units, and terminated.
    std::string longQuestion;
    for (int i = 0; i < 100; i++)
        longQuestion += "\xE3\x82\xA2"; // KATAKANA LETTER A
    const StandinString strings[] = {{3, longQuestion.c_str()}};
    AttachTo(strings, 1);
    StandinSetMessageBoxAnswer(IDNO);
    EXPECT_EQ(0, PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0));
    ASSERT_EQ(1, StandinLastMessageBox()->count);
    EXPECT_EQ(std::wstring(79, L'\x30A2'), StandinLastMessageBox()->text);
}

} // namespace
