// Entry point: refuses to start without a display before the toolkit tries.
#include <wx/app.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kNoDisplayExit = 3;

bool HasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "torvo: no display found (DISPLAY is not set); start it from a desktop session\n");
        return kNoDisplayExit;
    }
    return wxEntry(argc, argv);
}
