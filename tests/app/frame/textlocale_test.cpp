#include "app/core/frame/textlocale.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <string>

namespace {

// Puts the process's locale back as it was.
class LocaleGuard {
public:
    LocaleGuard() : m_saved(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
    std::string m_saved;
};

}  // namespace

// A desktop started without a language setting runs in the C locale; the
// system's German error texts must still keep their umlauts.
TEST(TextLocale, SystemErrorTextsKeepTheirUmlautsInTheCLocale) {
    LocaleGuard guard;
    std::setlocale(LC_ALL, "C");
    if (!CTextLocale::UseGerman()) GTEST_SKIP() << "no German locale on this system";
    const std::string text = std::strerror(EAGAIN);
    if (text == "Resource temporarily unavailable") GTEST_SKIP() << "the C library has no German texts here";
    EXPECT_EQ(text.find('?'), std::string::npos) << text;
    EXPECT_NE(text.find("verf\xC3\xBCgbar"), std::string::npos) << text;
}

TEST(TextLocale, AUserCharacterSetIsLeftAlone) {
    LocaleGuard guard;
    std::setlocale(LC_ALL, "C");
    if (!std::setlocale(LC_CTYPE, "de_DE.UTF-8") && !std::setlocale(LC_CTYPE, "de_DE.utf8"))
        GTEST_SKIP() << "no German locale on this system";
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    CTextLocale::UseGerman();
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
}
