// Any bytes, opened as a file and pasted: the reader, the replay and both
// writers must neither crash nor break the "unchanged" rule.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/core/documentplatform.h"
#include "app/core/gamedocument.h"
#include "notation/pgntext.h"
#include "rules/game.h"
#include "rules/gamefacade.h"

namespace {

class CSilentPlatform : public CDocumentPlatform {
public:
    void SetTitle(const char*) override {}
    void ShowMessage(const char*, const char*) override {}
    std::string ClipboardText() override { return m_clipboard; }
    bool SetClipboardText(const std::string& text) override {
        m_clipboard = text;
        return true;
    }
    void DocumentChanged() override {}

    std::string m_clipboard;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CSilentPlatform platform;
    CGameDocument document(&platform);
    document.OnNewDocument();

    document.OpenContent(bytes);
    // A game just opened is the game of its text.
    if (!document.IsUnchanged()) __builtin_trap();
    const std::string saved = document.SaveText();
    if (document.GetStoredText()->LineCount() > 0 && saved.empty()) __builtin_trap();

    // A pasted game, copied and pasted again, is the same game.
    if (document.LoadFromText(bytes)) {
        if (!document.IsUnchanged()) __builtin_trap();
        const int ply = document.GetFacade()->GetGame()->GetPly();
        document.OnEditCopy();
        if (!document.LoadFromText(platform.m_clipboard)) __builtin_trap();
        if (document.GetFacade()->GetGame()->GetPly() != ply) __builtin_trap();
    }
    platform.m_clipboard = bytes;
    document.OnEditPaste();
    return 0;
}
