#include "app/win32/kit/filedialog.h"

#include <gtest/gtest.h>

TEST(FileDialog, FiltersAreNameAndPatternEachNullEndedWithASecondNullAtTheEnd) {
    const std::wstring expected(L"Texte (*.txt)\0*.txt\0Alle \u00fcbrigen\0*.*\0\0", 38);
    EXPECT_EQ(CFileDialog::FilterText(
                  {{"Texte (*.txt)", "*.txt"}, {"Alle \xC3\xBC" "brigen", CFileDialog::kAllFilesPattern}}),
              expected);
}
