#include "app/core/frame/framesize.h"

#include "app/core/frame/screenscale.h"

CFrameSize::Size CFrameSize::Smallest(Size chrome, int dpi) {
    const int board = CScreenScale::Pixels(kSmallestBoard, dpi);
    return {chrome.width + board, chrome.height + board};
}
