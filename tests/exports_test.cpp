// Tests of the library entry and the small exports: resource numbers, QueryStatus and OnEvents.
#include "host/exports.h"

#include "host/editor.h"
#include "host/huebird.h"
#include "cases/event_cases.h"
#include "standin/standin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One message that reached a recording window.
struct Sent {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message the recording windows received during the current test.
std::vector<Sent> Received;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Received.push_back({hwnd, msg, wParam, lParam});
    return 0;
}

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As at load: nothing attached, nothing saved.
        ModuleInstance = nullptr;
        SavedEventParam = 0;
        Received.clear();
        editor = StandinCreateWindow(RecordingProc, nullptr);
        other = StandinCreateWindow(RecordingProc, nullptr);
        ASSERT_NE(nullptr, editor);
        ASSERT_NE(nullptr, other);
    }

    void TearDown() override
    {
        StandinDestroyWindow(editor);
        StandinDestroyWindow(other);
    }

    HWND editor = nullptr;
    HWND other = nullptr;
};

TEST_F(ExportsTest, ResourceNumbersAreConstantFromTheFirstCall)
{
    for (int call = 0; call < 3; call++) {
        EXPECT_EQ(1u, GetMenuTextID()) << "call " << call;
        EXPECT_EQ(2u, GetStatusMessageID()) << "call " << call;
        EXPECT_EQ(101u, GetBitmapID()) << "call " << call;
    }
}

TEST_F(ExportsTest, DllMainRecordsTheHandleOnProcessAttachOnly)
{
    HINSTANCE module = StandinPluginModule();
    EXPECT_EQ(TRUE, DllMain(module, DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(module, ModuleInstance);

    // The other reasons, even with another handle, leave the recorded one alone.
    HINSTANCE stranger = reinterpret_cast<HINSTANCE>(&Received);
    const DWORD reasons[] = {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH, 7};
    for (DWORD reason : reasons) {
        EXPECT_EQ(TRUE, DllMain(stranger, reason, nullptr)) << "reason " << reason;
        EXPECT_EQ(module, ModuleInstance) << "reason " << reason << " changed ModuleInstance";
    }
}

TEST_F(ExportsTest, QueryStatusWritesFalseOverTrueAndNothingBeside)
{
    const HWND windows[] = {editor, nullptr};
    for (HWND window : windows) {
        BOOL area[3] = {TRUE, TRUE, TRUE};
        EXPECT_EQ(TRUE, QueryStatus(window, &area[1]));
        EXPECT_EQ(FALSE, area[1]) << "the BOOL still holds " << area[1];
        EXPECT_EQ(TRUE, area[0]) << "wrote before the BOOL";
        EXPECT_EQ(TRUE, area[2]) << "wrote after the BOOL";
    }
    EXPECT_TRUE(Received.empty()) << "QueryStatus sent " << Received.size() << " messages";
}

// Runs the calls in order, from nothing saved, checking each call's messages.
template <size_t N> void RunEvents(HWND editor, HWND other, const EventCall (&calls)[N])
{
    SavedEventParam = 0;
    for (size_t i = 0; i < N; i++) {
        const EventCall& call = calls[i];
        HWND window = call.window == EDITOR_WINDOW ? editor : other;
        Received.clear();
        OnEvents(window, call.events, static_cast<LPARAM>(call.param));
        SCOPED_TRACE(testing::Message() << "call " << i << ": events 0x" << std::hex << call.events);
        if (!call.sends) {
            EXPECT_TRUE(Received.empty()) << "expected no message, got " << Received.size();
            continue;
        }
        ASSERT_EQ(1u, Received.size()) << "expected one replay message";
        EXPECT_EQ(window, Received[0].hwnd);
        EXPECT_EQ(0x802u, Received[0].msg);
        EXPECT_EQ(static_cast<WPARAM>(call.sent), Received[0].wParam);
        EXPECT_EQ(0, Received[0].lParam);
    }
}

TEST_F(ExportsTest, ReplayBeforeAnySaveSendsZero)
{
    RunEvents(editor, other, REPLAY_BEFORE_ANY_SAVE);
}

TEST_F(ExportsTest, SaveAndReplayInOneCallSendsThatCallsParameter)
{
    RunEvents(editor, other, SAVE_AND_REPLAY_IN_ONE_CALL);
}

TEST_F(ExportsTest, SaveAloneSendsNothingAndIsReplayedLater)
{
    RunEvents(editor, other, SAVE_ALONE_REPLAYED_LATER);
}

TEST_F(ExportsTest, OtherBitsNeitherSaveNorSend)
{
    RunEvents(editor, other, OTHER_BITS_NEITHER_SAVE_NOR_SEND);
}

TEST_F(ExportsTest, SavedParameterKeepsEveryBitOfLparam)
{
    RunEvents(editor, other, EVERY_BIT_OF_THE_PARAMETER_KEPT);
}

TEST_F(ExportsTest, ParameterSavedFromOneWindowIsSentToTheWindowThatAsks)
{
    RunEvents(editor, other, SAVED_IN_ONE_WINDOW_SENT_TO_THE_ONE_THAT_ASKS);
}

} // namespace
