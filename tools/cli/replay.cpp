#include "tools/cli/replay.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "game/gamerecord.h"
#include "game/pgntext.h"
#include "tools/cli/platform.h"

namespace {

constexpr int kOpenFailed = 1;
constexpr size_t kReadChunk = 1 << 16;
constexpr const char* kStandardInputName = "standard input";

// Messages go to standard error; there is no clipboard and no window.
class CCliPlatform : public CDocumentPlatform {
public:
    void SetTitle(const char*) override {}
    void ShowMessage(const char* text, const char* caption) override {
        cli::WriteError(std::string("torvo-cli: ") + caption + ": " + text + "\n");
    }
    std::string ClipboardText() override { return ""; }
    bool SetClipboardText(const std::string&) override { return false; }
    void DocumentChanged() override {}
};

// False when the input is longer than a text can be or the memory can hold;
// /dev/zero would otherwise be read until the program is killed.
bool ReadStandardInput(std::string* content) {
    char chunk[kReadChunk];
    try {
        for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0;) {
            if (got > CPgnText::kMaxSize - content->size()) return false;
            content->append(chunk, got);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int TooLarge(const char* name) {
    cli::WriteError(std::string("torvo-cli: ") + name + ": too large to read (the limit is " +
                    std::to_string(CPgnText::kMaxSize) + " bytes, or what the memory holds)\n");
    return kOpenFailed;
}

}  // namespace

int RunReplay(int argc, char** argv, int (*usageError)(const std::string&)) {
    bool recordOnly = false;
    const char* path = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--record") == 0)
            recordOnly = true;
        else if (argv[i][0] == '-' && argv[i][1] != '\0')
            return usageError(std::string("unknown argument '") + argv[i] + "'");
        else if (path != nullptr)
            return usageError("replay reads one file");
        else
            path = argv[i];
    }

    CCliPlatform platform;
    CGameDocument document(&platform);
    if (path != nullptr) {
        if (!document.OnOpenDocument(path)) return document.RefusedAsTooLarge() ? TooLarge(path) : kOpenFailed;
    } else {
        document.OnNewDocument();
        std::string content;
        if (!ReadStandardInput(&content)) return TooLarge(kStandardInputName);
        if (!document.OpenContent(content)) return TooLarge(kStandardInputName);
    }

    std::string out;
    if (recordOnly)
        CGameRecord::Append(document.GetFacade(), CGameRecord::Form::kFile, &out);
    else
        out = document.SaveText();
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kOpenFailed;
}
