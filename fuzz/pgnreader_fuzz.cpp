// Any bytes, opened from a file, as a file's content or pasted: the reader
// and the replay must not crash, a game just opened must save as its own
// text, and after one more move the record written (SAN moves and all) must
// paste back as the same game.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "app/core/document/latin1text.h"
#include "app/core/document/pgnfile.h"
#include "game/game.h"
#include "game/gamefacade.h"
#include "game/gamerecord.h"
#include "game/pgntext.h"
#include "rules/position.h"

namespace {

class CSilentPlatform : public CDocumentPlatform {
public:
    // Counted so that a paste can be seen to have loaded: only then does the
    // document start a new game.
    bool BeginNewDocument() override {
        ++m_newDocuments;
        return true;
    }
    void SetTitle(const char*) override {}
    void ShowMessage(const char*, const char*) override {}
    std::string ClipboardText() override { return m_clipboard; }
    bool SetClipboardText(const std::string& text) override {
        m_clipboard = text;
        return true;
    }
    void DocumentChanged() override {}

    std::string m_clipboard;
    int m_newDocuments = 0;
};

// The input's length picks the way in, what is done to the game and the
// form written, so a mutation that only adds or drops a byte reaches the
// other branches. Each branch pastes one text back.
enum OpenMode : size_t { kFromDisk, kFromContent, kPasted, kOpenModes };
constexpr size_t kRoundTrips = 2;  // copied as it is, or after one move more
constexpr size_t kWriteForms = 2;  // after the move: saved, or copied

void Fail() { __builtin_trap(); }

// This process's own file, so that two fuzzing runs do not share one. In
// memory where there is such a folder: a save flushes its file to the disk,
// which would cost more than the rest of the input.
constexpr const char* kMemoryFolder = "/dev/shm";

const std::string& DiskPath() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        if (access(kMemoryFolder, W_OK) == 0) folder = kMemoryFolder;
        return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
               "/torvo_fuzz_pgnreader_" + std::to_string(getpid()) + ".pgn";
    }();
    return path;
}

// Removed after each use: the fuzzer ends without running exit handlers.
void RemoveDiskFile() { std::remove(DiskPath().c_str()); }

std::string ReadDisk() {
    std::string content;
    bool tooLarge = false;
    if (CPgnFile::Read(DiskPath(), CPgnText::kMaxSize, &content, &tooLarge) != CPgnFile::kNoError) Fail();
    RemoveDiskFile();
    return content;
}

// What a document holding text writes behind any record of its game.
std::string StoredLines(CPgnText* text) {
    std::string out;
    CGameRecord::AppendLines(text, &out);
    return out;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string PositionText(const CGameFacade* facade) {
    char text[CPosition::kTextSize];
    return facade->GetGame()->Current()->ToText(text);
}

// What a game writes of its stored text: a file gets its bytes, the clipboard
// the same text with any byte that is no UTF-8 read as Latin-1.
std::string WrittenLines(CPgnText* stored, bool copied) {
    const std::string lines = StoredLines(stored);
    return copied ? CLatin1Text::ToUtf8(lines) : lines;
}

// A game just opened is unchanged: what it writes is its text alone, with no
// record in front.
void CheckUnchanged(CGameDocument& document, const std::string& written, bool copied) {
    CPgnText* stored = document.GetStoredText();
    if (written != WrittenLines(stored, copied)) Fail();
    if (stored->LineCount() > 0 && written.empty()) Fail();
}

// Pastes text; true when it was loaded, which a loaded paste tells by starting
// a new game. A refused one keeps the old game and its text.
bool Paste(CSilentPlatform& platform, CGameDocument& document, const std::string& text) {
    platform.m_clipboard = text;
    const int before = platform.m_newDocuments;
    const CPgnText* oldText = document.GetStoredText();
    document.OnEditPaste();
    const bool loaded = platform.m_newDocuments != before;
    if (loaded ? document.GetStoredText() == nullptr : document.GetStoredText() != oldText) Fail();
    return loaded;
}

// One input on a document holding a new game.
void Run(CSilentPlatform& platform, CGameDocument& document, const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t choice = size;
    const size_t mode = choice % kOpenModes;
    const bool pasted = mode == kPasted;
    choice /= kOpenModes;
    const bool moveMore = choice % kRoundTrips == 1;
    choice /= kRoundTrips;
    const bool copied = choice % kWriteForms == 1;
    choice /= kWriteForms;

    bool loaded = true;
    if (pasted) {
        loaded = Paste(platform, document, bytes);
    } else if (mode == kFromDisk) {
        bool whileWriting = false;
        if (CPgnFile::Write(DiskPath(), bytes, &whileWriting) != CPgnFile::kNoError) Fail();
        if (!document.OnOpenDocument(DiskPath()) || document.GetStoredText() == nullptr) Fail();
        RemoveDiskFile();
        // Read byte for byte: the lines are those of the bytes themselves.
        CPgnText direct;
        direct.AddText(bytes.data(), bytes.size(), false);
        if (StoredLines(document.GetStoredText()) != StoredLines(&direct)) Fail();
    } else {
        document.OpenContent(bytes);
        if (document.GetStoredText() == nullptr) Fail();
    }
    CGameFacade* facade = document.GetFacade();
    const CGame* game = facade->GetGame();
    // A pasted game, copied and pasted again, is the same game. A text
    // opened as a file may start with a token the paste refuses.
    if (!moveMore) {
        if (!loaded) return;
        document.OnEditCopy();
        const std::string copy = platform.m_clipboard;
        CheckUnchanged(document, copy, true);
        const int ply = game->GetPly();
        const std::string position = PositionText(facade);
        if (!Paste(platform, document, copy)) {
            if (pasted) Fail();
            return;
        }
        facade = document.GetFacade();
        if (facade->GetGame()->GetPly() != ply || PositionText(facade) != position) Fail();
        return;
    }

    CPgnText* stored = document.GetStoredText();
    if (stored != nullptr) CheckUnchanged(document, document.SaveText(), false);
    const int moves = facade->LegalMoveCount();
    if (moves == 0) return;

    // One move more, given as the legal list writes it; the answer text
    // overwrites the list's, hence the copy.
    const std::string move = facade->LegalMoveText(static_cast<int>(choice % static_cast<size_t>(moves)));
    const int ply = game->GetPly();
    const bool room = game->HasRoom();
    const char* answer = facade->EnterMove(move.c_str());
    if (!room) {
        if (std::strcmp(answer, CGameFacade::kHistoryFullText) != 0 || game->GetPly() != ply) Fail();
        return;
    }
    if (*answer != '\0' || game->GetPly() != ply + 1) Fail();

    // A changed game writes its record first, then the text it came from.
    std::string written;
    if (copied) {
        document.OnEditCopy();
        written = platform.m_clipboard;
    } else if (mode == kFromDisk) {
        if (!document.OnSaveDocument(DiskPath())) Fail();
        written = ReadDisk();
    } else {
        written = document.SaveText();
    }
    if (stored != nullptr) {
        const std::string lines = WrittenLines(stored, copied);
        if (written.size() <= lines.size() || !EndsWith(written, lines)) Fail();
    }

    // Pasted back, the record is the same game: its first move is legal, so
    // the paste loads, and every move replays to the same position.
    const int played = game->GetPly();
    const std::string position = PositionText(facade);
    if (!Paste(platform, document, written)) Fail();
    facade = document.GetFacade();
    if (facade->GetGame()->GetPly() != played || PositionText(facade) != position) Fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every document step makes a new game, a large object, so the document
    // itself is made once and handed each input as a new game.
    static CSilentPlatform platform;
    static CGameDocument document(&platform);
    static const bool started = document.OnNewDocument() == 1;
    if (!started) Fail();

    platform.m_clipboard.clear();
    Run(platform, document, data, size);
    // Back to a new game: what an input allocates it frees again, so the
    // fuzzer's leak check need not run the input a second time.
    if (document.OnNewDocument() == 0) Fail();
    return 0;
}
