#include "app/core/frame/framesize.h"

#include <algorithm>

#include "app/core/frame/screenscale.h"

CFrameSize::Size CFrameSize::Smallest(Size chrome, int dpi, int menuRow) {
    const int board = CScreenScale::Pixels(kSmallestBoard, dpi);
    return {std::max(chrome.width + board, menuRow), chrome.height + board};
}
