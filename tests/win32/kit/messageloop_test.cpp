#include "app/win32/kit/messageloop.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr WORD kCommand = 40001;
constexpr UINT kMark = WM_APP + 7;

// What reached the window and the loop, in order: "c" a command, "m" a
// marking message, "t" a task, "i" idle work.
std::string g_order;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kCommand) g_order += 'c';
    if (message == kMark) g_order += 'm';
    return DefWindowProcW(window, message, wParam, lParam);
}

class MessageLoopTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Record;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KitLoopTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"KitLoopTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
        g_order.clear();
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

}  // namespace

TEST_F(MessageLoopTest, KeysGoThroughTheTableAndTasksRunAfterWhatWasWaiting) {
    ACCEL key = {FVIRTKEY, VK_F7, kCommand};
    const HACCEL keys = CreateAcceleratorTableW(&key, 1);
    ASSERT_NE(keys, nullptr);
    CMessageLoop loop(window, keys);
    PostMessageW(window, WM_KEYDOWN, VK_F7, 1);
    loop.PostTask([] { g_order += 't'; });
    PostMessageW(window, kMark, 0, 0);
    loop.PostTask([] {
        g_order += 't';
        PostQuitMessage(5);
    });
    EXPECT_EQ(loop.Run(nullptr), 5);
    EXPECT_EQ(g_order, "ctmt");
    DestroyAcceleratorTable(keys);
}

TEST_F(MessageLoopTest, IdleWorkRunsOnceTheQueueIsEmpty) {
    CMessageLoop loop(window, nullptr);
    PostMessageW(window, kMark, 0, 0);
    int idles = 0;
    EXPECT_EQ(loop.Run([&idles] {
        g_order += 'i';
        // A message of the thread's own wakes the loop for the second time.
        if (++idles == 2)
            PostQuitMessage(3);
        else
            PostMessageW(nullptr, WM_NULL, 0, 0);
    }), 3);
    EXPECT_EQ(g_order, "mii");
    EXPECT_EQ(idles, 2);
}
