#include "app/win32/kit/droppedfiles.h"

#include "app/win32/kit/widetext.h"

namespace {

// DragQueryFileW's index that asks for the number of files.
constexpr UINT kAllDroppedFiles = 0xFFFFFFFF;

}  // namespace

std::vector<std::string> CDroppedFiles::Take(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, kAllDroppedFiles, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1u, L'\0');
        DragQueryFileW(drop, i, &name[0], length + 1);
        paths.push_back(CWideText::Utf8(name.c_str()));
    }
    DragFinish(drop);
    return paths;
}
