// The open game with the PGN text it came from and the file it belongs to:
// the program's start, new game, open, save, copy and paste, the title and
// the recent files, free of any toolkit; the desktop document and view
// forward here.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/core/base/mainframetexts.h"

class CCommandLine;
class CDocumentPlatform;
class CGameFacade;
class CMessagePump;
class CPgnText;
class CRecentFiles;

class CGameDocument {
public:
    static constexpr const char* kNewGameTitle = CMainFrameTexts::kNewDocumentName;
    // The program's exit code after Start: it runs on, or ends at once.
    static constexpr int kStarted = 0;
    static constexpr int kStartFailed = 1;
    static constexpr int kBadCommandLine = 2;
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
    // Counts the games held; it changes whenever the game is replaced or
    // reloaded, so the view can tell a new game without comparing pointers
    // to freed objects.
    long GameNumber() const { return m_gameNumber; }
    // "NeuesSpiel", or the name of the game's file.
    const std::string& Title() const { return m_title; }
    // The file the game was opened from or saved to; empty for a new or
    // pasted game, which "&Speichern" must not write over the file before.
    const std::string& Path() const { return m_path; }
    // The list that opened and saved files join; not owned, may be null.
    void UseRecentFiles(CRecentFiles* recent) { m_recent = recent; }
    // A file's own name, without its folders, as the caption shows it.
    static std::string FileTitle(const std::string& path);

    // The program's start: the command line's shell command, a new game or a
    // file opened (also to print it). kStarted, or the exit code; a refused
    // command line is told in a box first.
    int Start(const CCommandLine& line);

    // The new-game step: 1, or 0 when the framework's own step fails.
    int OnNewDocument();
    // "&Öffnen...": the file dialog, then OpenFile.
    bool Open();
    // The open step for a named file; on success the game belongs to it and
    // it is the newest recent file.
    bool OpenFile(const std::string& path);
    // A recent file from the menu, 0 on top; one that cannot be opened leaves the list.
    bool OpenRecent(size_t index);
    // Files dropped on the window: one game at a time, the first counts.
    bool OpenDropped(const std::vector<std::string>& paths);
    // "&Speichern": to the game's own file, or as "Speichern &unter..." without one.
    bool Save();
    bool SaveAs();

    // The open and save steps themselves, for a file named already.
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
    bool SaveTo(const std::string& path);
    // The game now belongs to the file: its title, and the top of the recent files.
    void BelongTo(const std::string& path);
    void SetTitle(const std::string& title);
    void Changed();

    static constexpr int kNotCounted = -1;
    void ShowFileError(const char* format, int cause);

    CDocumentPlatform* m_platform;
    std::unique_ptr<CGameFacade> m_gameFacade;
    std::unique_ptr<CPgnText> m_storedText;
    bool m_tooLarge = false;
    int m_storedMoves = kNotCounted;  // moves a fresh game takes from m_storedText
    long m_gameNumber = 0;
    std::string m_title;
    std::string m_path;
    CRecentFiles* m_recent = nullptr;
};
