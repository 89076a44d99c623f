#include "app/win32/uireport.h"

#include <cstdio>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH * 4];
    const DWORD length = GetEnvironmentVariableW(name, value, sizeof value / sizeof value[0]);
    return length > 0 && length < sizeof value / sizeof value[0] ? std::wstring(value, length) : std::wstring();
}

void Write(const wchar_t* variable, const wchar_t* mode, const std::string& line) {
    const std::wstring path = Variable(variable);
    if (path.empty()) return;
    if (FILE* file = _wfopen(path.c_str(), mode)) {
        std::fputs(line.c_str(), file);
        std::fclose(file);
    }
}

}  // namespace

void CUiReport::Status(const char* text) { Write(kStatusLogVariable, L"ab", std::string(text) + "\n"); }

void CUiReport::Indicator(const char* name, bool on) {
    Status((std::string(kIndicatorPrefix) + " " + name + (on ? " on" : " off")).c_str());
}

void CUiReport::Canvas(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    POINT origin = {0, 0};
    ClientToScreen(view, &origin);
    char line[64];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    Write(kCanvasVariable, L"wb", line);
}
