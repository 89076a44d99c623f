#include "app/core/view/printpage.h"

#include "app/core/base/mainframetexts.h"

namespace {

constexpr int kTenthMillimetresPerInch = 254;
constexpr int kTenthsPerMillimetre = 10;

}  // namespace

int CPrintPage::MillimetresToDots(int millimetres, int dotsPerInch) {
    // In whole numbers, cut toward zero, so a margin never reaches past the
    // millimetres asked for.
    const long long tenths = static_cast<long long>(millimetres) * kTenthsPerMillimetre;
    return static_cast<int>(tenths * dotsPerInch / kTenthMillimetresPerInch);
}

CPrintPage::Paper CPrintPage::Sheet(int widthMillimetres, int heightMillimetres, int dotsPerInchX,
                                    int dotsPerInchY) {
    return {MillimetresToDots(widthMillimetres, dotsPerInchX), MillimetresToDots(heightMillimetres, dotsPerInchY),
            0, 0, dotsPerInchX, dotsPerInchY};
}

CPrintPage::Rect CPrintPage::TextArea(const Paper& paper) {
    const int marginX = MillimetresToDots(kMarginMillimetres, paper.dotsPerInchX);
    const int marginY = MillimetresToDots(kMarginMillimetres, paper.dotsPerInchY);
    const int width = paper.width - 2 * marginX;
    const int height = paper.height - 2 * marginY;
    return {marginX - paper.offsetX, marginY - paper.offsetY, width > 0 ? width : 0, height > 0 ? height : 0};
}

CPrintPage::Rect CPrintPage::Fit(const Paper& paper, const Rect& space) {
    if (paper.width <= 0 || paper.height <= 0 || space.width <= 0 || space.height <= 0)
        return {space.left, space.top, 0, 0};
    // The sheet's inches, not its dots, give its shape: a printer may have
    // more dots per inch one way than the other.
    const long long shapeWidth = static_cast<long long>(paper.width) * paper.dotsPerInchY;
    const long long shapeHeight = static_cast<long long>(paper.height) * paper.dotsPerInchX;
    int width = space.width;
    int height = static_cast<int>(shapeHeight * width / shapeWidth);
    if (height > space.height) {
        height = space.height;
        width = static_cast<int>(shapeWidth * height / shapeHeight);
    }
    return {space.left + (space.width - width) / 2, space.top + (space.height - height) / 2, width, height};
}

CPrintPage::Told CPrintPage::Report(Outcome outcome) {
    if (outcome != kRefused) return {nullptr, nullptr};
    return {CMainFrameTexts::kPrintRefusedText, CMainFrameTexts::kPrintCaption};
}
