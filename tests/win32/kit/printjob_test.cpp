#include "app/win32/kit/printjob.h"

#include <gtest/gtest.h>

TEST(PrintJob, ADeviceThatTakesNoJobIsNotDrawnOn) {
    // A memory DC is no printer: the spooler refuses the job at its start.
    HDC memory = CreateCompatibleDC(nullptr);
    int drawn = 0;
    EXPECT_FALSE(CPrintJob::PrintPage(memory, "Seite", [&drawn](HDC, const CPrintPage::Paper&) { ++drawn; }));
    EXPECT_EQ(drawn, 0);
    DeleteDC(memory);
}
