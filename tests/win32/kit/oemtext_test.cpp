#include "app/win32/kit/oemtext.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

TEST(OemText, UmlautsGoToTheOemCodePageAndBack) {
    // Ü and ä stand at the same places in the two OEM code pages of German
    // systems, 437 and 850.
    const UINT page = GetOEMCP();
    if (page != 437 && page != 850) GTEST_SKIP() << "OEM code page " << page;
    const std::string utf8 = "[White \"\xC3\x9C" "bung\"]\r\n1.e4 \xC3\xA4";
    const std::string oem = COemText::FromUtf8(utf8);
    EXPECT_EQ(oem, "[White \"\x9A" "bung\"]\r\n1.e4 \x84");
    EXPECT_EQ(COemText::ToUtf8(oem), utf8);
}

TEST(OemText, PlainTextAndEmptyTextPassUnchanged) {
    EXPECT_EQ(COemText::FromUtf8("1.e4 e5 2.Nf3 *\r\n"), "1.e4 e5 2.Nf3 *\r\n");
    EXPECT_EQ(COemText::ToUtf8("1.e4 e5 2.Nf3 *\r\n"), "1.e4 e5 2.Nf3 *\r\n");
    EXPECT_EQ(COemText::FromUtf8(""), "");
    EXPECT_EQ(COemText::ToUtf8(""), "");
}
