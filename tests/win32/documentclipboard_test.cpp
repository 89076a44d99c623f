#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "app/win32/kit/clipboard.h"
#include "app/win32/kit/widetext.h"

namespace {

// The document's clipboard is the system's; the rest is not looked at.
class ClipboardPlatform : public CDocumentPlatform {
public:
    void SetTitle(const char*) override {}
    void ShowMessage(const char*, const char*) override {}
    std::string ClipboardText() override {
        std::string text;
        return CClipboard::GetText(nullptr, &text) ? text : std::string();
    }
    bool SetClipboardText(const std::string& text) override { return CClipboard::PutText(nullptr, text); }
    void DocumentChanged() override {}
};

std::wstring UnicodeClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(memory))) {
            text = wide;
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, ALatin1FileIsCopiedWithItsLetters) {
    // Ä, ö and ü stand in both OEM code pages of German systems, 437 and 850.
    const UINT page = GetOEMCP();
    if (page != 437 && page != 850) GTEST_SKIP() << "OEM code page " << page;
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "torvo_clipboard_latin1.pgn";
    std::ofstream(file, std::ios::binary) << "[Site \"M\xFC" "nchen\"]\r\n[White \"\xC4rger, B\xF6hm\"]\r\n\r\n1.e4 e5 *\r\n";
    ClipboardPlatform platform;
    CGameDocument document(&platform);
    ASSERT_TRUE(document.OnOpenDocument(file.u8string()));
    std::filesystem::remove(file);
    document.OnEditCopy();

    const std::string utf8 = "[Site \"M\xC3\xBC" "nchen\"] \r\n[White \"\xC3\x84rger, B\xC3\xB6hm\"] \r\n \r\n1.e4 e5 * \r\n";
    std::string back;
    ASSERT_TRUE(CClipboard::GetText(nullptr, &back));
    EXPECT_EQ(back, utf8);
    // Other programs read the letters from the text the system makes of ours.
    EXPECT_EQ(UnicodeClipboardText(), CWideText::Wide(utf8));
}

}  // namespace
