// What the legal-moves dialog lists and which move it hands back.
#pragma once

#include <string>
#include <vector>

#include "app/core/base/dialoglayout.h"

class CGameFacade;

class CLegalMovesDlgLogic {
public:
    static const DialogLayout kLayout;
    static constexpr int kMoveTextSize = 200;
    static constexpr int kNoSelection = -1;
    static constexpr const char* kGameOverLine = "Spielende:";
    static constexpr const char* kMateOrStalemateLine = "Matt oder Patt";
    static constexpr const char* kCoordinatePicture = "KOORD";

    // The facade is not owned.
    explicit CLegalMovesDlgLogic(CGameFacade* facade);

    // Lists the legal moves' coordinate texts in sorted order, or the two
    // end lines when there are none.
    void Open();
    const std::vector<std::string>& Entries() const { return m_entries; }
    // selected: index into Entries(), or kNoSelection.
    void Ok(int selected);
    // "Abbrechen", Escape, the close box or Enter.
    void Dismiss() { m_moveText[0] = '\0'; }

    int HasMove() const { return m_moveText[0] != '\0' ? 1 : 0; }
    const char* GetMoveText() const { return m_moveText; }
    int GameOver() const { return m_gameOver; }

private:
    CGameFacade* m_facade;
    std::vector<std::string> m_entries;
    char m_moveText[kMoveTextSize];
    int m_gameOver;
};
