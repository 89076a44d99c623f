// The open game with the PGN text it came from: new game, open, save, copy
// and paste, free of any toolkit; the desktop document and view forward here.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class CDocumentPlatform;
class CGameFacade;
class CMessagePump;
class CPgnText;

class CGameDocument {
public:
    static constexpr const char* kNewGameTitle = "NeuesSpiel";
    static constexpr const char* kFileErrorCaption = "File - error";
    static constexpr const char* kOpenErrorFormat = "File open error: %d";
    static constexpr const char* kWriteErrorFormat = "File write error: %d";
    static constexpr const char* kPasteCaption = "Einfügen des Spiels (PGN) vom Clipboard";
    // Shorter pasted texts are shown before they are loaded.
    static constexpr size_t kPreviewLimit = 3000;

    // Not owned; must outlive the document.
    explicit CGameDocument(CDocumentPlatform* platform);
    virtual ~CGameDocument();
    CGameDocument(const CGameDocument&) = delete;
    CGameDocument& operator=(const CGameDocument&) = delete;

    CGameFacade* GetFacade() const { return m_gameFacade.get(); }
    CMessagePump* GetPump() const;
    // Null for a game started as a new game.
    CPgnText* GetStoredText() const { return m_storedText.get(); }

    // The new-game step: 1, or 0 when the framework's own step fails.
    int OnNewDocument();
    bool OnOpenDocument(const std::string& path);
    // Opening once the file's bytes are read; false, with the file message,
    // when the text is too large to hold.
    bool OpenContent(const std::string& content);
    // The last open or paste was refused as too large for the memory.
    bool RefusedAsTooLarge() const { return m_tooLarge; }
    bool OnSaveDocument(const std::string& path);
    // Loads a pasted text when its first token is a legal first move; true then.
    bool LoadFromText(const std::string& text);
    void OnEditCopy();
    void OnEditPaste();

    // The game is still the one of the stored text.
    bool IsUnchanged();
    // What saving writes, byte for byte, and what copying puts on the
    // clipboard, as UTF-8.
    std::string SaveText();
    std::string CopyText();

private:
    std::string StoredForm(bool clipboard);
    // Null, with m_tooLarge set, when the memory cannot hold the text.
    std::unique_ptr<CPgnText> MakeText(const std::string& content, bool dropEmpty);
    void Install(std::unique_ptr<CPgnText> text);
    void KeepReplayed(std::unique_ptr<CPgnText> text);

    static constexpr int kNotCounted = -1;
    void ShowFileError(const char* format, int cause);

    CDocumentPlatform* m_platform;
    std::unique_ptr<CGameFacade> m_gameFacade;
    std::unique_ptr<CPgnText> m_storedText;
    bool m_tooLarge = false;
    int m_storedMoves = kNotCounted;  // moves a fresh game takes from m_storedText
};
