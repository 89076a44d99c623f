#include "app/win32/win32pumpplatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kTestMessage = WM_APP + 1;
constexpr WORD kFlipCommand = 32775;

std::vector<UINT> g_seen;
std::vector<WORD> g_commands;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTestMessage) g_seen.push_back(message);
    if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window that only takes messages, and nothing left over in the queue.
class Win32PumpPlatformTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Record;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KitPumpTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "KitPumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
        g_seen.clear();
        g_commands.clear();
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

}  // namespace

TEST_F(Win32PumpPlatformTest, OneMessageACallAndOnlyEveryNthCallLooks) {
    for (int i = 0; i < 3; ++i) PostMessageA(window, kTestMessage, 0, 0);
    CWin32PumpPlatform everyCall(1);
    everyCall.DispatchOne();
    EXPECT_EQ(g_seen.size(), 1u);
    everyCall.DispatchOne();
    EXPECT_EQ(g_seen.size(), 2u);

    CWin32PumpPlatform everyFourth(4);
    for (int i = 0; i < 3; ++i) everyFourth.DispatchOne();
    EXPECT_EQ(g_seen.size(), 2u);
    everyFourth.DispatchOne();
    EXPECT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(everyCall.Dispatched() + everyFourth.Dispatched(), 3u);

    // Nothing waiting: nothing happens.
    everyCall.DispatchOne();
    EXPECT_EQ(everyCall.Dispatched(), 2u);
}

TEST_F(Win32PumpPlatformTest, KeysGoThroughTheKeyboardTable) {
    ACCEL flip = {FVIRTKEY, VK_F7, kFlipCommand};
    const HACCEL keys = CreateAcceleratorTableA(&flip, 1);
    ASSERT_NE(keys, nullptr);
    CWin32PumpPlatform pump(1);
    pump.SetKeyTable(window, keys);
    PostMessageA(window, WM_KEYDOWN, VK_F7, 1);
    pump.DispatchOne();
    EXPECT_EQ(g_commands, std::vector<WORD>{kFlipCommand});
    DestroyAcceleratorTable(keys);
}

TEST_F(Win32PumpPlatformTest, AQuitMessageIsLeftForTheProgramsOwnLoop) {
    CWin32PumpPlatform pump(1);
    PostQuitMessage(7);
    pump.DispatchOne();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
}
