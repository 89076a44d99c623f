// The program's resources as plain data: template strings, menu, keyboard
// table, toolbar, string table and the about box.
#pragma once

#include <string>

#include "app/core/base/dialoglayout.h"
#include "app/core/base/programnames.h"

struct MenuItem {
    int id;  // kSeparator for a separator
    const char* text;
};

struct Menu {
    const char* title;
    const MenuItem* items;
    int count;
};

struct KeyBinding {
    const char* keys;  // in the form "Ctrl+Insert", "Shift+F6", "F2"
    int id;
};

struct StringEntry {
    int id;
    const char* text;  // status prompt, then optionally a line feed and the tooltip
};

class CMainFrameTexts {
public:
    static constexpr int kSeparator = 0;

    // The document template string.
    static constexpr const char* kWindowTitle = "Torvo Halvorn Schach Programm";
    static constexpr const char* kNewDocumentName = "NeuesSpiel";
    static constexpr const char* kFilterName = "Torvo Files (*.pgn)";
    // The file dialogs' second filter, the framework's own German entry.
    static constexpr const char* kAllFilesFilterName = "Alle Dateien (*.*)";
    static constexpr const char* kFileExtension = TORVO_FILE_EXTENSION;
    static constexpr const char* kFileTypeId = TORVO_FILE_TYPE_ID;
    static constexpr const char* kFileTypeName = TORVO_FILE_TYPE_NAME;
    static constexpr const char* kCaptionSeparator = " - ";

    static constexpr const char* kAppName = TORVO_APP_NAME;
    static constexpr const char* kVendorName = TORVO_VENDOR_NAME;
    static constexpr const char* kIdleText = "Warte auf einen Zug.";
    static constexpr const char* kCapsIndicator = "CAP";
    static constexpr const char* kNumIndicator = "NUM";
    static constexpr const char* kScrollIndicator = "SCRL";

    // Settings kept between runs.
    static constexpr int kRecentFileCount = 4;
    static constexpr int kRecentFileNameChars = 30;
    static constexpr const char* kRecentFileSection = "Recent File List";
    static constexpr const char* kSettingsSection = "Settings";
    static constexpr const char* kPreviewPagesEntry = "PreviewPages";
    static constexpr const char* kRecentFilesMenuText = "Letzte Datei";
    // The box when the printer refuses the page.
    static constexpr const char* kPrintRefusedText = "Der Drucker hat das Spiel nicht angenommen.";
    // The print boxes' caption; the Windows program's texts without a printer
    // or when its dialog failed (with the dialog's error number), and its
    // preview's buttons.
    static constexpr const char* kPrintCaption = "Drucken";
    static constexpr const char* kNoPrinterText = "Es ist kein Drucker eingerichtet.";
    static constexpr const char* kPrintDialogFailedFormat = "Der Druckdialog ist fehlgeschlagen (Fehler %lu).";
    static constexpr const char* kPreviewPrintText = "Drucken";
    static constexpr const char* kPreviewCloseText = "Schliessen";

    static constexpr const char* kHomepage = "https://www.halvorn.example/torvo";
    static constexpr const char* kHomepageText = "www.halvorn.example";
    static constexpr const char* kMailAddress = "torvo@halvorn.example";
    static constexpr const char* kAboutProgramLine = "Torvo Halvorn Schachprogramm 3.0.d ";
    static constexpr const char* kAboutIcon = "torvo-32";  // the program's icon at 32 x 32
    static constexpr const char* kCopyrightLine = TORVO_COPYRIGHT_LINE;

    static const Menu kMenus[];
    static const int kMenuCount;
    static const KeyBinding kKeys[];
    static const int kKeyCount;
    static const int kToolbar[];  // command ids in button order, kSeparator between groups
    static const int kToolbarCount;
    static const StringEntry kStrings[];
    static const int kStringCount;
    static const DialogLayout kAboutLayout;

    // The whole string-table entry of a command, or null.
    static const char* Prompt(int id);
    // What the status bar shows while the command is pointed at.
    static std::string StatusPrompt(int id);
    // The button's tooltip; empty when the entry has none.
    static std::string Tooltip(int id);
    // The key text of a menu item ("Ctrl+N", "F3"), empty when it has none.
    static std::string MenuKeyText(const char* menuText);
    // "NeuesSpiel - Torvo Halvorn Schach Programm".
    static std::string Caption(const std::string& documentTitle);
    // The print preview's window: "NeuesSpiel - Druck Vorschau".
    static std::string PreviewCaption(const std::string& documentTitle);
};
