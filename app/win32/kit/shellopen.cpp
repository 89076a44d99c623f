#include "app/win32/kit/shellopen.h"

#include <shellapi.h>

#include <string>

#include "app/win32/kit/widetext.h"

namespace {

// ShellExecute's results up to this one are errors.
constexpr INT_PTR kShellExecuteErrorLimit = 32;

}  // namespace

bool CShellOpen::Open(HWND owner, const char* address) {
    const std::wstring wide = CWideText::Wide(address);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > kShellExecuteErrorLimit;
}
