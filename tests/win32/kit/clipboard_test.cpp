#include "app/win32/kit/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/win32/kit/widetext.h"

namespace {

const char kRecord[] = "[White \"Jürgen Müller\"]\r\n\r\n1. e2e4 e7e5 \r\n";

TEST(Clipboard, TheRecordComesBackAsItWasPut) {
    ASSERT_TRUE(CClipboard::PutText(nullptr, kRecord));
    std::string back;
    ASSERT_TRUE(CClipboard::GetText(nullptr, &back));
    EXPECT_EQ(back, kRecord);
}

TEST(Clipboard, OtherProgramsUnicodeTextArrivesAsOemText) {
    const std::wstring wide = CWideText::Wide("1. d2d4 ä");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();

    std::string back;
    ASSERT_TRUE(CClipboard::GetText(nullptr, &back));
    EXPECT_EQ(back, "1. d2d4 ä");
}

TEST(Clipboard, AnEmptyClipboardGivesNoText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    std::string back = "unchanged";
    EXPECT_FALSE(CClipboard::GetText(nullptr, &back));
    EXPECT_EQ(back, "unchanged");
}

}  // namespace
