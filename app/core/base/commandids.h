// The command numbers shared by the menu, the keyboard table and the toolbar,
// and the control ids of the dialogs.
#pragma once

namespace cmd {

// File, edit, view and help commands in the framework's number range.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePageSetup = 57605;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintDirect = 57608;
constexpr int kFilePrintPreview = 57609;
constexpr int kFileMruFirst = 57616;
constexpr int kFileMruLast = 57631;
constexpr int kEditCopy = 57634;
constexpr int kEditCut = 57635;
constexpr int kEditPaste = 57637;
constexpr int kEditUndo = 57643;
constexpr int kNextPane = 57680;
constexpr int kPrevPane = 57681;
constexpr int kAppAbout = 57664;
constexpr int kAppExit = 57665;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;

// The program's own commands.
constexpr int kShortHelp = 32772;
constexpr int kFlipBoard = 32773;
constexpr int kEnterMove = 32774;
constexpr int kLegalMoves = 32776;
constexpr int kComputerMove = 32777;
constexpr int kSuggestion = 32778;
constexpr int kSettings = 32779;
constexpr int kToggleNotation = 32780;
constexpr int kHomepage = 32781;

// Strings of the string table that no command owns.
constexpr int kStringShortHelpTitle = 32771;
constexpr int kStringLegalMovesSpare = 32775;

// The toolkit takes command numbers below 32767 only, away from its own
// range; both blocks of our numbers are moved down into free space.
constexpr int kToolkitIdLimit = 0x7fff;
constexpr int kFrameworkBlock = 57344;
constexpr int kProgramBlock = 32768;
constexpr int kFrameworkBlockToolkit = 20000;
constexpr int kProgramBlockToolkit = 10000;

constexpr int ToolkitId(int command) {
    if (command >= kFrameworkBlock) return command - kFrameworkBlock + kFrameworkBlockToolkit;
    if (command >= kProgramBlock) return command - kProgramBlock + kProgramBlockToolkit;
    return command;
}

constexpr int CommandOf(int toolkitId) {
    if (toolkitId >= kFrameworkBlockToolkit) return toolkitId - kFrameworkBlockToolkit + kFrameworkBlock;
    if (toolkitId >= kProgramBlockToolkit) return toolkitId - kProgramBlockToolkit + kProgramBlock;
    return toolkitId;
}

}  // namespace cmd

namespace dlg {

// Ids shared by every dialog.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
// The texts of the dialogs' two stock buttons.
constexpr const char* kOkText = "OK";
constexpr const char* kCancelText = "Abbrechen";
constexpr int kIdStatic = -1;

// Settings dialog.
constexpr int kAutoReplyCheck = 200;
constexpr int kSettingsOk = 1000;
constexpr int kLevelGroup = 1001;
// The level buttons, Level 1 to 4; the view keeps the level as its button's id.
constexpr int kLevel1 = 1013;
constexpr int kLevel2 = 1014;
constexpr int kLevel3 = 1015;
constexpr int kLevel4 = 1016;

// Move-entry dialog.
constexpr int kMoveEdit = 131;
constexpr int kMoveEntryOk = 3;

// Legal-moves dialog.
constexpr int kLegalMovesOk = 1000;
constexpr int kLegalMovesList = 1008;

}  // namespace dlg
