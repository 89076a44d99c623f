#include "app/core/document/gamedocument.h"

#include <cstdio>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <utility>

#include "app/core/document/commandline.h"
#include "app/core/document/documentplatform.h"
#include "app/core/document/latin1text.h"
#include "app/core/document/pgnfile.h"
#include "app/core/document/recentfiles.h"
#include "engine/messagepump.h"
#include "game/game.h"
#include "game/gamefacade.h"
#include "game/gamerecord.h"
#include "game/pgntext.h"
#include "notation/gametags.h"

namespace {

constexpr int kMessageSize = 100;

}  // namespace

CGameDocument::CGameDocument(CDocumentPlatform* platform)
    : m_platform(platform), m_gameFacade(std::make_unique<CGameFacade>()) {
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
}

CGameDocument::~CGameDocument() { TheMessagePump().SetThinking(CMessagePump::kThinkingOff); }

CMessagePump* CGameDocument::GetPump() const { return &TheMessagePump(); }

// The system's own separators: on Windows a backslash too.
std::string CGameDocument::FileTitle(const std::string& path) {
    return std::filesystem::u8path(path).filename().u8string();
}

int CGameDocument::Start(const CCommandLine& line) {
    switch (line.kind) {
        case CCommandLine::kRefused:
            m_platform->ShowStop(line.error.c_str(), CMainFrameTexts::kWindowTitle);
            return kBadCommandLine;
        case CCommandLine::kNewGame:
            return OnNewDocument() != 0 ? kStarted : kStartFailed;
        case CCommandLine::kOpen:
        case CCommandLine::kPrint:
            break;
    }
    return OpenFile(line.file) ? kStarted : kStartFailed;
}

int CGameDocument::OnNewDocument() {
    if (!m_platform->BeginNewDocument()) return 0;
    SetTitle(kNewGameTitle);
    // A new, opened or pasted game no longer belongs to the file shown before.
    m_path.clear();
    m_gameFacade.reset();
    m_storedText.reset();
    m_storedMoves = kNotCounted;
    m_gameFacade = std::make_unique<CGameFacade>();
    m_gameFacade->UpdateResultTag()->SetDefaults();
    // A search running below us gives up at its next look at the pump.
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    Changed();
    return 1;
}

void CGameDocument::SetTitle(const std::string& title) {
    m_title = title;
    m_platform->SetTitle(m_title.c_str());
}

void CGameDocument::Changed() {
    ++m_gameNumber;
    m_platform->DocumentChanged();
}

bool CGameDocument::Open() {
    std::string path;
    return m_platform->AskOpenName(&path) && OpenFile(path);
}

bool CGameDocument::OpenFile(const std::string& path) {
    if (!OnOpenDocument(path)) return false;
    BelongTo(path);
    return true;
}

bool CGameDocument::OpenRecent(size_t index) {
    if (m_recent == nullptr || index >= m_recent->Count()) return false;
    const std::string path = m_recent->Path(index);
    if (OpenFile(path)) return true;
    // As the framework's list does: a file that is gone leaves it.
    m_recent->Remove(path);
    return false;
}

bool CGameDocument::OpenDropped(const std::vector<std::string>& paths) {
    return !paths.empty() && OpenFile(paths.front());
}

bool CGameDocument::Save() { return m_path.empty() ? SaveAs() : SaveTo(m_path); }

bool CGameDocument::SaveAs() {
    std::string path;
    return m_platform->AskSaveName(m_path, m_title, &path) && SaveTo(path);
}

bool CGameDocument::SaveTo(const std::string& path) {
    if (!OnSaveDocument(path)) return false;
    BelongTo(path);
    return true;
}

void CGameDocument::BelongTo(const std::string& path) {
    m_path = path;
    SetTitle(FileTitle(path));
    if (m_recent != nullptr) m_recent->Add(path);
}

bool CGameDocument::OnOpenDocument(const std::string& path) {
    std::unique_ptr<CPgnText> text;
    int cause = CPgnFile::kNoError;
    {
        std::string content;
        cause = CPgnFile::Read(path, CPgnText::kMaxSize, &content, &m_tooLarge);
        if (cause == CPgnFile::kNoError) {
            text = MakeText(content, false);
            if (text == nullptr) cause = CPgnFile::kGeneric;
        }
    }
    // A file too large to hold is refused before the game in progress is given up.
    if (m_tooLarge) {
        ShowFileError(kOpenErrorFormat, cause);
        return false;
    }
    // Without a fresh game the file's moves would be played on top of the old one.
    if (OnNewDocument() == 0) return false;
    if (cause != CPgnFile::kNoError) {
        // Nothing of a half-read file is kept, so a later save cannot write a fragment.
        ShowFileError(kOpenErrorFormat, cause);
        return false;
    }
    Install(std::move(text));
    return true;
}

bool CGameDocument::OpenContent(const std::string& content) {
    std::unique_ptr<CPgnText> text = MakeText(content, false);
    if (text == nullptr) {
        ShowFileError(kOpenErrorFormat, CPgnFile::kGeneric);
        return false;
    }
    Install(std::move(text));
    return true;
}

std::unique_ptr<CPgnText> CGameDocument::MakeText(const std::string& content, bool dropEmpty) {
    m_tooLarge = false;
    try {
        auto text = std::make_unique<CPgnText>();
        text->AddText(content.data(), content.size(), dropEmpty);
        return text;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    m_tooLarge = true;
    return nullptr;
}

void CGameDocument::Install(std::unique_ptr<CPgnText> text) {
    KeepReplayed(std::move(text));
    Changed();
}

// Played on a game at its start, the text's moves count as a fresh game's:
// the count is kept, so that asking whether the game is unchanged does not
// replay the whole text again.
void CGameDocument::KeepReplayed(std::unique_ptr<CPgnText> text) {
    const bool atStart = m_gameFacade->GetGame()->GetPly() == 0;
    const int moves = text->Replay(m_gameFacade.get());
    m_storedText = std::move(text);
    m_storedMoves = atStart ? moves : kNotCounted;
}

bool CGameDocument::OnSaveDocument(const std::string& path) {
    bool whileWriting = false;
    std::string content;
    try {
        content = SaveText();
    } catch (const std::bad_alloc&) {
        // Nothing was written: the file on disk stays as it was.
        ShowFileError(kWriteErrorFormat, CPgnFile::kGeneric);
        return false;
    }
    const int cause = CPgnFile::Write(path, content, &whileWriting);
    if (cause == CPgnFile::kNoError) return true;
    ShowFileError(whileWriting ? kWriteErrorFormat : kOpenErrorFormat, cause);
    return false;
}

bool CGameDocument::LoadFromText(const std::string& text) {
    std::unique_ptr<CPgnText> pasted = MakeText(text, true);
    if (pasted == nullptr) return false;
    pasted->Rewind();
    const char* first = pasted->NextToken();
    if (*first == '\0' || CPgnText::IsGlyph(first)) return false;
    {
        const auto probe = std::make_unique<CGameFacade>();
        if (*probe->EnterMove(first) != '\0') return false;
    }
    if (OnNewDocument() == 0) return false;
    KeepReplayed(std::move(pasted));
    return true;
}

void CGameDocument::OnEditCopy() {
    std::string text;
    try {
        text = CopyText();
    } catch (const std::bad_alloc&) {
        return;  // the clipboard stays as it was
    }
    m_platform->SetClipboardText(text);
}

void CGameDocument::OnEditPaste() {
    const std::string text = m_platform->ClipboardText();
    if (text.size() < kPreviewLimit) m_platform->ShowMessage(text.c_str(), kPasteCaption);
    if (text.empty()) return;
    LoadFromText(text);
    Changed();
}

bool CGameDocument::IsUnchanged() {
    if (m_storedText == nullptr) return false;
    if (m_storedMoves == kNotCounted) m_storedMoves = m_storedText->ReplayCount();
    return m_storedMoves == m_gameFacade->GetGame()->GetPly();
}

std::string CGameDocument::SaveText() { return StoredForm(false); }

// The clipboard takes text; a stored text's bytes may be Latin-1.
std::string CGameDocument::CopyText() { return CLatin1Text::ToUtf8(StoredForm(true)); }

// A changed game puts its record first; the stored text follows, so that a
// file collects games, the newest first.
std::string CGameDocument::StoredForm(bool clipboard) {
    std::string out;
    const bool unchanged = IsUnchanged();
    if (!unchanged) {
        const CGameRecord::Form form = clipboard ? CGameRecord::Form::kClipboard : CGameRecord::Form::kFile;
        CGameRecord::Append(m_gameFacade.get(), form, &out);
    }
    if (m_storedText != nullptr) {
        if (!unchanged) out.append(CGameRecord::kGap);
        CGameRecord::AppendLines(m_storedText.get(), &out);
    }
    return out;
}

void CGameDocument::ShowFileError(const char* format, int cause) {
    char message[kMessageSize];
    std::snprintf(message, sizeof message, format, cause);
    m_platform->ShowMessage(message, kFileErrorCaption);
}
