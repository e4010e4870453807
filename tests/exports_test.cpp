// Tests of the library entry and the small exports: resource numbers, QueryStatus and OnEvents.
#include "host/exports.h"

#include "host/editor.h"
#include "host/huebird.h"
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

// A call of OnEvents and the replay message it should send, if any.
struct EventCase {
    UINT events;
    LPARAM param;
    bool sends;
    WPARAM sentParam; // when sends
};

// Runs the calls in order against the editor window, checking each call's messages.
void RunEvents(HWND editor, const std::vector<EventCase>& calls)
{
    for (size_t i = 0; i < calls.size(); i++) {
        const EventCase& call = calls[i];
        Received.clear();
        OnEvents(editor, call.events, call.param);
        SCOPED_TRACE(testing::Message() << "call " << i << ": events 0x" << std::hex << call.events);
        if (!call.sends) {
            EXPECT_TRUE(Received.empty()) << "expected no message, got " << Received.size();
            continue;
        }
        ASSERT_EQ(1u, Received.size()) << "expected one replay message";
        EXPECT_EQ(editor, Received[0].hwnd);
        EXPECT_EQ(0x802u, Received[0].msg);
        EXPECT_EQ(call.sentParam, Received[0].wParam);
        EXPECT_EQ(0, Received[0].lParam);
    }
}

TEST_F(ExportsTest, ReplayBeforeAnySaveSendsZero)
{
    RunEvents(editor, {{EVENT_REPLAY_PARAM, 77, true, 0}});
}

TEST_F(ExportsTest, SaveAndReplayInOneCallSendsThatCallsParameter)
{
    RunEvents(editor, {{0x400, 5, false, 0}, {0x440, 1234, true, 1234}, {0x40, 9, true, 1234}});
}

TEST_F(ExportsTest, SaveAloneSendsNothingAndIsReplayedLater)
{
    RunEvents(editor, {{0x400, 42, false, 0}, {0x40, 0, true, 42}, {0x40, 0, true, 42}});
}

TEST_F(ExportsTest, OtherBitsNeitherSaveNorSend)
{
    RunEvents(editor, {{0x400, 3, false, 0},
                       {0x1, 100, false, 0},
                       {0x80, 200, false, 0},
                       {0, 300, false, 0},
                       {~(EVENT_SAVE_PARAM | EVENT_REPLAY_PARAM), 400, false, 0},
                       {0x40, 0, true, 3},
                       {~0u, 500, true, 500}});
}

TEST_F(ExportsTest, SavedParameterKeepsEveryBitOfLparam)
{
    // The most negative LPARAM, and one with the top bit set, on either width.
    const LPARAM extreme = static_cast<LPARAM>(static_cast<WPARAM>(1) << (sizeof(LPARAM) * 8 - 1));
    const LPARAM mixed = static_cast<LPARAM>(~static_cast<WPARAM>(0) - 0x1234);
    RunEvents(editor, {{0x400, extreme, false, 0},
                       {0x40, 0, true, static_cast<WPARAM>(extreme)},
                       {0x440, mixed, true, static_cast<WPARAM>(mixed)},
                       {0x440, -1, true, static_cast<WPARAM>(-1)}});
}

TEST_F(ExportsTest, ParameterSavedFromOneWindowIsSentToTheWindowThatAsks)
{
    OnEvents(other, EVENT_SAVE_PARAM, 61);
    EXPECT_TRUE(Received.empty());
    OnEvents(editor, EVENT_REPLAY_PARAM, 0);
    ASSERT_EQ(1u, Received.size());
    EXPECT_EQ(editor, Received[0].hwnd) << "sent to the saving window instead";
    EXPECT_EQ(61u, Received[0].wParam);
}

} // namespace
