#include "app/core/frame/screenscale.h"

int CScreenScale::Pixels(int basePixels, int dpi) {
    if (dpi <= 0) return basePixels;
    const long long scaled = static_cast<long long>(basePixels < 0 ? -basePixels : basePixels) * dpi;
    const int pixels = static_cast<int>((scaled + kBaseDpi / 2) / kBaseDpi);
    return basePixels < 0 ? -pixels : pixels;
}
