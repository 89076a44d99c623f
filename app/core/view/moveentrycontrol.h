// The user's moves, whichever way they come: a click on the board picks a
// square or hands a move over, a typed move, a move chosen from the list of
// legal ones. Refusals are shown in the status bar and a box; after an
// accepted move the computer answers when the automatic answer is on.
// Operations of the view, built on IMoveEntryView.
#pragma once

#include "app/core/view/moveentryview.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/picture/squarepicker.h"

class CMoveEntryControl {
public:
    static constexpr const char* kInvalidMoveCaption = "Ungültiger Zug !";
    static constexpr const char* kMoveCaption = "Zug";
    static constexpr const char* kChooseFromListFormat = "%s\n\nMöchtenSie einen anderen von der Liste wählen?\n";

    explicit CMoveEntryControl(IMoveEntryView& view) : m_view(view) {}

    // A press of the left button at a client point of a view of this size;
    // leftOnly is false when a modifier or another button was held as well.
    void OnBoardClick(bool leftOnly, int x, int y, int width, int height);
    // The keyboard's choice of a screen square: a left click on it.
    void OnSquareChosen(int column, int row);
    // Drops the pick and shows that.
    void DropPick();
    void OnEnterMove();
    void OnLegalMoves();
    void OnFlipBoard();

    // The picked square and the board's orientation, for the paint.
    const CSquarePicker& Picker();
    int AutoReply() const { return m_autoReply; }
    void SetAutoReply(int autoReply) { m_autoReply = autoReply; }

private:
    // Repaint, then the computer answers when it is to.
    void AfterUserMove();
    // The result in the status bar and the "Spielende" box; true when the game is over.
    bool ShowGameOver(CGameFacade* facade);

    IMoveEntryView& m_view;
    CSquarePicker m_picker;  // m_hasSelection, m_flipped, the picked and clicked squares
    int m_autoReply = CSettingsDlgLogic::kDefaultAutoReply;
};
