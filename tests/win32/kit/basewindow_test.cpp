#include "app/win32/kit/basewindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr const wchar_t* kClassName = L"KitTestWindow";
// A message the test windows answer themselves.
constexpr UINT kAsk = WM_APP + 1;
constexpr LRESULT kAnswer = 42;

// What a window's object saw: the message and the handle it had then.
struct Seen {
    UINT message;
    HWND hwnd;
    const CBaseWindow* object;
};

// A window that writes down what reaches it, into a log the test keeps,
// so that the log outlives the object.
class CRecordingWindow : public CBaseWindow {
public:
    explicit CRecordingWindow(std::vector<Seen>& log, bool refuseCreate = false)
        : m_log(log), m_refuseCreate(refuseCreate) {}

    HWND Create() {
        return CreateHwnd(0, kClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                          GetModuleHandleW(nullptr));
    }
    int Finals() const { return m_finals; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_log.push_back({message, m_hwnd, this});
        if (message == kAsk) return kAnswer;
        if (message == WM_CREATE && m_refuseCreate) return -1;
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
    void OnFinalMessage() override { ++m_finals; }

private:
    std::vector<Seen>& m_log;
    bool m_refuseCreate;
    int m_finals = 0;
};

// A window that owns itself, as the print preview does.
class CSelfOwnedWindow : public CRecordingWindow {
public:
    CSelfOwnedWindow(std::vector<Seen>& log, bool& gone) : CRecordingWindow(log), m_gone(gone) {}
    ~CSelfOwnedWindow() override { m_gone = true; }

protected:
    void OnFinalMessage() override { delete this; }

private:
    bool& m_gone;
};

bool Saw(const std::vector<Seen>& log, UINT message) {
    for (const Seen& seen : log)
        if (seen.message == message) return true;
    return false;
}

class BaseWindowTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass = {};
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        ASSERT_TRUE(CBaseWindow::RegisterWindowClass(windowClass)) << GetLastError();
    }

    std::vector<Seen> m_log;
};

}  // namespace

TEST_F(BaseWindowTest, FromNcCreateOnEveryMessageReachesTheObjectWithItsHandleSet) {
    CRecordingWindow window(m_log);
    HWND hwnd = window.Create();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.Hwnd(), hwnd);
    // A top-level window's WM_GETMINMAXINFO comes before the object is known.
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.front().message, static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(Saw(m_log, WM_CREATE));
    for (const Seen& seen : m_log) {
        EXPECT_EQ(seen.hwnd, hwnd) << "message " << seen.message;
        EXPECT_EQ(seen.object, &window) << "message " << seen.message;
    }
    // What the handler answers is what the sender gets.
    EXPECT_EQ(SendMessageW(hwnd, kAsk, 0, 0), kAnswer);
    EXPECT_EQ(CBaseWindow::FromHwnd(hwnd), &window);
    DestroyWindow(hwnd);
}

TEST_F(BaseWindowTest, TwoWindowsOfOneClassEachReachTheirOwnObject) {
    std::vector<Seen> otherLog;
    CRecordingWindow first(m_log), second(otherLog);
    HWND firstHwnd = first.Create(), secondHwnd = second.Create();
    ASSERT_NE(firstHwnd, nullptr);
    ASSERT_NE(secondHwnd, nullptr);
    m_log.clear();
    otherLog.clear();
    SendMessageW(secondHwnd, kAsk, 0, 0);
    EXPECT_TRUE(m_log.empty());
    ASSERT_EQ(otherLog.size(), 1u);
    EXPECT_EQ(otherLog[0].object, &second);
    EXPECT_EQ(CBaseWindow::FromHwnd(firstHwnd), &first);
    EXPECT_EQ(CBaseWindow::FromHwnd(secondHwnd), &second);
    DestroyWindow(firstHwnd);
    DestroyWindow(secondHwnd);
}

TEST_F(BaseWindowTest, DestroyingTheWindowEndsWithNcDestroyAndLetsTheObjectGo) {
    CRecordingWindow window(m_log);
    HWND hwnd = window.Create();
    ASSERT_NE(hwnd, nullptr);
    DestroyWindow(hwnd);
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.back().message, static_cast<UINT>(WM_NCDESTROY));
    // The handle is still there for the last message's own handling.
    EXPECT_EQ(m_log.back().hwnd, hwnd);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_EQ(window.Finals(), 1);
    EXPECT_EQ(CBaseWindow::FromHwnd(hwnd), nullptr);
}

TEST_F(BaseWindowTest, AWindowThatOwnsItselfIsDeletedAfterItsLastMessage) {
    bool gone = false;
    auto* window = new CSelfOwnedWindow(m_log, gone);
    HWND hwnd = window->Create();
    ASSERT_NE(hwnd, nullptr);
    SendMessageW(hwnd, kAsk, 0, 0);
    EXPECT_FALSE(gone);
    DestroyWindow(hwnd);
    EXPECT_TRUE(gone);
    EXPECT_EQ(m_log.back().message, static_cast<UINT>(WM_NCDESTROY));
}

// An object that goes before its window: what still arrives is the system's.
TEST_F(BaseWindowTest, NothingReachesAnObjectOnceItIsGone) {
    auto* window = new CRecordingWindow(m_log);
    HWND hwnd = window->Create();
    ASSERT_NE(hwnd, nullptr);
    delete window;
    m_log.clear();
    EXPECT_EQ(CBaseWindow::FromHwnd(hwnd), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, kAsk, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_TRUE(m_log.empty());
}

TEST_F(BaseWindowTest, AWindowThatRefusesItsCreationIsNotThere) {
    CRecordingWindow window(m_log, true);
    EXPECT_EQ(window.Create(), nullptr);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_TRUE(Saw(m_log, WM_NCDESTROY));
    EXPECT_EQ(window.Finals(), 1);
}

TEST_F(BaseWindowTest, AClassRegisteredAgainStaysRegistered) {
    // The fixture registered it already.
    WNDCLASSEXW windowClass = {};
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    EXPECT_TRUE(CBaseWindow::RegisterWindowClass(windowClass));
    CRecordingWindow window(m_log);
    ASSERT_NE(window.Create(), nullptr);
    DestroyWindow(window.Hwnd());
}

TEST(BaseWindow, OtherWindowsHaveNoObject) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    // Whatever another window keeps in its user data is no object of ours.
    SetWindowLongPtrW(other, GWLP_USERDATA, 0x1234);
    EXPECT_EQ(CBaseWindow::FromHwnd(other), nullptr);
    EXPECT_EQ(CBaseWindow::FromHwnd(nullptr), nullptr);
    DestroyWindow(other);
}
