#include "app/core/base/mainframetexts.h"

#include <cstring>

#include "app/core/base/commandids.h"

namespace {

constexpr int kSep = CMainFrameTexts::kSeparator;

constexpr MenuItem kFileMenu[] = {
    {cmd::kFileNew, "&Neu\tCtrl+N"},
    {cmd::kFileOpen, "&Öffnen...\tCtrl+O"},
    {cmd::kFileSave, "&Speichern\tCtrl+S"},
    {cmd::kFileSaveAs, "Speichern &unter..."},
    {kSep, ""},
    {cmd::kFilePrint, "&Drucken...\tCtrl+P"},
    {cmd::kFilePrintPreview, "Druck &Vorschau"},
    {cmd::kFilePrintSetup, "D&ruck Einstellung..."},
    {kSep, ""},
    {cmd::kFileMruFirst, CMainFrameTexts::kRecentFilesMenuText},
    {kSep, ""},
    {cmd::kAppExit, "Sch&liessen"},
};
constexpr MenuItem kMovesMenu[] = {
    {cmd::kLegalMoves, "&Mögliche Züge \tF3"},
    {cmd::kEnterMove, "&Eingabe des Zugs \tF2"},
    {cmd::kComputerMove, "&Computer \tF8"},
};
constexpr MenuItem kSettingsMenu[] = {
    {cmd::kEditCopy, "&Kopiere Spiel zu Clipboard\tCtrl+C"},
    {cmd::kEditPaste, "&Einfügen des Spiels von Clipboard\tCtrl+V"},
    {cmd::kSettings, "&Haupt Einstellung"},
};
constexpr MenuItem kViewMenu[] = {
    {cmd::kFlipBoard, "Wechsle &Brett Ansicht \tF7"},
    {cmd::kToggleNotation, "Ansicht der &game notation (PGN)"},
    {cmd::kViewToolbar, "&Toolbar"},
    {cmd::kViewStatusBar, "&Status Bar"},
};
constexpr MenuItem kHelpMenu[] = {
    {cmd::kAppAbout, "&Über torvo..."},
    {cmd::kShortHelp, "&Kurzhilfe..."},
    {cmd::kHomepage, "Gehe zur Torvo Halvorn Homepage"},
    {cmd::kSuggestion, "&Vorschlag"},
};

template <typename T, int N>
constexpr int Count(const T (&)[N]) {
    return N;
}

constexpr DialogControl kAboutControls[] = {
    {dlg::kIdStatic, ControlKind::kIcon, CMainFrameTexts::kAboutIcon, 27, 29, 20, 20},
    {dlg::kIdStatic, ControlKind::kTextNoPrefix, CMainFrameTexts::kAboutProgramLine, 27, 13, 145, 8},
    {dlg::kIdStatic, ControlKind::kText, CMainFrameTexts::kCopyrightLine, 26, 54, 119, 8},
    {dlg::kIdOk, ControlKind::kDefaultPushButton, dlg::kOkText, 179, 7, 32, 14},
    {dlg::kIdStatic, ControlKind::kText, CMainFrameTexts::kHomepageText, 59, 29, 63, 8},
    {dlg::kIdStatic, ControlKind::kText, CMainFrameTexts::kMailAddress, 59, 39, 71, 8},
};

constexpr const char* kMruPrompt = "Öffnet dieses Dokument";

}  // namespace

const Menu CMainFrameTexts::kMenus[] = {
    {"&Datei", kFileMenu, Count(kFileMenu)},
    {"&Züge", kMovesMenu, Count(kMovesMenu)},
    {"&Einstellungen", kSettingsMenu, Count(kSettingsMenu)},
    {"&Ansicht", kViewMenu, Count(kViewMenu)},
    {"&Hilfe", kHelpMenu, Count(kHelpMenu)},
};
const int CMainFrameTexts::kMenuCount = Count(kMenus);

const KeyBinding CMainFrameTexts::kKeys[] = {
    {"Ctrl+N", cmd::kFileNew},       {"Ctrl+O", cmd::kFileOpen},
    {"Ctrl+S", cmd::kFileSave},      {"Ctrl+P", cmd::kFilePrint},
    {"Ctrl+C", cmd::kEditCopy},      {"Ctrl+Insert", cmd::kEditCopy},
    {"Ctrl+V", cmd::kEditPaste},     {"Shift+Insert", cmd::kEditPaste},
    {"Ctrl+X", cmd::kEditCut},       {"Shift+Delete", cmd::kEditCut},
    {"F2", cmd::kEnterMove},         {"F3", cmd::kLegalMoves},
    {"F7", cmd::kFlipBoard},         {"F8", cmd::kComputerMove},
    {"F6", cmd::kNextPane},          {"Shift+F6", cmd::kPrevPane},
    {"Ctrl+Z", cmd::kEditUndo},      {"Alt+Back", cmd::kEditUndo},
};
const int CMainFrameTexts::kKeyCount = Count(kKeys);

const int CMainFrameTexts::kToolbar[] = {
    cmd::kFileNew,  cmd::kFileOpen,  cmd::kFileSave, kSep,           cmd::kEditCopy,
    cmd::kEditPaste, kSep,           cmd::kFilePrint, cmd::kShortHelp,
};
const int CMainFrameTexts::kToolbarCount = Count(kToolbar);

const StringEntry CMainFrameTexts::kStrings[] = {
    {cmd::kStringShortHelpTitle, "Kurzanleitung für Schachprogramm"},
    {cmd::kShortHelp, "Hilfe Text Anzeige\nHilfe"},
    {cmd::kFlipBoard, "Wechselt die Ansicht für schwarz oder weiss"},
    {cmd::kEnterMove, "Eingabe eines Zuges (PGN-Notation)"},
    {cmd::kStringLegalMovesSpare, "Zeigt alle möglichen Züge an"},
    {cmd::kLegalMoves, "Zeigt alle möglichen Züge an"},
    {cmd::kComputerMove, "Computer macht einen Zug"},
    {cmd::kSuggestion, "Anzeige eines guten Zuges in dieser Stellung"},
    {cmd::kSettings, "Setzt den Schwierigkeitsgrad"},
    {cmd::kToggleNotation, "PGN - Ansicht"},
    {cmd::kHomepage, "Gehe auf die Torvo Halvorn Website"},
    {cmd::kFileNew, "Neues Spiel starten\nNeues Spiel"},
    {cmd::kFileOpen, "Öffnet ein altes Spielt\nÖffnen"},
    {cmd::kFileClose, "Schliesst ein aktuelles Spiel\nSchliessen"},
    {cmd::kFileSave, "Speichert das aktuelle Spiel\nSpeichern"},
    {cmd::kFileSaveAs, "Speichert das aktuelle Spiel unter neuem Namen\nSpeichern unter"},
    {cmd::kFilePageSetup, "Wechseln der Druck Optionen\nSeiten Einstellungen"},
    {cmd::kFilePrintSetup, "Wechseln der Drucker Einstellungen\nDrucker Einstellungen"},
    {cmd::kFilePrint, "Druckt das aktuelle Spiel als PGN\nDrucken"},
    {cmd::kFilePrintPreview, "Druckvorschau\nDruck Vorschau"},
    {cmd::kEditCopy, "Kopiert das Spiel\nSpiel Kopieren"},
    {cmd::kEditPaste, "Einfügen des Spiels\nEinfügen Spiel"},
    {cmd::kAppAbout, "Anzeige Programm Information, Version Nummer und Copyright\nAbout"},
    {cmd::kAppExit, "Schliessen des Programms\nProgramm verlassen"},
    {cmd::kViewToolbar, "Anzeigen der Toolbar\nToggle ToolBar"},
    {cmd::kViewStatusBar, "Anzeigen der Status Bar\nToggle StatusBar"},
};
const int CMainFrameTexts::kStringCount = Count(kStrings);

const DialogLayout CMainFrameTexts::kAboutLayout = {"Über Torvo", 218, 76, kAboutControls, Count(kAboutControls)};

const char* CMainFrameTexts::Prompt(int id) {
    if (id >= cmd::kFileMruFirst && id <= cmd::kFileMruLast) return kMruPrompt;
    for (const StringEntry& entry : kStrings)
        if (entry.id == id) return entry.text;
    return nullptr;
}

std::string CMainFrameTexts::StatusPrompt(int id) {
    const char* text = Prompt(id);
    if (!text) return std::string();
    const char* feed = std::strchr(text, '\n');
    return feed ? std::string(text, feed) : std::string(text);
}

std::string CMainFrameTexts::Tooltip(int id) {
    const char* text = Prompt(id);
    const char* feed = text ? std::strchr(text, '\n') : nullptr;
    return feed ? std::string(feed + 1) : std::string();
}

std::string CMainFrameTexts::MenuKeyText(const char* menuText) {
    const char* tab = std::strchr(menuText, '\t');
    return tab ? std::string(tab + 1) : std::string();
}

std::string CMainFrameTexts::Caption(const std::string& documentTitle) {
    return documentTitle + kCaptionSeparator + kWindowTitle;
}

std::string CMainFrameTexts::PreviewCaption(const std::string& documentTitle) {
    return documentTitle + kCaptionSeparator + Tooltip(cmd::kFilePrintPreview);
}
